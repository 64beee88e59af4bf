#include "ui/tool_windows.h"
#include "ui/message_box.h"
#include "ui/window_handles.h"
#include "settings/settings_file.h"
#include "resources/resource.h"

const tool_window_kind tool_window_kinds[TOOL_WINDOW_COUNT] = {
    {CMD_GLOM, "GLOMCLASS", "Glom", &glom_window, &settings.glom_rect},
    {CMD_PREFERENCES, "PREFCLASS", "Preferences", &preferences_window, &settings.preferences_rect},
    {CMD_SPEED, "SPEEDCLASS", "Speed", &speed_window, &settings.speed_rect},
    {CMD_FONTS, "FONTSCLASS", "Fonts", &fonts_window, &settings.fonts_rect},
    {CMD_COLOR, "COLORCLASS", "Color", &color_window, &settings.color_rect},
    {CMD_READER, "DRAWCLASS", "Reader", &reader_window, &settings.reader_rect},
    {CMD_NAVIGATOR, "NAVCLASS", "Navigation", &navigator_window, &settings.navigator_rect},
};

const tool_window_kind *tool_window_for_command(int command) {
    for (int i = 0; i < TOOL_WINDOW_COUNT; i++)
        if (tool_window_kinds[i].command == command)
            return &tool_window_kinds[i];
    return 0;
}

void open_tool_window(const tool_window_kind *kind) {
    if (*kind->handle) {
        SetFocus(*kind->handle);
        return;
    }
    const window_rect *r = kind->rect;
    HWND window;
    if (r->x || r->y || r->width || r->height)
        window = CreateMDIWindowA(kind->class_name, kind->title, 0, r->x, r->y, r->width, r->height,
                                  mdi_client, app_instance, 0);
    else
        window = CreateMDIWindowA(kind->class_name, kind->title, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, mdi_client, app_instance, 0);
    // A window that could not be made leaves its entry at 0: nothing to show.
    *kind->handle = window;
    if (window)
        ShowWindow(window, SW_SHOW);
}

void forget_tool_window(HWND *handle, window_rect *rect) {
    rect->x = rect->y = rect->width = rect->height = 0;
    *handle = 0;
}

LRESULT activate_focusing(HWND window, WPARAM wparam, LPARAM lparam, HWND control) {
    LRESULT result = DefMDIChildProcA(window, WM_MDIACTIVATE, wparam, lparam);
    if ((HWND)lparam == window && control)
        SetFocus(control);
    return result;
}

void record_window_rects() {
    RECT r;
    GetWindowRect(frame_window, &r);
    settings.frame_rect = window_rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    // The MDI client's sunken edge counts too: without it every window would
    // come back that much lower and further right at each start.
    int origin_x =
        settings.frame_rect.x + GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXEDGE);
    int origin_y = settings.frame_rect.y + GetSystemMetrics(SM_CYCAPTION) +
                   GetSystemMetrics(SM_CYMENU) + GetSystemMetrics(SM_CYFRAME) +
                   GetSystemMetrics(SM_CYEDGE);
    for (int i = 0; i < TOOL_WINDOW_COUNT; i++) {
        HWND window = *tool_window_kinds[i].handle;
        if (!window)
            continue;
        GetWindowRect(window, &r);
        int dx = r.left - origin_x, dy = r.top - origin_y;
        *tool_window_kinds[i].rect =
            window_rect{dx > 3 ? dx : 0, dy > 3 ? dy : 0, r.right - r.left, r.bottom - r.top};
    }
}

void clear_window_rects() {
    settings.frame_rect = window_rect{};
    for (int i = 0; i < TOOL_WINDOW_COUNT; i++)
        *tool_window_kinds[i].rect = window_rect{};
}

int save_settings_with_placements() {
    // The placements go with the settings, or none at all.
    if (settings.save_positions)
        record_window_rects();
    else
        clear_window_rects();
    const char *failure = 0;
    if (save_settings(&failure))
        return 1;
    show_message_box(NULL, failure, "Save Preferences Error");
    return 0;
}

LRESULT CALLBACK plain_tool_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        char class_name[32] = "";
        GetClassNameA(window, class_name, sizeof class_name);
        for (int i = 0; i < TOOL_WINDOW_COUNT; i++)
            if (lstrcmpiA(class_name, tool_window_kinds[i].class_name) == 0)
                forget_tool_window(tool_window_kinds[i].handle, tool_window_kinds[i].rect);
        return 0;
    }
    return DefMDIChildProcA(window, message, wparam, lparam);
}
