#include "EventQueue.h"

#include <deque>

namespace {
std::deque<QueuedEvent> gQueue;

bool SameEvent(const QueuedEvent& a, const QueuedEvent& b) {
    return a.kind == b.kind && a.number == b.number && a.window == b.window && a.type == b.type;
}
}  // namespace

bool operator==(const AppEvent& a, const AppEvent& b) {
    return a.kind == b.kind && a.window == b.window && a.gadget == b.gadget &&
           a.menuItem == b.menuItem && a.type == b.type;
}

void QueueEvent(const QueuedEvent& event) {
    if (!gQueue.empty() && SameEvent(gQueue.back(), event)) return;
    gQueue.push_back(event);
}

AppEvent ToAppEvent(const QueuedEvent& event) {
    AppEvent e;
    e.kind = event.kind;
    e.window = event.window;
    e.type = event.type;
    if (event.kind == EventKind::Gadget) e.gadget = event.number;
    if (event.kind == EventKind::Menu) e.menuItem = event.number;
    return e;
}

bool TakeQueuedEvent(AppEvent* out) {
    if (gQueue.empty()) return false;
    *out = ToAppEvent(gQueue.front());
    gQueue.pop_front();
    return true;
}

void DropEventsOfWindow(int window) {
    std::erase_if(gQueue, [window](const QueuedEvent& e) { return e.window == window; });
}

void DropEventsOfGadget(int gadget) {
    std::erase_if(gQueue, [gadget](const QueuedEvent& e) {
        return e.kind == EventKind::Gadget && e.number == gadget;
    });
}

void ClearEventQueue() { gQueue.clear(); }

size_t QueuedEventCount() { return gQueue.size(); }
