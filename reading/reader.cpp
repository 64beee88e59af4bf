#include <windows.h>
#include "reading/reader.h"
#include "app/tool_windows.h"
#include "app/window_classes.h"

int register_reader_class()
{
    return register_tavrin_class("DRAWCLASS", plain_tool_window_proc, "DRAW", COLOR_WINDOW, "TAV");
}
