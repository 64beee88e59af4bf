#include <windows.h>
#include "document/ansi_output.h"
#include "formats/unicode_text.h"

void begin_ansi_output(ansi_output *out, unsigned char *text, uint32_t capacity) {
    out->text = text;
    out->capacity = capacity;
    out->length = 0;
    out->full = 0;
}

int put_units_as_ansi(void *context, const uint16_t *units, uint32_t count) {
    ansi_output *out = (ansi_output *)context;
    if (count == 0)
        return !out->full;
    int room = (int)(out->capacity - out->length);
    int wrote = room > 0 ? WideCharToMultiByte(CP_ACP, 0, (LPCWCH)units, (int)count,
                                               (char *)out->text + out->length, room, NULL, NULL)
                         : 0;
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
    // Every character takes at least as many bytes in UTF-8 as in the code
    // page, so the converted text never overtakes the bytes still to read.
    ansi_output out;
    begin_ansi_output(&out, text, length);
    text_decoder decoder;
    begin_text_decoder(&decoder, TEXT_UTF8, put_units_as_ansi, &out);
    feed_text_decoder(&decoder, text, length);
    finish_text_decoder(&decoder);
    text[out.length] = 0;
    return out.length;
}
