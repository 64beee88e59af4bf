// The Navigator window ("NAVCLASS"): the Document as a page of wrapped
// lines from anchor_pos, with one word marked in inverted colours.
#pragma once
#include <stdint.h>
#include "reading/line_layout.h"

enum { LINE_STARTS_SIZE = 1050, HIGHLIGHT_WORD_SIZE = 392 };

// Exported for the tests and benchmarks alone, which compare the page laid
// out with the text's bytes (another window sees only its pixels).

// Metrics of the system font and the client area, kept from creation and
// every resize larger than 32 by 32 pixels.
extern int line_height;
extern int chars_per_line;
extern unsigned lines_per_page;

// Entry 0: where the last page started; entry i: where its line i starts.
extern uint32_t line_starts[LINE_STARTS_SIZE];

int register_navigator_class();

// Start-up values of the Navigator's state (no scroll range, no target line).
void reset_navigator_state();

// Posts WM_PAINT to the Navigator when it is open: the text or the reading
// position changed.
void ask_navigator_to_redraw();
