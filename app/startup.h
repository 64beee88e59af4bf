// Start-up of the program and its message loop.
#pragma once
#include <windows.h>

// Gives the shared state its starting values: the settings (from the file or
// the defaults), the reader font, the byte sets, the welcome text and the
// start directory.
void init_shared_state(HINSTANCE instance);

// Creates, shows and paints the frame window at its saved or default place.
HWND create_frame_window(int show);

// Runs the message loop until WM_QUIT; returns its code.
int run_message_loop();

// Registers the nine window classes in their fixed order; 0 when any fails.
int register_window_classes();

// The program: start-up, then a file named on the command line opened once
// the frame has greeted, then the message loop.
int tavrin_main(HINSTANCE instance, const char *command_line, int show);
