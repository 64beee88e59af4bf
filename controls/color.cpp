#include <windows.h>
#include "controls/color.h"
#include "app/tool_windows.h"
#include "app/window_classes.h"

int register_color_class() {
    return register_tavrin_class("COLORCLASS", plain_tool_window_proc, "COLOR", COLOR_WINDOW,
                                 "TAV");
}
