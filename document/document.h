// The Document: the one text the program works on.
// The text is single-byte and not zero-terminated text: zero bytes may stand
// inside it. The block always holds text_length + 1 bytes and the byte after
// the text is 0, so a one-byte look-ahead past the end is safe.
#pragma once
#include <stdint.h>

struct Document {
    void *text_block;     // the global memory block (HGLOBAL) holding the text
    unsigned char *text;  // its first byte
    uint32_t text_length; // number of text bytes
    uint32_t read_pos;    // where the Reader takes its next word
    uint32_t anchor_pos;  // first byte of the Navigator's top line
};

extern Document document;

extern const char welcome_text[];
