#include "app/window_classes.h"
#include "app/window_handles.h"
#include "app/version.h"
#include "app/frame.h"
#include "app/about.h"
#include "reading/navigator.h"
#include "reading/reader.h"
#include "controls/fonts.h"
#include "controls/speed.h"
#include "settings/preferences.h"
#include "controls/color.h"
#include "glom/glom.h"

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

int register_window_classes() {
    return register_frame_class() && register_navigator_class() && register_reader_class() &&
           register_fonts_class() && register_speed_class() && register_preferences_class() &&
           register_color_class() && register_glom_class() && register_about_class();
}
