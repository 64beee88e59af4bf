// The Reader window ("DRAWCLASS"): the Document one word at a time.
#pragma once
#include <windows.h>

int register_reader_class();

// 1 while the Reader holds the 1 ms system timer resolution it asks for
// whenever it runs.
int reader_holds_fine_timer();

// The font the Reader draws its words in, made from the Settings' face and
// fixed parameters.
extern HFONT reader_font;

// A font of the Settings' face and fixed parameters at the given height.
HFONT create_reader_font(int height);

// Makes font the reader font and deletes the one it replaces (the Reader
// selects it only while drawing, so nothing holds it then). 0 just releases it.
void replace_reader_font(HFONT font);
