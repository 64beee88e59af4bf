// The controls of the Fonts and Color windows: made and moved alike.
#pragma once
#include <windows.h>
#include "controls/bar_steps.h"

// A visible tab-stop child control of the window, with extended style 0.
HWND create_child_control(HWND window, const char *class_name, const char *title, DWORD style,
                          control_place place, int id);

// Moves the control to its place, on top of its siblings, and shows it.
void place_child_control(HWND control, control_place place);
