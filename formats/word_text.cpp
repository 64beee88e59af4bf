#include "formats/word_text.h"

#include <string.h>

const char word_error_text[] = "Error loading MS Word DOC file has occurred.";

enum { MARKER_FIRST = 0xDC, MARKER_SECOND = 0xA5, PARAGRAPH_MARK = 13 };

// What every byte but the paragraph mark becomes.
struct word_byte_table {
    unsigned char out[256];
};

static word_byte_table make_word_byte_table() {
    word_byte_table table;
    for (int b = 0; b < 256; b++)
        table.out[b] = b < 32 ? 0 : (unsigned char)b;
    table.out[0xA0] = ' ';
    table.out[0x99] = ' ';
    return table;
}

static const word_byte_table word_bytes = make_word_byte_table();

void begin_word_text(word_text_state *state, uint32_t capacity) {
    state->phase = WORD_SEARCHING;
    state->after_marker_start = 0;
    state->to_skip = 0;
    state->out = 0;
    state->capacity = capacity;
}

// Returns how many bytes of the block the search used up.
static uint32_t search_marker(word_text_state *state, const unsigned char *in, uint32_t count) {
    for (uint32_t i = 0; i < count; i++) {
        if (state->after_marker_start && in[i] == MARKER_SECOND) {
            state->phase = WORD_SKIPPING;
            // The marker's two bytes count towards the 768.
            state->to_skip = WORD_TEXT_OFFSET - 2;
            return i + 1;
        }
        state->after_marker_start = in[i] == MARKER_FIRST;
    }
    return count;
}

// Returns how many bytes of the block were converted.
static uint32_t convert_bytes(word_text_state *state, const unsigned char *in, uint32_t count,
                              unsigned char *text) {
    uint32_t i = 0;
    uint32_t out = state->out;
    while (i < count) {
        // Any run of this length fits, even if every byte is a paragraph mark.
        uint32_t run = (state->capacity - out) / 2;
        if (run > count - i)
            run = count - i;
        if (run == 0) {
            uint32_t needed = in[i] == PARAGRAPH_MARK ? 2 : 1;
            if (out + needed > state->capacity) {
                state->phase = WORD_FULL;
                break;
            }
            run = 1;
        }
        for (uint32_t end = i + run; i < end; i++) {
            unsigned char b = in[i];
            if (b == PARAGRAPH_MARK) {
                text[out++] = '\r';
                text[out++] = '\n';
            } else {
                text[out++] = word_bytes.out[b];
            }
        }
    }
    state->out = out;
    return i;
}

void convert_word_block(word_text_state *state, const unsigned char *in, uint32_t count,
                        unsigned char *text) {
    while (count > 0) {
        uint32_t used = 0;
        switch (state->phase) {
        case WORD_SEARCHING: used = search_marker(state, in, count); break;
        case WORD_SKIPPING:
            used = state->to_skip < count ? state->to_skip : count;
            state->to_skip -= used;
            if (state->to_skip == 0)
                state->phase = WORD_CONVERTING;
            break;
        case WORD_CONVERTING: used = convert_bytes(state, in, count, text); break;
        default: return;
        }
        in += used;
        count -= used;
    }
}

int finish_word_text(word_text_state *state, unsigned char *text) {
    if (state->phase == WORD_SEARCHING) {
        uint32_t length = (uint32_t)strlen(word_error_text);
        if (length > state->capacity)
            length = state->capacity;
        memcpy(text, word_error_text, length);
        text[length] = 0;
        return 0;
    }
    text[state->out] = 0;
    return 1;
}
