#include "controls/child_controls.h"
#include "ui/window_handles.h"

HWND create_child_control(HWND window, const char *class_name, const char *title, DWORD style,
                          control_place place, int id) {
    return CreateWindowExA(0, class_name, title, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                           place.x, place.y, place.width, place.height, window, (HMENU)(INT_PTR)id,
                           app_instance, NULL);
}

void place_child_control(HWND control, control_place place) {
    SetWindowPos(control, HWND_TOP, place.x, place.y, place.width, place.height, SWP_SHOWWINDOW);
}
