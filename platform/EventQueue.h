// The pending-event queue that both backends share: first in, first out;
// an event equal to the newest one queued collapses into it.
#pragma once

#include "Platform.h"

struct QueuedEvent {
    EventKind kind = EventKind::None;
    int number = 0;  // control, menu item or tray icon
    int window = 0;
    EventType type = NoEventType;
};

void QueueEvent(const QueuedEvent& event);
bool TakeQueuedEvent(AppEvent* out);  // false when the queue is empty
void DropEventsOfWindow(int window);
void DropEventsOfGadget(int gadget);
void ClearEventQueue();
size_t QueuedEventCount();

// The record the core sees; the tray icon number stays behind.
AppEvent ToAppEvent(const QueuedEvent& event);
