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

static uint32_t line_length(byte_width_function byte_width, int width, int margin, uint32_t at) {
    char scratch[LINE_TEXT_SIZE];
    return layout_line(byte_width, width, margin, at, scratch);
}

// How many lines (at most most) are laid out from start before the text
// ends; *end is where they stop. A line into which not one byte fits stops
// the count, as the page would never get past it.
static unsigned count_lines(byte_width_function byte_width, int width, int margin, uint32_t start,
                            unsigned most, uint32_t *end) {
    unsigned count = 0;
    uint32_t at = start;
    for (uint32_t n; count < most && at < document.text_length; count++, at += n)
        if ((n = line_length(byte_width, width, margin, at)) == 0)
            break;
    *end = at;
    return count;
}

// A line starts after every run of line breaks, wherever the lines before it
// started: the start of the paragraph around `from` when it began at most
// `reach` bytes before it, so that its lines wrap as they do from the top of
// the text; otherwise `from` itself.
static uint32_t paragraph_start(uint32_t from, uint64_t reach) {
    uint32_t at = from;
    for (; at > 0 && from - at < reach; at--)
        if (in_byte_set(line_breaks, document.text[at - 1]))
            return skip_line_breaks(at - 1);
    return at == 0 ? 0 : from;
}

// Lays out the lines of the text's end, from the start of a paragraph some
// pages back (further back while they give too few lines), and keeps the tops
// of the last `lines` of them.
static uint32_t last_page_top(byte_width_function byte_width, int width, int margin,
                              unsigned lines) {
    static uint32_t tops[MOST_PAGE_LINES];
    const uint32_t length = document.text_length;
    for (uint64_t reach = (uint64_t)(lines + 1) * LINE_TEXT_SIZE;; reach *= 2) {
        uint32_t from = reach < length ? paragraph_start(length - (uint32_t)reach, reach) : 0;
        uint64_t count = 0;
        uint32_t at = from;
        for (uint32_t n; at < length; count++, at += n) {
            if ((n = line_length(byte_width, width, margin, at)) == 0)
                return at;
            tops[count % lines] = at;
        }
        if (count >= lines)
            return tops[(count - lines) % lines];
        if (from == 0)
            return 0;
    }
}

uint32_t full_page_top(byte_width_function byte_width, int width, int margin, unsigned lines,
                       uint32_t anchor) {
    if (!document.text || anchor == 0 || lines == 0)
        return anchor;
    if (lines > MOST_PAGE_LINES)
        lines = MOST_PAGE_LINES;
    uint32_t end;
    if (count_lines(byte_width, width, margin, anchor, lines, &end) == lines ||
        end < document.text_length)
        return anchor;
    uint32_t top = last_page_top(byte_width, width, margin, lines);
    return top < anchor ? top : anchor;
}
