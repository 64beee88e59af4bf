#pragma once
#include <windows.h>

int register_frame_class();

// Runs one menu command as the frame's WM_COMMAND does; 0 for an identifier
// that is not one of the frame's commands.
int run_frame_command(HWND frame, int command);

// Opens the file at path, as Open does once its dialog has chosen one, after
// the commands the frame queued at its creation (the About window first);
// path must last until then.
void open_file_when_started(HWND frame, const char *path);
