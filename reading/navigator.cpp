#include <windows.h>
#include "reading/navigator.h"
#include "app/tool_windows.h"
#include "app/window_classes.h"

int register_navigator_class()
{
    return register_tavrin_class("NAVCLASS", plain_tool_window_proc, "NAV", COLOR_WINDOW, "TAV");
}

void reset_navigator_state()
{
}
