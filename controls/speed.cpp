// The Speed window ("SPEEDCLASS"): the reading rate, set with one scroll bar
// and shown as a number in a framed box in the reader's colours.
#include <windows.h>
#include <stdio.h>
#include "controls/speed.h"
#include "controls/rate_bar.h"
#include "controls/child_controls.h"
#include "ui/tool_windows.h"
#include "ui/window_classes.h"
#include "ui/window_handles.h"
#include "reading/drawing.h"
#include "resources/resource.h"
#include "settings/settings.h"

enum { RATE_BAR_ID = 1020 };

static HWND rate_bar;
static speed_layout layout;

static void layout_speed_controls(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    layout = layout_speed(client.right, client.bottom);
}

// Drawn through GetDC so that a WM_PAINT sent by another window shows,
// although nothing was invalidated.
static void draw_rate(HWND window) {
    HDC dc = GetDC(window);
    if (!dc)
        return;
    RECT box = {layout.box.left, layout.box.top, layout.box.right, layout.box.bottom};
    Rectangle(dc, box.left - 2, box.top - 2, box.right + 2, box.bottom + 2);
    // One brush per drawing, released at once: a brush kept per step would
    // use up the process's GDI objects while the thumb is dragged.
    HBRUSH brush = CreateSolidBrush(settings_back_colour());
    FillRect(dc, &box, brush);
    DeleteObject(brush);
    use_settings_colours(dc, 0);
    char number[16];
    snprintf(number, sizeof number, "%d", (int)settings.words_per_minute);
    DrawTextA(dc, number, -1, &box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    ReleaseDC(window, dc);
}

// Every handled code moves the thumb, redraws and tells an open Reader, even
// when the rate stayed as it was.
static void apply_rate_code(HWND window, int code, unsigned thumb_position) {
    bar_step step = step_rate(settings.words_per_minute, code, thumb_position);
    if (!step.acted)
        return;
    settings.words_per_minute = step.value;
    SetScrollPos(rate_bar, SB_CTL, step.thumb, TRUE);
    draw_rate(window);
    if (reader_window)
        PostMessageA(reader_window, WM_COMMAND, CMD_GLOM, 0);
}

static LRESULT on_create(HWND window) {
    speed_window = window;
    layout_speed_controls(window);
    rate_bar = create_child_control(window, "SCROLLBAR", NULL, SBS_HORZ, layout.bar, RATE_BAR_ID);
    SetScrollRange(rate_bar, SB_CTL, RATE_BAR_MIN, RATE_BAR_MAX, TRUE);
    SetScrollPos(rate_bar, SB_CTL, settings.words_per_minute, TRUE);
    return 0;
}

static LRESULT on_size(HWND window, WPARAM wparam, LPARAM lparam) {
    layout_speed_controls(window);
    place_child_control(rate_bar, layout.bar);
    SetScrollPos(rate_bar, SB_CTL, settings.words_per_minute, TRUE);
    // The MDI client needs it too, to keep a maximized child's menu right.
    return DefMDIChildProcA(window, WM_SIZE, wparam, lparam);
}

static LRESULT on_paint(HWND window) {
    validate_window(window);
    draw_rate(window);
    return 0;
}

// Left and Right are page steps, like Page Up and Page Down; Up lowers the rate.
static LRESULT on_keydown(HWND window, WPARAM key) {
    int code;
    switch (key) {
    case VK_PRIOR:
    case VK_LEFT: code = SB_PAGEUP; break;
    case VK_NEXT:
    case VK_RIGHT: code = SB_PAGEDOWN; break;
    case VK_END: code = SB_BOTTOM; break;
    case VK_HOME: code = SB_TOP; break;
    case VK_UP: code = SB_LINEUP; break;
    case VK_DOWN: code = SB_LINEDOWN; break;
    default: return 0;
    }
    SendMessageA(window, WM_HSCROLL, code, 0);
    return 0;
}

static LRESULT on_scroll(HWND window, WPARAM wparam) {
    apply_rate_code(window, LOWORD(wparam), HIWORD(wparam));
    return 0;
}

static LRESULT on_destroy() {
    rate_bar = 0;
    forget_tool_window(&speed_window, &settings.speed_rect);
    return 0;
}

static LRESULT CALLBACK speed_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE: return on_create(window);
    case WM_SIZE: return on_size(window, wparam, lparam);
    case WM_PAINT: return on_paint(window);
    case WM_KEYDOWN: return on_keydown(window, wparam);
    case WM_HSCROLL:
    case WM_COMMAND: return on_scroll(window, wparam);
    case WM_TIMER: return 0;
    case WM_DESTROY: return on_destroy();
    }
    return DefMDIChildProcA(window, message, wparam, lparam);
}

int register_speed_class() {
    return register_tavrin_class("SPEEDCLASS", speed_window_proc, "SPEED", COLOR_WINDOW, "TAV");
}
