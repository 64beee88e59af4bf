// The Navigator window ("NAVCLASS"): the Document as a page of wrapped
// lines from anchor_pos, with one word marked in inverted colours.
#pragma once
#include <stdint.h>

enum { LINE_STARTS_SIZE = 1050, HIGHLIGHT_WORD_SIZE = 392 };

// Metrics of the system font and the client area, kept from creation and
// every resize larger than 32 by 32 pixels.
extern int line_height;
extern int chars_per_line;
extern unsigned lines_per_page;
extern unsigned scroll_max;

// Entry 0: where the last page started; entry i: where its line i starts.
// Only lines_laid_out lines were laid out (at most LINE_STARTS_SIZE - 1).
extern uint32_t line_starts[LINE_STARTS_SIZE];
extern unsigned lines_laid_out;

// -2: nothing to mark after a paint; -1: looking for the line that holds
// read_pos; 0 or more: the line whose word is to be marked.
extern int target_line;

extern char highlight_word[HIGHLIGHT_WORD_SIZE];
extern int highlight_pos, highlight_line, highlight_x, highlight_y, highlight_shown;

int register_navigator_class();

// Start-up values of the Navigator's state (no scroll range, no target line).
void reset_navigator_state();

// Posts WM_PAINT to the Navigator when it is open: the text or the reading
// position changed.
void ask_navigator_to_redraw();

// A new text is in the Document: an open Navigator takes its scroll range,
// with the thumb at the top, and redraws from its first byte.
void navigator_take_new_text();
