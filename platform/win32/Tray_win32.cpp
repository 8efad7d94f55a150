// The notification-area icon and the pop-up menu.
#include "Win32Internal.h"

void AddTrayIcon(int number, SystemHandle owner, SystemHandle icon) {
    (void)number, (void)owner, (void)icon;
}
int SetTrayIconToolTip(int number, const char* text) {
    (void)number, (void)text;
    return 0;
}
int RemoveTrayIcon(int number) {
    (void)number;
    return 0;
}
void RemoveAllTrayIcons() {}
SystemHandle CreateContextMenu(int number) {
    (void)number;
    return nullptr;
}
void AddContextMenuItem(int identifier, const char* text) { (void)identifier, (void)text; }
void DisplayContextMenu(int number, SystemHandle owner) { (void)number, (void)owner; }

