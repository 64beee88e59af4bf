#include <windows.h>
#include "controls/fonts.h"
#include "app/tool_windows.h"
#include "app/window_classes.h"

int register_fonts_class() {
    return register_tavrin_class("FONTSCLASS", plain_tool_window_proc, "FONTS", COLOR_WINDOW,
                                 "TAV");
}
