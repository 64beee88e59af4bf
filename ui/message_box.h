// The program's message boxes: an OK button, the given owner (none for most)
// and the given caption (none gives Windows' "Error").
#pragma once
#include <windows.h>

void show_message_box(HWND owner, const char *text, const char *caption);
