// Helpers for the tests of the Fonts and Color windows: which windows are
// asked to repaint, and the controls of a window by class.
#pragma once
#include "reading_windows.h"

#include "settings/settings.h"

#include <algorithm>
#include <stdlib.h>

inline std::string &sent_paints() {
    static std::string classes;
    return classes;
}

inline LRESULT CALLBACK note_sent_paint(int code, WPARAM wparam, LPARAM lparam) {
    const CWPSTRUCT *sent = (const CWPSTRUCT *)lparam;
    if (code == HC_ACTION && sent->message == WM_PAINT)
        sent_paints() += (sent_paints().empty() ? "" : " ") + class_of(sent->hwnd);
    return CallNextHookEx(NULL, code, wparam, lparam);
}

// The classes of the windows sent WM_PAINT while action ran, in order.
template <class Action> std::string paints_during(Action action) {
    sent_paints().clear();
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, note_sent_paint, NULL, GetCurrentThreadId());
    action();
    UnhookWindowsHookEx(hook);
    return sent_paints();
}

// The window's child controls of the class, left to right.
inline std::vector<HWND> controls_of(HWND window, const std::string &class_name) {
    std::vector<HWND> found;
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (lstrcmpiA(class_of(c).c_str(), class_name.c_str()) == 0)
            found.push_back(c);
    auto left = [](HWND c) {
        RECT r;
        GetWindowRect(c, &r);
        return r.left;
    };
    std::sort(found.begin(), found.end(), [&](HWND a, HWND b) { return left(a) < left(b); });
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

// Closes the tool window as its close box does, its saved rectangle made
// non-zero first; returns that rectangle as "x y width height" afterwards.
inline std::string rect_after_closing(HWND window, window_rect *rect) {
    *rect = {5, 6, 7, 8};
    SendMessageA(mdi_client, WM_MDIDESTROY, (WPARAM)window, 0);
    return std::to_string(rect->x) + " " + std::to_string(rect->y) + " " +
           std::to_string(rect->width) + " " + std::to_string(rect->height);
}
