#include "reading/line_layout.h"
#include "document/document.h"
#include "reading/byte_sets.h"

// Membership comes first: the byte just after the text is a readable 0.
static uint32_t skip_line_breaks(uint32_t at) {
    while (in_byte_set(line_breaks, document.text[at]) && at < document.text_length)
        at++;
    return at;
}

uint32_t layout_line(byte_width_function byte_width, int width, int margin, uint32_t start,
                     char line[LINE_TEXT_SIZE]) {
    line[0] = 0;
    if (!document.text || start > document.text_length)
        return 0;
    const unsigned char *text = document.text;
    uint32_t at = skip_line_breaks(start);
    int x = 2 * margin;
    int shown = 0;
    while (at < document.text_length) {
        unsigned char b = text[at];
        if (in_byte_set(line_breaks, b))
            break;
        int w = byte_width(b);
        if (x + w >= width)
            break;
        if (b >= 32) {
            // A full buffer ends the line; the rest flows to the next one.
            if (shown == LINE_TEXT_SIZE - 1)
                break;
            line[shown++] = (char)b;
            x += w;
        }
        at++;
    }
    line[shown] = 0;
    return skip_line_breaks(at) - start;
}

uint32_t lines_up(byte_width_function byte_width, int width, int margin, uint32_t anchor) {
    if (anchor == 0 || !document.text)
        return 0;
    if (anchor > document.text_length)
        anchor = document.text_length;
    int x = 2 * margin;
    uint32_t k = 0;
    for (uint32_t p = anchor; p > 0; p--) {
        int w = byte_width(document.text[p]);
        k++;
        if (x + w >= width)
            return k + 1 < anchor ? anchor - (k + 1) : 0;
        x += w;
    }
    return 0;
}
