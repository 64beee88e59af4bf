#include "ui/window_classes.h"
#include "ui/window_handles.h"
#include "ui/version.h"

int register_tavrin_class(const char *class_name, WNDPROC procedure, const char *icon_name,
                          int background_colour, const char *menu_name) {
    HICON icon = LoadIconA(app_instance, icon_name);
    HCURSOR cursor = LoadCursorA(NULL, IDC_ARROW);
    HBRUSH brush = (HBRUSH)(INT_PTR)(background_colour + 1);
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = procedure;
    wc.hInstance = app_instance;
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = brush;
    wc.lpszMenuName = menu_name;
    wc.lpszClassName = class_name;
    if (uses_95_shell_calls()) {
        wc.hIconSm = (HICON)LoadImageA(app_instance, class_name, IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR);
        return RegisterClassExA(&wc) != 0;
    }
    WNDCLASSA older = {wc.style,        wc.lpfnWndProc,  wc.cbClsExtra, wc.cbWndExtra,
                       wc.hInstance,    wc.hIcon,        wc.hCursor,    wc.hbrBackground,
                       wc.lpszMenuName, wc.lpszClassName};
    return RegisterClassA(&older) != 0;
}
