// Text decoded to UTF-16 going into the Document in the system's code page.
#pragma once
#include <stdint.h>

// Where converted text goes: room for capacity bytes at text.
struct ansi_output {
    unsigned char *text;
    uint32_t capacity;
    uint32_t length;
    int full; // more text came than there was room for; the rest was dropped
};

void begin_ansi_output(ansi_output *out, unsigned char *text, uint32_t capacity);

// A unit_sink (formats/unicode_text.h) whose context is an ansi_output: each
// character becomes the code page's, its best fit, or '?'. Stops once full.
int put_units_as_ansi(void *context, const uint16_t *units, uint32_t count);

// A code_page_table (formats/unicode_text.h) from the system's own tables,
// for single-byte code pages only.
int system_code_page_table(int code_page, uint16_t table[256]);

// When text[0 .. length) is UTF-8 throughout with at least one multi-byte
// sequence, or force is 1, converts it where it stands and returns the new
// length; otherwise leaves it and returns length.
uint32_t convert_utf8_in_place(unsigned char *text, uint32_t length, int force);
