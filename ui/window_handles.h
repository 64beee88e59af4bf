// The registry of window handles: one handle per window, zero while that
// window does not exist. Windows find each other only through these.
#pragma once
#include <windows.h>

extern HINSTANCE app_instance;

extern HWND frame_window;
extern HWND mdi_client;
extern HWND navigator_window;
extern HWND reader_window;
extern HWND speed_window;
extern HWND fonts_window;
extern HWND color_window;
extern HWND preferences_window;
extern HWND glom_window;
extern HWND about_window;
