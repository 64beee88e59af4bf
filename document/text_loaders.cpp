// Plain text and HTML pages: read byte for byte, the mark-up stripped in
// place; UTF-8, wherever it shows, is turned into the system's code page.
#include "document/ansi_output.h"
#include "document/file_loaders.h"
#include "formats/html_text.h"
#include "formats/unicode_text.h"
#include "ui/message_box.h"

uint32_t fill_plain_text(HANDLE file, unsigned char *text, uint32_t length) {
    if (read_into_text(file, text, length, 0, 0) < length)
        show_message_box(NULL, "problem reading file", NULL);
    return convert_utf8_in_place(text, length, 0);
}

// A page that names UTF-8 as its charset is decoded whatever it holds;
// another, only when it is UTF-8 throughout. Mark-up and entities are left
// to the stripping as always.
struct html_reading {
    html_text_state html;
    int utf8_declared; // read from the first chunk, before its mark-up goes
    int first;
};

static void strip_chunk(void *context, unsigned char *bytes, uint32_t count) {
    html_reading *reading = (html_reading *)context;
    if (reading->first)
        reading->utf8_declared = html_charset(bytes, count) == CODE_PAGE_UTF8;
    reading->first = 0;
    strip_html_block(&reading->html, bytes, bytes, count);
}

uint32_t fill_html_text(HANDLE file, unsigned char *text, uint32_t length) {
    html_reading reading;
    begin_html_text(&reading.html);
    reading.utf8_declared = 0;
    reading.first = 1;
    read_into_text(file, text, length, strip_chunk, &reading);
    return convert_utf8_in_place(text, length, reading.utf8_declared);
}

// Text that says it is UTF-8 (by its mark or by the whole of it) or UTF-16.
uint32_t fill_utf8_text(HANDLE file, unsigned char *text, uint32_t length) {
    return convert_utf8_in_place(text, read_into_text(file, text, length, 0, 0), 1);
}

// UTF-16 goes to the system's conversion as it stands, a run of units at a
// time; a surrogate pair cut by a run's end waits for the next run, and an
// odd last byte is a character that cannot be read.
uint32_t fill_utf16_text(HANDLE file, unsigned char *text, uint32_t length) {
    enum { RUN = 1 << 15 };
    static uint16_t run[RUN + 1];
    uint32_t got = read_into_text(file, text, length, 0, 0);
    uint32_t mark = 0;
    int big_endian = byte_order_mark(text, got, &mark) == TEXT_UTF16BE;
    // Each unit takes two bytes and gives at most two, so the converted text
    // never overtakes the bytes still to read.
    ansi_output out;
    begin_ansi_output(&out, text, got);
    uint32_t held = 0; // a high surrogate carried into the next run
    for (uint32_t at = mark; at + 1 < got;) {
        uint32_t count = held;
        for (; count < RUN && at + 1 < got; at += 2) {
            unsigned char first = text[at], second = text[at + 1];
            run[count++] = big_endian ? (uint16_t)(first << 8 | second)
                                      : (uint16_t)(second << 8 | first);
        }
        held = at + 1 < got && run[count - 1] >= 0xD800 && run[count - 1] < 0xDC00;
        put_units_as_ansi(&out, run, count - held);
        if (held)
            run[0] = run[count - 1];
    }
    if (held)
        put_units_as_ansi(&out, run, 1);
    if ((got - mark) % 2) {
        const uint16_t replacement = 0xFFFD;
        put_units_as_ansi(&out, &replacement, 1);
    }
    text[out.length] = 0;
    return out.length;
}
