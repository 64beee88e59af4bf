#include "document/html_text.h"

#include <string.h>

void begin_html_text(html_text_state *state) {
    state->copying = 0;
}

static uint32_t offset_of(const unsigned char *bytes, uint32_t from, uint32_t end, int byte) {
    const void *found = memchr(bytes + from, byte, end - from);
    return found ? (uint32_t)((const unsigned char *)found - bytes) : end;
}

// Copies the text run [from, end), which holds no '<', dropping each stray
// '>' in it.
static void copy_text_run(const unsigned char *in, unsigned char *out, uint32_t from,
                          uint32_t end) {
    while (from < end) {
        uint32_t close = offset_of(in, from, end, '>');
        if (in != out)
            memcpy(out + from, in + from, close - from);
        if (close == end)
            return;
        out[close] = 0;
        from = close + 1;
    }
}

void strip_html_block(html_text_state *state, const unsigned char *in, unsigned char *out,
                      uint32_t count) {
    // Each byte is scanned at most twice, whatever the mix of '<' and '>'.
    uint32_t i = 0;
    while (i < count) {
        if (state->copying) {
            uint32_t open = offset_of(in, i, count, '<');
            copy_text_run(in, out, i, open);
            if (open == count)
                return;
            out[open] = 0;
            state->copying = 0;
            i = open + 1;
        } else {
            uint32_t close = offset_of(in, i, count, '>');
            uint32_t dropped_end = close < count ? close + 1 : count;
            memset(out + i, 0, dropped_end - i);
            if (close == count)
                return;
            state->copying = 1;
            i = dropped_end;
        }
    }
}
