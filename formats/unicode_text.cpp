#include "formats/unicode_text.h"

#include <string.h>

enum { REPLACEMENT = 0xFFFD, BYTE_ORDER_MARK = 0xFEFF };

int byte_order_mark(const unsigned char *bytes, uint32_t count, uint32_t *length) {
    *length = 0;
    if (count >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        *length = 3;
        return TEXT_UTF8;
    }
    if (count >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        *length = 2;
        return TEXT_UTF16LE;
    }
    if (count >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        *length = 2;
        return TEXT_UTF16BE;
    }
    return TEXT_NO_MARK;
}

void begin_utf8(utf8_state *state) {
    state->code_point = 0;
    state->need = 0;
    state->low = 0x80;
    state->high = 0xBF;
    state->malformed = 0;
}

// Starts a sequence with its lead byte; 0 for a byte that cannot lead one.
static int start_utf8(utf8_state *state, unsigned char b) {
    state->low = 0x80;
    state->high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        state->need = 1;
        state->code_point = b & 0x1Fu;
    } else if (b >= 0xE0 && b <= 0xEF) {
        state->need = 2;
        state->code_point = b & 0x0Fu;
        if (b == 0xE0)
            state->low = 0xA0; // overlong below U+0800
        if (b == 0xED)
            state->high = 0x9F; // surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        state->need = 3;
        state->code_point = b & 0x07u;
        if (b == 0xF0)
            state->low = 0x90; // overlong below U+10000
        if (b == 0xF4)
            state->high = 0x8F; // past U+10FFFF
    } else {
        return 0;
    }
    return 1;
}

uint32_t take_utf8_byte(utf8_state *state, unsigned char b, uint32_t out[2]) {
    uint32_t n = 0;
    if (state->need) {
        if (b >= state->low && b <= state->high) {
            state->code_point = state->code_point << 6 | (b & 0x3Fu);
            state->low = 0x80;
            state->high = 0xBF;
            if (--state->need == 0)
                out[n++] = state->code_point;
            return n;
        }
        // The sequence so far is one malformed character; b starts afresh.
        state->need = 0;
        state->malformed = 1;
        out[n++] = REPLACEMENT;
    }
    if (b < 0x80) {
        out[n++] = b;
    } else if (!start_utf8(state, b)) {
        state->malformed = 1;
        out[n++] = REPLACEMENT;
    }
    return n;
}

// The number of bytes from the start that are ASCII, looked at eight at a
// time.
uint32_t ascii_run(const unsigned char *bytes, uint32_t count) {
    uint32_t i = 0;
    for (; count - i >= 8; i += 8) {
        uint64_t word;
        memcpy(&word, bytes + i, 8);
        if (word & 0x8080808080808080ull)
            break;
    }
    while (i < count && bytes[i] < 0x80)
        i++;
    return i;
}

void begin_utf8_check(utf8_check *check) {
    begin_utf8(&check->sequence);
    check->invalid = 0;
    check->multi_byte = 0;
}

void feed_utf8_check(utf8_check *check, const unsigned char *bytes, uint32_t count) {
    uint32_t i = 0;
    while (i < count && !check->invalid) {
        if (check->sequence.need == 0) {
            i += ascii_run(bytes + i, count - i);
            if (i == count)
                break;
        }
        uint32_t decoded[2];
        uint32_t n = check->sequence.need ? 0 : whole_utf8_sequence(bytes + i, count - i, decoded);
        if (n) {
            i += n;
            check->multi_byte = 1;
            continue;
        }
        n = take_utf8_byte(&check->sequence, bytes[i++], decoded);
        if (check->sequence.malformed)
            check->invalid = 1;
        else if (n && decoded[0] >= 0x80)
            check->multi_byte = 1;
    }
}

int finish_utf8_check(const utf8_check *check) {
    return !check->invalid && check->sequence.need == 0 && check->multi_byte;
}

int head_may_be_utf8(const unsigned char *head, uint32_t count) {
    utf8_check check;
    begin_utf8_check(&check);
    feed_utf8_check(&check, head, count);
    return !check.invalid;
}

void begin_unit_output(unit_output *out, unit_sink sink, void *context) {
    out->sink = sink;
    out->context = context;
    out->stopped = 0;
    out->count = 0;
}

int flush_units(unit_output *out) {
    if (out->count && !out->stopped && !out->sink(out->context, out->units, out->count))
        out->stopped = 1;
    out->count = 0;
    return !out->stopped;
}

void begin_text_decoder(text_decoder *decoder, int encoding, unit_sink sink, void *context) {
    decoder->encoding = encoding;
    decoder->started = 0;
    begin_utf8(&decoder->utf8);
    decoder->have_byte = 0;
    decoder->byte = 0;
    decoder->high_surrogate = 0;
    begin_unit_output(&decoder->out, sink, context);
}

// A character of the text; the mark is dropped when it comes first.
static int decoded(text_decoder *decoder, uint32_t code_point) {
    if (!decoder->started) {
        decoder->started = 1;
        if (code_point == BYTE_ORDER_MARK)
            return 1;
    }
    return put_code_point(&decoder->out, code_point);
}

static int decode_utf8(text_decoder *decoder, const unsigned char *bytes, uint32_t count) {
    unit_output *out = &decoder->out;
    uint32_t i = 0;
    while (i < count) {
        if (decoder->utf8.need == 0) {
            uint32_t run = ascii_run(bytes + i, count - i);
            if (run)
                decoder->started = 1;
            for (uint32_t end = i + run; i < end;) {
                if (out->count == UNIT_BUFFER_SIZE && !flush_units(out))
                    return 0;
                uint32_t room = UNIT_BUFFER_SIZE - out->count;
                uint32_t n = end - i < room ? end - i : room;
                for (uint32_t k = 0; k < n; k++)
                    out->units[out->count + k] = bytes[i + k];
                out->count += n;
                i += n;
            }
            if (i == count)
                break;
        }
        uint32_t code_points[2];
        uint32_t n =
            decoder->utf8.need ? 0 : whole_utf8_sequence(bytes + i, count - i, code_points);
        if (n) {
            i += n;
            n = 1;
        } else {
            n = take_utf8_byte(&decoder->utf8, bytes[i++], code_points);
        }
        for (uint32_t k = 0; k < n; k++)
            if (!decoded(decoder, code_points[k]))
                return 0;
    }
    return !out->stopped;
}

uint32_t pair_utf16_unit(uint16_t *high, uint32_t unit, uint32_t out[2]) {
    uint32_t n = 0;
    int low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (*high) {
        uint32_t first = *high;
        *high = 0;
        if (low) {
            out[0] = 0x10000 + ((first - 0xD800) << 10) + (unit - 0xDC00);
            return 1;
        }
        out[n++] = REPLACEMENT;
    }
    if (unit >= 0xD800 && unit <= 0xDBFF)
        *high = (uint16_t)unit;
    else
        out[n++] = low ? (uint32_t)REPLACEMENT : unit;
    return n;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

static int decode_utf16_unit(text_decoder *decoder, uint32_t unit) {
    uint32_t code_points[2];
    uint32_t n = pair_utf16_unit(&decoder->high_surrogate, unit, code_points);
    for (uint32_t k = 0; k < n; k++)
        if (!decoded(decoder, code_points[k]))
            return 0;
    return 1;
}

// Whole units are taken from the bytes in pairs; only a unit cut by the end
// of a chunk waits in have_byte.
static int decode_utf16(text_decoder *decoder, const unsigned char *bytes, uint32_t count) {
    int big_endian = decoder->encoding == TEXT_UTF16BE;
    uint32_t i = 0;
    if (decoder->have_byte && count) {
        decoder->have_byte = 0;
        i = 1;
        if (!decode_utf16_unit(decoder, utf16_unit(big_endian, decoder->byte, bytes[0])))
            return 0;
    }
    unit_output *out = &decoder->out;
    while (count - i >= 2) {
        // Most units are whole characters of a text already started: they go
        // straight to the buffer while it has room.
        if (decoder->started && !decoder->high_surrogate) {
            uint32_t used = out->count;
            for (; count - i >= 2 && used + 2 <= UNIT_BUFFER_SIZE; i += 2) {
                uint32_t unit = utf16_unit(big_endian, bytes[i], bytes[i + 1]);
                if (unit >= 0xD800 && unit <= 0xDFFF)
                    break;
                out->units[used++] = (uint16_t)unit;
            }
            out->count = used;
            if (count - i < 2)
                break;
        }
        if (!decode_utf16_unit(decoder, utf16_unit(big_endian, bytes[i], bytes[i + 1])))
            return 0;
        i += 2;
    }
    if (i < count) {
        decoder->byte = bytes[i];
        decoder->have_byte = 1;
    }
    return !out->stopped;
}

int feed_text_decoder(text_decoder *decoder, const unsigned char *bytes, uint32_t count) {
    int going = decoder->encoding == TEXT_UTF8 ? decode_utf8(decoder, bytes, count)
                                               : decode_utf16(decoder, bytes, count);
    return going && flush_units(&decoder->out);
}

int finish_text_decoder(text_decoder *decoder) {
    int cut = decoder->utf8.need || decoder->have_byte || decoder->high_surrogate;
    decoder->utf8.need = 0;
    decoder->have_byte = 0;
    decoder->high_surrogate = 0;
    if (cut && !decoded(decoder, REPLACEMENT))
        return 0;
    return flush_units(&decoder->out);
}

static int lower(int c) {
    return c >= 'A' && c <= 'Z' ? c + 32 : c;
}

// Whether name, in any case, starts with prefix; *rest gets what follows.
static int starts_with(const char *name, uint32_t length, const char *prefix, uint32_t *rest) {
    uint32_t n = (uint32_t)strlen(prefix);
    if (length < n)
        return 0;
    for (uint32_t i = 0; i < n; i++)
        if (lower((unsigned char)name[i]) != prefix[i])
            return 0;
    *rest = n;
    return 1;
}

// The decimal number that makes up name from at on, or -1.
static int number_at(const char *name, uint32_t length, uint32_t at) {
    if (at >= length || length - at > 5)
        return -1;
    int n = 0;
    for (; at < length; at++) {
        if (name[at] < '0' || name[at] > '9')
            return -1;
        n = n * 10 + (name[at] - '0');
    }
    return n;
}

struct named_code_page {
    const char *name;
    int code_page;
};

static const named_code_page named_code_pages[] = {
    {"utf-8", CODE_PAGE_UTF8},
    {"utf8", CODE_PAGE_UTF8},
    {"us-ascii", CODE_PAGE_UTF8},
    {"ascii", CODE_PAGE_UTF8},
    {"utf-16", CODE_PAGE_UTF16LE},
    {"utf-16le", CODE_PAGE_UTF16LE},
    {"utf-16be", CODE_PAGE_UTF16BE},
    {"latin1", CODE_PAGE_LATIN1},
    {"l1", CODE_PAGE_LATIN1},
    {"koi8-r", 20866},
    {"koi8-u", 21866},
    {"ibm866", 866},
    {"cp866", 866},
    {"windows-874", 874},
    {"macintosh", 10000},
    {"x-mac-cyrillic", 10007},
};

int encoding_code_page(const char *name, uint32_t length) {
    for (const named_code_page &known : named_code_pages) {
        uint32_t rest;
        if (starts_with(name, length, known.name, &rest) && rest == length)
            return known.code_page;
    }
    uint32_t rest;
    if (starts_with(name, length, "windows-", &rest) || starts_with(name, length, "cp", &rest) ||
        starts_with(name, length, "x-cp", &rest)) {
        int n = number_at(name, length, rest);
        return n >= 1250 && n <= 1258 ? n : 0;
    }
    if (starts_with(name, length, "iso-8859-", &rest) ||
        starts_with(name, length, "iso8859-", &rest) ||
        starts_with(name, length, "iso_8859-", &rest)) {
        int n = number_at(name, length, rest);
        if ((n >= 1 && n <= 9) || n == 13 || n == 15)
            return 28590 + n;
    }
    return 0;
}

static int is_name_byte(unsigned char b) {
    return (lower(b) >= 'a' && lower(b) <= 'z') || (b >= '0' && b <= '9') || b == '-' || b == '_';
}

int html_charset(const unsigned char *bytes, uint32_t count) {
    static const char word[] = "charset";
    const uint32_t word_length = sizeof word - 1;
    for (uint32_t i = 0; i + word_length <= count; i++) {
        uint32_t rest;
        if (!starts_with((const char *)bytes + i, count - i, word, &rest))
            continue;
        uint32_t at = i + word_length;
        while (at < count &&
               (bytes[at] == ' ' || bytes[at] == '\t' || bytes[at] == '\r' || bytes[at] == '\n'))
            at++;
        if (at == count || bytes[at] != '=')
            continue;
        at++;
        while (at < count && (bytes[at] == ' ' || bytes[at] == '"' || bytes[at] == '\''))
            at++;
        uint32_t start = at;
        while (at < count && is_name_byte(bytes[at]))
            at++;
        return encoding_code_page((const char *)bytes + start, at - start);
    }
    return 0;
}
