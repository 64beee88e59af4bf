#pragma once
#include <windows.h>

int register_frame_class();

// Runs one menu command as the frame's WM_COMMAND does; 0 for an identifier
// that is not one of the frame's commands.
int run_frame_command(HWND frame, int command);
