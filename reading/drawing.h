// What the Reader and the Navigator share when they draw.
#pragma once
#include <windows.h>

// The Settings' text and background colours, from the low 8 bits of each field.
COLORREF settings_text_colour();
COLORREF settings_back_colour();

// Text colour on background colour, or the other way round for a mark.
void use_settings_colours(HDC dc, int inverted);

// Both windows draw through their own device context and are also asked to
// by sent or posted WM_PAINT messages: validate the window, draw after.
void validate_window(HWND window);
