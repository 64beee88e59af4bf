#include <windows.h>
#include "settings/preferences.h"
#include "app/tool_windows.h"
#include "app/window_classes.h"

int register_preferences_class() {
    return register_tavrin_class("PREFCLASS", plain_tool_window_proc, "PREF", COLOR_WINDOW, "TAV");
}
