// Taking the text out of a Word 6.0 / Word 95 document without reading its
// tables: the text is taken to start 768 bytes after the header's identifier
// (the bytes 0xDC 0xA5), and every byte from there to the end of the file is
// converted.
#pragma once
#include <stdint.h>

enum { WORD_TEXT_OFFSET = 768 };

extern const char word_error_text[];

enum { WORD_SEARCHING, WORD_SKIPPING, WORD_CONVERTING, WORD_FULL };

struct word_text_state {
    int phase;
    int after_marker_start; // the last byte searched was 0xDC
    uint32_t to_skip;       // bytes still before the text starts
    uint32_t out;           // where the next text byte goes
    uint32_t capacity;      // the text never reaches this offset
};

void begin_word_text(word_text_state *state, uint32_t capacity);

// Feeds the next count bytes of the file, in file order; the marker is found
// wherever it stands, also across two blocks. text must hold capacity + 1
// bytes. A paragraph mark (CR) becomes CR LF, other control bytes become zero
// bytes, 0xA0 and 0x99 blanks; conversion stops for good at the first byte
// that no longer fits below capacity.
void convert_word_block(word_text_state *state, const unsigned char *in, uint32_t count,
                        unsigned char *text);

// Ends the text with a zero byte, or, when no marker was found, puts the
// error text (cut to capacity) in its place. Returns 1 when the marker was
// found.
int finish_word_text(word_text_state *state, unsigned char *text);
