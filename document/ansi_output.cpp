#include <windows.h>
#include "document/ansi_output.h"
#include "formats/unicode_text.h"

#include <string.h>

void begin_ansi_output(ansi_output *out, unsigned char *text, uint32_t capacity) {
    out->text = text;
    out->capacity = capacity;
    out->length = 0;
    out->full = 0;
}

// On a single-byte code page each unit has one byte, its own or its best fit
// or '?': a table of all of them, made once, converts far faster than the
// system's call. Other code pages go through the call.
static unsigned char unit_bytes[0x10000];
static int unit_table; // 0 not made yet, 1 made, -1 the code page has none

static int make_unit_table() {
    CPINFO info;
    if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize != 1)
        return -1;
    static WCHAR units[0x10000];
    for (uint32_t u = 0; u < 0x10000; u++)
        units[u] = (WCHAR)(u >= 0xD800 && u < 0xE000 ? 0xFFFD : u);
    int made = WideCharToMultiByte(CP_ACP, 0, units, 0x10000, (char *)unit_bytes, 0x10000, NULL,
                                   NULL);
    return made == 0x10000 ? 1 : -1;
}

static uint32_t put_through_table(ansi_output *out, const uint16_t *units, uint32_t count) {
    unsigned char *to = out->text + out->length;
    uint32_t room = out->capacity - out->length, n = 0;
    for (uint32_t i = 0; i < count && n < room; i++) {
        uint16_t u = units[i];
        // A surrogate pair is one character.
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < count && units[i + 1] >= 0xDC00 &&
            units[i + 1] < 0xE000)
            i++;
        to[n++] = unit_bytes[u];
    }
    return n;
}

int put_units_as_ansi(void *context, const uint16_t *units, uint32_t count) {
    ansi_output *out = (ansi_output *)context;
    if (count == 0)
        return !out->full;
    if (unit_table == 0)
        unit_table = make_unit_table();
    int room = (int)(out->capacity - out->length);
    int wrote = room <= 0             ? 0
                : unit_table == 1 ? (int)put_through_table(out, units, count)
                                  : WideCharToMultiByte(CP_ACP, 0, (LPCWCH)units, (int)count,
                                                        (char *)out->text + out->length, room,
                                                        NULL, NULL);
    if (wrote <= 0) {
        out->full = 1;
        return 0;
    }
    out->length += (uint32_t)wrote;
    return 1;
}

int system_code_page_table(int code_page, uint16_t table[256]) {
    CPINFO info;
    if (!GetCPInfo((UINT)code_page, &info) || info.MaxCharSize != 1)
        return 0;
    char bytes[256];
    for (int i = 0; i < 256; i++)
        bytes[i] = (char)i;
    WCHAR units[256];
    if (MultiByteToWideChar((UINT)code_page, 0, bytes, 256, units, 256) != 256)
        return 0;
    for (int i = 0; i < 256; i++)
        table[i] = units[i];
    return 1;
}

uint32_t convert_utf8_in_place(unsigned char *text, uint32_t length, int force) {
    if (!force) {
        utf8_check check;
        begin_utf8_check(&check);
        feed_utf8_check(&check, text, length);
        if (!finish_utf8_check(&check))
            return length;
    }
    // Units are gathered a run at a time and converted in one call: every
    // character takes at least as many bytes in UTF-8 as in the code page, so
    // the converted text never overtakes the bytes still to read.
    enum { RUN = 1 << 15, ASCII_MOVE = 64 };
    static uint16_t run[RUN + 2];
    ansi_output out;
    begin_ansi_output(&out, text, length);
    utf8_state state;
    begin_utf8(&state);
    uint32_t count = 0, i = 0;
    // A byte-order mark is no character of the text.
    if (length >= 3 && text[0] == 0xEF && text[1] == 0xBB && text[2] == 0xBF)
        i = 3;
    for (; i < length; i++) {
        unsigned char b = text[i];
        if (b < 0x80 && state.need == 0) {
            // ASCII is the same byte in every ANSI code page: a long run moves
            // down as it stands, after the units gathered before it.
            uint32_t n = ascii_run(text + i, length - i);
            if (n >= ASCII_MOVE) {
                put_units_as_ansi(&out, run, count);
                count = 0;
                memmove(text + out.length, text + i, n);
                out.length += n;
            } else {
                if (count + n > RUN) {
                    put_units_as_ansi(&out, run, count);
                    count = 0;
                }
                for (uint32_t k = 0; k < n; k++)
                    run[count++] = text[i + k];
            }
            i += n - 1;
        } else {
            uint32_t code_points[2];
            uint32_t n = take_utf8_byte(&state, b, code_points);
            for (uint32_t k = 0; k < n; k++) {
                uint32_t c = code_points[k];
                if (c >= 0x10000) {
                    run[count++] = (uint16_t)(0xD800 + ((c - 0x10000) >> 10));
                    run[count++] = (uint16_t)(0xDC00 + ((c - 0x10000) & 0x3FF));
                } else
                    run[count++] = (uint16_t)c;
            }
        }
        if (count >= RUN - 2) {
            put_units_as_ansi(&out, run, count);
            count = 0;
        }
    }
    if (state.need)
        run[count++] = 0xFFFD;
    put_units_as_ansi(&out, run, count);
    text[out.length] = 0;
    return out.length;
}
