#include "formats/html_text.h"

#include <string.h>

// Pages switch between text and mark-up every few bytes: too often for a
// search for the next '<' or '>' to pay, and a byte loop waits on copying at
// every byte. So four bytes are taken at once: which of them are '<' and
// which '>', with copying before them, pick from a table the bytes that stay
// and copying after them. Byte j's '>' and '<' bits sit j places up.
struct html_word_table {
    uint32_t kept[512];
    unsigned char copying_after[512];
    unsigned char switches[256]; // where '>' and '<' go in the index
};

static uint32_t table_index(uint32_t copying, uint32_t closes, uint32_t opens) {
    return copying | closes << 1 | opens << 5;
}

static html_word_table make_html_word_table() {
    html_word_table table;
    for (uint32_t copying_before = 0; copying_before < 2; copying_before++)
        for (uint32_t closes = 0; closes < 16; closes++)
            for (uint32_t opens = 0; opens < 16; opens++) {
                uint32_t copying = copying_before, kept = 0;
                for (int j = 0; j < 4; j++) {
                    if (opens >> j & 1)
                        copying = 0;
                    else if (closes >> j & 1)
                        copying = 1;
                    else if (copying)
                        kept |= 0xFFu << (8 * j);
                }
                uint32_t i = table_index(copying_before, closes, opens);
                table.kept[i] = kept;
                table.copying_after[i] = (unsigned char)copying;
            }
    memset(table.switches, 0, sizeof table.switches);
    table.switches[(unsigned char)'>'] = (unsigned char)table_index(0, 1, 0);
    table.switches[(unsigned char)'<'] = (unsigned char)table_index(0, 0, 1);
    return table;
}

static const html_word_table html_words = make_html_word_table();

void begin_html_text(html_text_state *state) {
    state->copying = 0;
}

void strip_html_block(html_text_state *state, const unsigned char *in, unsigned char *out,
                      uint32_t count) {
    uint32_t copying = state->copying;
    uint32_t i = 0;
    for (; count - i >= 4; i += 4) {
        uint32_t word;
        memcpy(&word, in + i, 4);
        uint32_t t = copying | html_words.switches[in[i]] | html_words.switches[in[i + 1]] << 1 |
                     html_words.switches[in[i + 2]] << 2 | html_words.switches[in[i + 3]] << 3;
        word &= html_words.kept[t];
        copying = html_words.copying_after[t];
        memcpy(out + i, &word, 4);
    }
    for (; i < count; i++) {
        unsigned char b = in[i];
        if (b == '<' || b == '>')
            copying = b == '>';
        out[i] = copying && b != '>' ? b : 0;
    }
    state->copying = (int)copying;
}
