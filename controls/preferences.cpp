// The Preferences window ("PREFCLASS"): the switches that belong to no other
// tool window, and saving the settings on demand.
#include <windows.h>
#include <stdio.h>
#include "controls/preferences.h"
#include "controls/preferences_form.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "controls/child_controls.h"
#include "ui/tool_windows.h"
#include "ui/window_classes.h"
#include "ui/window_handles.h"
#include "reading/drawing.h"
#include "reading/reader_state.h"

// More than the field shows or is ever read; an edit without a limit takes
// seconds to minutes over a long paste on some systems.
enum { DELAY_TEXT_LIMIT = PREF_DELAY_TEXT_SIZE - 1 };

// The control that had the keyboard focus when the window was last left; it
// gets it back when the window is active again.
static HWND focused_control;

static void layout_preferences_controls(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    for (int i = 0; i < PREF_CONTROL_COUNT; i++) {
        const preferences_control *c = &preferences_controls[i];
        control_place p = place_preferences_control(c, client.right, client.bottom);
        place_child_control(GetDlgItem(window, c->id), p);
    }
}

// The window alone sets the boxes: they are plain check boxes.
static void show_switch(HWND window, int id, int32_t on) {
    CheckDlgButton(window, id, on ? BST_CHECKED : BST_UNCHECKED);
}

static void toggle_switch(HWND window, int id, int32_t *field) {
    *field = *field ? 0 : 1;
    show_switch(window, id, *field);
}

static void toggle_punctuation(HWND window) {
    if (settings.react_to_punctuation) {
        settings.react_to_punctuation = 0;
        settings.extra_delay = 0;
    } else {
        settings.react_to_punctuation = 1;
        HWND edit = GetDlgItem(window, PREF_DELAY_EDIT);
        SendMessageA(edit, EM_SETSEL, 0, 10);
        char text[PREF_DELAY_TEXT_SIZE] = "";
        SendMessageA(edit, WM_GETTEXT, sizeof text, (LPARAM)text);
        settings.extra_delay = read_extra_delay(text);
    }
    show_switch(window, PREF_REACT, settings.react_to_punctuation);
    pause_ticks = 0;
}

static void set_initial_states(HWND window) {
    if (settings.save_on_exit)
        show_switch(window, PREF_SAVE_ON_EXIT, 1);
    if (settings.save_positions)
        show_switch(window, PREF_SAVE_POSITIONS, 1);
    if (settings.react_to_punctuation) {
        char number[16];
        snprintf(number, sizeof number, "%d", (int)settings.extra_delay);
        SetDlgItemTextA(window, PREF_DELAY_EDIT, number);
        show_switch(window, PREF_REACT, 1);
    }
    if (settings.html_as_text)
        show_switch(window, PREF_HTML_AS_TEXT, 1);
}

static LRESULT on_create(HWND window) {
    preferences_window = window;
    RECT client;
    GetClientRect(window, &client);
    for (int i = 0; i < PREF_CONTROL_COUNT; i++) {
        const preferences_control *c = &preferences_controls[i];
        create_child_control(window, c->class_name, c->text, c->style,
                             place_preferences_control(c, client.right, client.bottom), c->id);
    }
    SendDlgItemMessageA(window, PREF_DELAY_EDIT, EM_LIMITTEXT, DELAY_TEXT_LIMIT, 0);
    set_initial_states(window);
    focused_control = GetDlgItem(window, PREF_SAVE_NOW);
    return 0;
}

static LRESULT on_size(HWND window, WPARAM wparam, LPARAM lparam) {
    layout_preferences_controls(window);
    // The MDI client needs it too, to keep a maximized child's menu right.
    return DefMDIChildProcA(window, WM_SIZE, wparam, lparam);
}

static LRESULT on_paint(HWND window) {
    validate_window(window);
    return 0;
}

static LRESULT on_command(HWND window, WPARAM wparam) {
    if (HIWORD(wparam) != BN_CLICKED)
        return 0;
    switch (LOWORD(wparam)) {
    case PREF_SAVE_NOW: save_settings_with_placements(); break;
    case PREF_SAVE_POSITIONS:
        toggle_switch(window, PREF_SAVE_POSITIONS, &settings.save_positions);
        break;
    case PREF_SAVE_ON_EXIT: toggle_switch(window, PREF_SAVE_ON_EXIT, &settings.save_on_exit); break;
    case PREF_REACT: toggle_punctuation(window); break;
    case PREF_HTML_AS_TEXT: toggle_switch(window, PREF_HTML_AS_TEXT, &settings.html_as_text); break;
    }
    return 0;
}

// An MDI child keeps the focus itself when it is activated, which leaves
// every control deaf to the keyboard until clicked: hand the focus on.
static LRESULT on_set_focus(HWND window, WPARAM wparam, LPARAM lparam) {
    LRESULT result = DefMDIChildProcA(window, WM_SETFOCUS, wparam, lparam);
    if (focused_control && GetFocus() == window)
        SetFocus(focused_control);
    return result;
}

static LRESULT on_mdi_activate(HWND window, WPARAM wparam, LPARAM lparam) {
    HWND focus = GetFocus();
    if ((HWND)wparam == window && focus && IsChild(window, focus))
        focused_control = focus;
    return DefMDIChildProcA(window, WM_MDIACTIVATE, wparam, lparam);
}

static LRESULT on_destroy() {
    focused_control = 0;
    forget_tool_window(&preferences_window, &settings.preferences_rect);
    return 0;
}

static LRESULT CALLBACK preferences_window_proc(HWND window, UINT message, WPARAM wparam,
                                                LPARAM lparam) {
    switch (message) {
    case WM_CREATE: return on_create(window);
    case WM_SIZE: return on_size(window, wparam, lparam);
    case WM_PAINT: return on_paint(window);
    case WM_COMMAND: return on_command(window, wparam);
    case WM_TIMER: return 0;
    case WM_SETFOCUS: return on_set_focus(window, wparam, lparam);
    case WM_MDIACTIVATE: return on_mdi_activate(window, wparam, lparam);
    case WM_DESTROY: return on_destroy();
    }
    return DefMDIChildProcA(window, message, wparam, lparam);
}

int register_preferences_class() {
    return register_tavrin_class("PREFCLASS", preferences_window_proc, "PREF", COLOR_WINDOW, "TAV");
}
