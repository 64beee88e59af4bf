// The Glom window: the source list, "Glom" to capture the chosen program's
// text and "Refresh" to list the running programs again.
#include <windows.h>
#include "glom/glom.h"
#include "glom/glom_capture.h"
#include "glom/glom_sources.h"
#include "ui/message_box.h"
#include "ui/tool_windows.h"
#include "ui/window_classes.h"
#include "ui/window_handles.h"
#include "settings/settings.h"

#include <string.h>

// The list keeps the sort style but entries are inserted at the end, so they
// stand in the order in which the system lists the windows.
static const DWORD list_style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_STANDARD;
static const DWORD glom_button_style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
static const DWORD refresh_button_style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

static const int control_ids[GLOM_CONTROL_COUNT] = {GLOM_LIST_ID, GLOM_BUTTON_ID, GLOM_REFRESH_ID};

static BOOL CALLBACK add_glom_source(HWND window, LPARAM list) {
    char title[GLOM_TITLE_SIZE] = "";
    char entry[GLOM_TITLE_SIZE];
    GetWindowTextA(window, title, GLOM_TITLE_READ);
    glom_title_kind kind = glom_entry_for_title(title, entry);
    if (kind == TITLE_NAMED || (kind == TITLE_NEEDS_MENU && offers_select_copy(window)))
        SendMessageA((HWND)list, LB_INSERTSTRING, (WPARAM)-1, (LPARAM)entry);
    return TRUE;
}

static void fill_source_list(HWND list) {
    EnumWindows(add_glom_source, (LPARAM)list);
}

static void client_places(HWND window, int at_creation, control_place places[GLOM_CONTROL_COUNT]) {
    RECT client;
    GetClientRect(window, &client);
    glom_control_places(client.right, client.bottom, at_creation, places);
}

static HWND create_control(HWND window, const char *class_name, const char *text, DWORD style,
                           int index, const control_place places[GLOM_CONTROL_COUNT]) {
    const control_place &p = places[index];
    return CreateWindowExA(0, class_name, text, style, p.x, p.y, p.width, p.height, window,
                           (HMENU)(INT_PTR)control_ids[index], app_instance, NULL);
}

static void layout_glom_controls(HWND window) {
    control_place places[GLOM_CONTROL_COUNT];
    client_places(window, 0, places);
    for (int i = 0; i < GLOM_CONTROL_COUNT; i++)
        SetWindowPos(GetDlgItem(window, control_ids[i]), 0, places[i].x, places[i].y,
                     places[i].width, places[i].height, SWP_SHOWWINDOW);
}

static LRESULT on_create(HWND window) {
    control_place places[GLOM_CONTROL_COUNT];
    client_places(window, 1, places);
    HWND list = create_control(window, "LISTBOX", "", list_style, GLOM_SOURCE_LIST, places);
    fill_source_list(list);
    create_control(window, "BUTTON", "Glom", glom_button_style, GLOM_BUTTON, places);
    create_control(window, "BUTTON", "Refresh", refresh_button_style, GLOM_REFRESH_BUTTON, places);
    SetFocus(list);
    return 0;
}

static LRESULT on_size(HWND window, WPARAM wparam, LPARAM lparam) {
    layout_glom_controls(window);
    // The MDI client needs it too, to keep a maximized child's menu right.
    return DefMDIChildProcA(window, WM_SIZE, wparam, lparam);
}

static LRESULT on_paint(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    return 0;
}

static void choose_source(HWND list) {
    memset(glom_name, 0, sizeof glom_name);
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index != LB_ERR && SendMessageA(list, LB_GETTEXTLEN, index, 0) < GLOM_NAME_SIZE)
        SendMessageA(list, LB_GETTEXT, index, (LPARAM)glom_name);
}

static void glom_chosen_source() {
    if (!glom_capture()) {
        show_message_box(NULL, "Problem with clipboard", "Glom error");
        return;
    }
    char caption[GLOM_NAME_SIZE + 24];
    wsprintfA(caption, "Tavrin - Glom [ %s ]", glom_name);
    SetWindowTextA(frame_window, caption);
}

static void refresh_source_list(HWND window) {
    HWND list = GetDlgItem(window, GLOM_LIST_ID);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    fill_source_list(list);
    empty_clipboard(window);
}

static LRESULT on_command(HWND window, WPARAM wparam, LPARAM lparam) {
    int notification = HIWORD(wparam);
    switch (LOWORD(wparam)) {
    case GLOM_LIST_ID:
        if (notification == LBN_SELCHANGE)
            choose_source((HWND)lparam);
        break;
    case GLOM_BUTTON_ID:
        if (notification == BN_CLICKED)
            glom_chosen_source();
        break;
    case GLOM_REFRESH_ID:
        if (notification == BN_CLICKED)
            refresh_source_list(window);
        break;
    }
    return 0;
}

static LRESULT on_destroy() {
    forget_tool_window(&glom_window, &settings.glom_rect);
    return 0;
}

static LRESULT CALLBACK glom_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE: return on_create(window);
    case WM_SIZE: return on_size(window, wparam, lparam);
    case WM_PAINT: return on_paint(window);
    case WM_COMMAND: return on_command(window, wparam, lparam);
    case WM_MDIACTIVATE:
        return activate_focusing(window, wparam, lparam, GetDlgItem(window, GLOM_LIST_ID));
    case WM_TIMER: return 0;
    case WM_DESTROY: return on_destroy();
    }
    return DefMDIChildProcA(window, message, wparam, lparam);
}

int register_glom_class() {
    return register_tavrin_class("GLOMCLASS", glom_window_proc, "GLOM", COLOR_WINDOW, "TAV");
}
