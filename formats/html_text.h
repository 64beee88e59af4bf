// Removing the mark-up of an HTML page while keeping every byte at its
// offset: a dropped byte becomes a zero byte, which the Reader skips and the
// Navigator breaks lines at.
#pragma once
#include <stdint.h>

struct html_text_state {
    int copying; // 0 inside mark-up, 1 outside; 0 at the start of a page
};

void begin_html_text(html_text_state *state);

// Converts the next count bytes of the page into out. Everything from a '<'
// up to and including the next '>' is dropped, and so is everything before the
// page's first '>'; entities and all other bytes stay as written. in and out
// may be the same buffer.
void strip_html_block(html_text_state *state, const unsigned char *in, unsigned char *out,
                      uint32_t count);
