// Breaking the Document into the Navigator's lines by pixel width. The width
// of a byte comes from the caller, so the layout needs no device context.
#pragma once
#include <stdint.h>

enum { LINE_TEXT_SIZE = 268 };
// The most lines a page holds.
enum { MOST_PAGE_LINES = 1049 };

typedef int (*byte_width_function)(unsigned char b);

// Lays out the line that starts at start within width pixels, from x twice
// the margin (the width of one blank), and puts its visible bytes into line,
// zero-terminated. Returns how many text bytes it consumes, runs of line
// breaks before and after it included. Bytes below 32 other than breaks are
// consumed unseen.
uint32_t layout_line(byte_width_function byte_width, int width, int margin, uint32_t start,
                     char line[LINE_TEXT_SIZE]);

// The top of the page one line's worth of bytes before anchor, counted by
// width alone (line breaks are not looked at).
uint32_t lines_up(byte_width_function byte_width, int width, int margin, uint32_t anchor);

// The top of a page of `lines` lines that shows the text from anchor: anchor
// itself while the text fills the page; otherwise the top of the text's last
// page, whose last line ends with the text (0 when all of it fits on a page).
uint32_t full_page_top(byte_width_function byte_width, int width, int margin, unsigned lines,
                       uint32_t anchor);
