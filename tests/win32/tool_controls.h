// Helpers for the tests of the Speed, Fonts and Color windows: which windows
// are asked to repaint, and the controls of a window by class and place.
#pragma once
#include "reading_windows.h"

#include <stdlib.h>

inline std::string sent_paints;

inline LRESULT CALLBACK note_sent_paint(int code, WPARAM wparam, LPARAM lparam) {
    const CWPSTRUCT *sent = (const CWPSTRUCT *)lparam;
    if (code == HC_ACTION && sent->message == WM_PAINT)
        sent_paints += (sent_paints.empty() ? "" : " ") + class_of(sent->hwnd);
    return CallNextHookEx(NULL, code, wparam, lparam);
}

// The classes of the windows sent WM_PAINT while action ran, in order.
template <class Action> std::string paints_during(Action action) {
    sent_paints.clear();
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, note_sent_paint, NULL, GetCurrentThreadId());
    action();
    UnhookWindowsHookEx(hook);
    return sent_paints;
}

// The window's child controls of the class, in the order they were made: each
// new window goes to the top of the Z order, where FindWindowEx starts.
inline std::vector<HWND> controls_of(HWND window, const char *class_name) {
    std::vector<HWND> found;
    for (HWND c = NULL; (c = FindWindowExA(window, c, class_name, NULL)) != NULL;)
        found.insert(found.begin(), c);
    return found;
}

// A control's place in its parent's client area, as "x,y wxh".
inline std::string place_of(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(NULL, GetParent(control), (POINT *)&r, 2);
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}
