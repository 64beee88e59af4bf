#include <windows.h>
#include "glom/glom.h"
#include "app/tool_windows.h"
#include "app/window_classes.h"

int register_glom_class() {
    return register_tavrin_class("GLOMCLASS", plain_tool_window_proc, "GLOM", COLOR_WINDOW, "TAV");
}
