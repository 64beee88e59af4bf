#include <windows.h>
#include "controls/speed.h"
#include "app/tool_windows.h"
#include "app/window_classes.h"

int register_speed_class() {
    return register_tavrin_class("SPEEDCLASS", plain_tool_window_proc, "SPEED", COLOR_WINDOW,
                                 "TAV");
}
