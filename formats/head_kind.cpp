#include "formats/head_kind.h"
#include "formats/unicode_text.h"

#include <string.h>

// The head as single bytes: UTF-16 keeps the low byte of each unit (enough to
// read ASCII mark-up), anything else stays as it is.
static uint32_t narrow_head(const unsigned char *head, uint32_t count, unsigned char *out) {
    uint32_t mark = 0;
    int encoding = byte_order_mark(head, count, &mark);
    if (encoding != TEXT_UTF16LE && encoding != TEXT_UTF16BE) {
        memcpy(out, head + mark, count - mark);
        return count - mark;
    }
    uint32_t n = 0;
    for (uint32_t i = mark; i + 1 < count; i += 2) {
        unsigned char low = encoding == TEXT_UTF16LE ? head[i] : head[i + 1];
        unsigned char high = encoding == TEXT_UTF16LE ? head[i + 1] : head[i];
        out[n++] = high ? 0x80 : low;
    }
    return n;
}

static int is_blank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

static int starts_with(const unsigned char *at, uint32_t left, const char *word) {
    uint32_t length = (uint32_t)strlen(word);
    return left >= length && memcmp(at, word, length) == 0;
}

// Skips from "<" past the closing text; 0 when it is not found in the head.
static uint32_t skip_past(const unsigned char *text, uint32_t count, uint32_t at, const char *end) {
    uint32_t length = (uint32_t)strlen(end);
    for (uint32_t i = at; i + length <= count; i++)
        if (memcmp(text + i, end, length) == 0)
            return i + length;
    return 0;
}

int head_is_fiction_book(const unsigned char *head, uint32_t count) {
    unsigned char text[FILE_HEAD_SIZE];
    if (count > FILE_HEAD_SIZE)
        count = FILE_HEAD_SIZE;
    uint32_t n = narrow_head(head, count, text);
    uint32_t at = 0;
    while (at < n) {
        if (is_blank(text[at])) {
            at++;
            continue;
        }
        const unsigned char *here = text + at;
        uint32_t left = n - at;
        uint32_t next = 0;
        if (starts_with(here, left, "<?"))
            next = skip_past(text, n, at, "?>");
        else if (starts_with(here, left, "<!--"))
            next = skip_past(text, n, at, "-->");
        else if (starts_with(here, left, "<!"))
            next = skip_past(text, n, at, ">");
        else if (starts_with(here, left, "<FictionBook"))
            return left > 12 && (is_blank(here[12]) || here[12] == '>' || here[12] == '/');
        else
            return 0;
        if (!next)
            return 0;
        at = next;
    }
    return 0;
}

int decide_head_kind(const unsigned char head[FILE_HEAD_SIZE], uint32_t count, int html_as_text) {
    int tagged = decide_file_kind(head, 0);
    if (tagged == FILE_WORD || tagged == FILE_HTML)
        return decide_file_kind(head, html_as_text);
    if (count > FILE_HEAD_READ)
        count = FILE_HEAD_READ;
    uint32_t mark = 0;
    int encoding = byte_order_mark(head, count, &mark);
    if (encoding != TEXT_NO_MARK) {
        if (head_is_fiction_book(head, count))
            return FILE_FB2;
        return encoding == TEXT_UTF8 ? FILE_UTF8_TEXT : FILE_UTF16_TEXT;
    }
    if (head_is_zip(head))
        return FILE_NEEDS_ARCHIVE;
    if (head_is_fiction_book(head, count))
        return FILE_FB2;
    if (tagged == FILE_PLAIN_TEXT)
        return FILE_PLAIN_TEXT;
    if (head_may_be_utf8(head, count))
        return FILE_NEEDS_SCAN;
    return FILE_UNRECOGNISED;
}
