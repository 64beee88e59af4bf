#include "ui/window_handles.h"

HINSTANCE app_instance;
HWND frame_window, mdi_client, navigator_window, reader_window, speed_window, fonts_window,
    color_window, preferences_window, glom_window, about_window;
