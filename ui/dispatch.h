// One step of the message loop, shared by the program's loop and by anything
// that pumps the queue while the program runs.
#pragma once
#include <windows.h>

// The frame's shortcuts, then Tab and Enter among a tool window's controls,
// then the MDI keys, then translation and dispatch.
void dispatch_message(MSG *msg);
