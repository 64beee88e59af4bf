// Text in UTF-8 and UTF-16: byte-order marks, telling UTF-8 from the system's
// single-byte code page, and decoding either into UTF-16 code units, which the
// Windows side turns into the system's code page.
// Refuses nothing: malformed sequences, unpaired surrogates and an odd last
// byte decode to U+FFFD.
#pragma once
#include <stdint.h>

// Receives decoded UTF-16 code units; returns 1 to go on, 0 to stop.
typedef int (*unit_sink)(void *context, const uint16_t *units, uint32_t count);

enum { TEXT_NO_MARK = 0, TEXT_UTF8, TEXT_UTF16LE, TEXT_UTF16BE };

// Which byte-order mark the bytes begin with (TEXT_NO_MARK when none), and
// its length in *length (0 when none).
int byte_order_mark(const unsigned char *bytes, uint32_t count, uint32_t *length);

// One UTF-8 sequence in progress: the code point so far, how many
// continuation bytes it still needs, and the range the next one must lie in
// (which is what refuses overlong forms, surrogates and code points past
// U+10FFFF).
struct utf8_state {
    uint32_t code_point;
    uint32_t need;
    unsigned char low, high;
    int malformed; // a malformed sequence has been met since begin_utf8
};

void begin_utf8(utf8_state *state);

// Takes the next byte; puts the code points it completes into out (U+FFFD for
// a malformed sequence, then the byte's own when it starts a new one) and
// returns how many (0 to 2).
uint32_t take_utf8_byte(utf8_state *state, unsigned char b, uint32_t out[2]);

// The fast way through the letters of most texts: the length of the whole,
// well-formed two- or three-byte sequence the count bytes begin with, its code
// point in *code_point; 0 for anything else (ASCII, four bytes, malformed, cut
// short), which is left to take_utf8_byte.
inline uint32_t whole_utf8_sequence(const unsigned char *bytes, uint32_t count,
                                    uint32_t *code_point) {
    unsigned char b = bytes[0];
    if (b >= 0xC2 && b <= 0xDF) {
        if (count < 2 || (bytes[1] & 0xC0) != 0x80)
            return 0;
        *code_point = (b & 0x1Fu) << 6 | (bytes[1] & 0x3Fu);
        return 2;
    }
    if (b < 0xE0 || b > 0xEF || count < 3 || (bytes[1] & 0xC0) != 0x80 || (bytes[2] & 0xC0) != 0x80)
        return 0;
    uint32_t c = (b & 0x0Fu) << 12 | (bytes[1] & 0x3Fu) << 6 | (bytes[2] & 0x3Fu);
    if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))
        return 0; // overlong, or a surrogate
    *code_point = c;
    return 3;
}

// How many of the bytes, from the first, are ASCII.
uint32_t ascii_run(const unsigned char *bytes, uint32_t count);

// The UTF-16 unit of two bytes in the order they came.
inline uint32_t utf16_unit(int big_endian, uint32_t first, uint32_t second) {
    return big_endian ? first << 8 | second : second << 8 | first;
}

// Pairs UTF-16 units into code points: *high holds a high surrogate waiting
// for its low half (0 when none). Puts the code points the unit completes into
// out (U+FFFD for a half without its other) and returns how many (0 to 2).
uint32_t pair_utf16_unit(uint16_t *high, uint32_t unit, uint32_t out[2]);

// The value of a hexadecimal digit, -1 for any other character.
int hex_digit(char c);

// Whether a whole text is UTF-8, fed in chunks of any size.
struct utf8_check {
    utf8_state sequence;
    int invalid;    // a byte broke the rules
    int multi_byte; // a sequence of two bytes or more was completed
};

void begin_utf8_check(utf8_check *check);
void feed_utf8_check(utf8_check *check, const unsigned char *bytes, uint32_t count);
// 1 when the text was valid throughout, ended on a whole sequence and held at
// least one multi-byte sequence.
int finish_utf8_check(const utf8_check *check);

// For the kind decision on a file's first bytes: 1 when they are valid UTF-8
// so far, a sequence cut by their end counting as valid (pure ASCII too).
int head_may_be_utf8(const unsigned char *head, uint32_t count);

// Buffered output of code units to a sink.
enum { UNIT_BUFFER_SIZE = 1024 };
struct unit_output {
    unit_sink sink;
    void *context;
    int stopped; // the sink asked to stop; nothing more is sent
    uint32_t count;
    uint16_t units[UNIT_BUFFER_SIZE];
};

void begin_unit_output(unit_output *out, unit_sink sink, void *context);
// Sends what is buffered. 0 once the sink has stopped.
int flush_units(unit_output *out);

// A code point as one unit or a surrogate pair. 0 once the sink has stopped.
// Inline, as it runs once a character.
inline int put_code_point(unit_output *out, uint32_t code_point) {
    if (out->count + 2 > UNIT_BUFFER_SIZE && !flush_units(out))
        return 0;
    if (code_point >= 0x10000) {
        code_point -= 0x10000;
        out->units[out->count++] = (uint16_t)(0xD800 + (code_point >> 10));
        out->units[out->count++] = (uint16_t)(0xDC00 + (code_point & 0x3FF));
    } else {
        out->units[out->count++] = (uint16_t)code_point;
    }
    return !out->stopped;
}

// Decoding a text in chunks of any size. The byte-order mark, when the text
// starts with one, is dropped.
struct text_decoder {
    int encoding; // TEXT_UTF8, TEXT_UTF16LE or TEXT_UTF16BE
    int started;  // a character has been decoded, so U+FEFF is text now
    utf8_state utf8;
    int have_byte;           // UTF-16: the first byte of a unit has come
    unsigned char byte;      // ... and this is it
    uint16_t high_surrogate; // UTF-16: waiting for its low half, or 0
    unit_output out;
};

void begin_text_decoder(text_decoder *decoder, int encoding, unit_sink sink, void *context);
// 1 to go on, 0 when the sink stopped.
int feed_text_decoder(text_decoder *decoder, const unsigned char *bytes, uint32_t count);
// Decodes a sequence cut short as U+FFFD and sends the rest. 0 when the sink
// stopped.
int finish_text_decoder(text_decoder *decoder);

// Code page numbers for encodings named in XML declarations and HTML charsets.
enum {
    CODE_PAGE_UTF16LE = 1200,
    CODE_PAGE_UTF16BE = 1201,
    CODE_PAGE_LATIN1 = 28591,
    CODE_PAGE_UTF8 = 65001,
};

// The code page of an encoding name, in any case: UTF-8 and UTF-16 ("utf-16"
// alone gives CODE_PAGE_UTF16LE), or a single-byte code page (windows-1251,
// iso-8859-5, koi8-r, ...). 0 for a name not known or not single-byte.
int encoding_code_page(const char *name, uint32_t length);

// Fills table with the UTF-16 unit of each byte of a single-byte code page;
// returns 1 when the code page is available. Supplied by the caller.
typedef int (*code_page_table)(int code_page, uint16_t table[256]);

// The code page an HTML page's first bytes declare in a charset (a meta
// element's charset attribute or content type), 0 when none is found there.
int html_charset(const unsigned char *bytes, uint32_t count);
