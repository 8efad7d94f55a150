// Numbered objects (windows, controls, menus, tray icons) live in maps keyed
// by number. Automatic numbers are the lowest free number from 2 upwards,
// so they are never 0 or 1 and come back once their object is closed.
#pragma once

#include <map>

template <typename T>
int LowestFreeNumber(const std::map<int, T>& open) {
    int candidate = 2;
    for (auto it = open.lower_bound(2); it != open.end() && it->first == candidate; ++it) ++candidate;
    return candidate;
}

template <typename T>
T* FindNumbered(std::map<int, T>& open, int number) {
    auto it = open.find(number);
    return it == open.end() ? nullptr : &it->second;
}
