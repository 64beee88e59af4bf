#include "ui/dispatch.h"
#include "ui/window_handles.h"

// The shortcuts of the frame's commands: all of them, or, while an edit box
// has the keyboard, those that leave the box its own paste keys.
static HACCEL shortcuts(HWND focus) {
    static HACCEL all, editing;
    if (!all) {
        all = LoadAcceleratorsA(app_instance, "TAV");
        editing = LoadAcceleratorsA(app_instance, "TAV_EDITING");
    }
    return SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL ? editing : all;
}

static int translate_shortcut(MSG *msg) {
    if (!frame_window || msg->message != WM_KEYDOWN)
        return 0;
    HACCEL table = shortcuts(msg->hwnd);
    return table && TranslateAcceleratorA(frame_window, table, msg);
}

// The tool window whose control (or which itself) has the keyboard, or 0.
static HWND tool_window_of(HWND focus) {
    if (!mdi_client || !focus)
        return 0;
    HWND parent = GetParent(focus);
    if (parent == mdi_client)
        return focus;
    return parent && GetParent(parent) == mdi_client ? parent : 0;
}

static int is_tab_stop(HWND control) {
    LONG style = GetWindowLongA(control, GWL_STYLE);
    return (style & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE) &&
           !(SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_STATIC);
}

enum { MOST_CONTROLS = 16 };

// Tab and Shift+Tab go round the tool window's controls in their order, as in
// a dialog; from the window itself, to its first or last control. A window
// without controls keeps the key. Each window lays its controls out in their
// order, each put on top of those before it: the order runs up the Z order.
static int move_focus_by_tab(const MSG *msg) {
    HWND window = tool_window_of(msg->hwnd);
    if (!window || (SendMessageA(msg->hwnd, WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB))
        return 0;
    HWND stops[MOST_CONTROLS];
    int count = 0, at = -1;
    HWND first = GetWindow(window, GW_CHILD);
    for (HWND c = first ? GetWindow(first, GW_HWNDLAST) : 0; c && count < MOST_CONTROLS;
         c = GetWindow(c, GW_HWNDPREV))
        if (is_tab_stop(c)) {
            if (c == msg->hwnd)
                at = count;
            stops[count++] = c;
        }
    if (count == 0)
        return 0;
    int back = GetKeyState(VK_SHIFT) < 0;
    int next = at < 0 ? (back ? count - 1 : 0) : (at + (back ? count - 1 : 1)) % count;
    SetFocus(stops[next]);
    return 1;
}

// Enter presses a tool window's focused button or switch, as Space does.
static int press_focused_button(const MSG *msg) {
    HWND window = tool_window_of(msg->hwnd);
    if (!window || window == msg->hwnd ||
        !(SendMessageA(msg->hwnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
        return 0;
    SendMessageA(msg->hwnd, BM_CLICK, 0, 0);
    return 1;
}

static int is_key(const MSG *msg, WPARAM key) {
    return msg->message == WM_KEYDOWN && msg->wParam == key;
}

void dispatch_message(MSG *msg) {
    if (translate_shortcut(msg))
        return;
    if (is_key(msg, VK_TAB) && move_focus_by_tab(msg))
        return;
    if (is_key(msg, VK_RETURN) && press_focused_button(msg))
        return;
    if (mdi_client && TranslateMDISysAccel(mdi_client, msg))
        return;
    TranslateMessage(msg);
    DispatchMessageA(msg);
}
