// Start-up of the program and its message loop.
#pragma once
#include <windows.h>

// Gives the shared state its starting values: the settings (from the file or
// the defaults), the reader font, the byte sets, the welcome text and the
// start directory.
void init_shared_state(HINSTANCE instance);

// Creates, shows and paints the frame window at its saved or default place.
HWND create_frame_window(int show);

// One step of the message loop: MDI keys, then translation and dispatch.
void dispatch_message(MSG *msg);

// Runs the message loop until WM_QUIT; returns its code.
int run_message_loop();

int tavrin_main(HINSTANCE instance, int show);
