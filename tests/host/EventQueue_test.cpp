#include <gtest/gtest.h>

#include "platform/EventQueue.h"

namespace {
std::vector<AppEvent> Drain() {
    std::vector<AppEvent> out;
    AppEvent e;
    while (TakeQueuedEvent(&e)) out.push_back(e);
    return out;
}
QueuedEvent Tray(int icon, EventType type, int window = 0) {
    return {EventKind::SysTray, icon, window, type};
}
QueuedEvent Gadget(int control, int window, EventType type = NoEventType) {
    return {EventKind::Gadget, control, window, type};
}
}  // namespace

TEST(EventQueue, FirstInFirstOutWithIdenticalNeighboursCollapsed) {
    ClearEventQueue();
    QueueEvent(Tray(0, LeftClick));
    QueueEvent(Tray(0, LeftClick));   // collapses
    QueueEvent(Tray(1, LeftClick));   // another icon: kept
    QueueEvent(Tray(0, RightClick));
    QueueEvent(Tray(0, LeftClick));   // not a neighbour of the first: kept
    QueueEvent({EventKind::CloseWindow, 0, 3, NoEventType});
    QueueEvent({EventKind::CloseWindow, 0, 3, NoEventType});
    std::vector<AppEvent> got = Drain();
    ASSERT_EQ(got.size(), 5u);
    EXPECT_EQ(got[0].type, LeftClick);
    EXPECT_EQ(got[1].type, LeftClick);
    EXPECT_EQ(got[2].type, RightClick);
    EXPECT_EQ(got[3].type, LeftClick);
    EXPECT_EQ(got[4].kind, EventKind::CloseWindow);
    EXPECT_EQ(got[4].window, 3);
}

TEST(EventQueue, GadgetAndMenuNumbersReachTheirFields) {
    ClearEventQueue();
    QueueEvent(Gadget(7, 1, LeftButtonUp));
    QueueEvent({EventKind::Menu, 4, 0, NoEventType});
    std::vector<AppEvent> got = Drain();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].gadget, 7);
    EXPECT_EQ(got[0].window, 1);
    EXPECT_EQ(got[0].type, LeftButtonUp);
    EXPECT_EQ(got[1].menuItem, 4);
    EXPECT_EQ(got[1].gadget, 0);
}

TEST(EventQueue, ClosingDropsTheEventsOfAWindowOrControl) {
    ClearEventQueue();
    QueueEvent(Gadget(5, 1));
    QueueEvent(Tray(0, LeftClick, 0));
    QueueEvent(Gadget(6, 1));
    QueueEvent({EventKind::CloseWindow, 0, 1, NoEventType});
    QueueEvent(Gadget(5, 2));
    DropEventsOfGadget(6);
    EXPECT_EQ(QueuedEventCount(), 4u);
    DropEventsOfWindow(1);
    std::vector<AppEvent> got = Drain();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].kind, EventKind::SysTray);
    EXPECT_EQ(got[1].gadget, 5);
    EXPECT_EQ(got[1].window, 2);
}

TEST(EventQueue, DroppingCanMakeNeighboursOfEqualEventsThatStayTwo) {
    // Collapsing happens only when an event is queued.
    ClearEventQueue();
    QueueEvent(Tray(0, LeftClick));
    QueueEvent(Gadget(9, 4));
    QueueEvent(Tray(0, LeftClick));
    DropEventsOfWindow(4);
    EXPECT_EQ(Drain().size(), 2u);
}
