// Plain text and HTML pages: read byte for byte, the mark-up stripped in
// place as the chunks arrive.
#include "document/file_loaders.h"
#include "formats/html_text.h"
#include "ui/message_box.h"

// Large reads keep the loaders close to the speed of reading the file at all,
// and a quarter megabyte is still in the cache when it is converted; the
// result is the same with any size.
enum { READ_CHUNK = 1 << 18 };

static uint32_t smaller(uint32_t a, uint32_t b) {
    return a < b ? a : b;
}

// Reads up to length bytes straight into the text, stripping mark-up chunk by
// chunk when html is given; returns how many bytes arrived.
static uint32_t read_into_text(HANDLE file, unsigned char *text, uint32_t length,
                               html_text_state *html) {
    uint32_t k = 0;
    while (k < length) {
        uint32_t got = read_chunk(file, text + k, smaller(length - k, READ_CHUNK));
        if (got == 0)
            break;
        if (html)
            strip_html_block(html, text + k, text + k, got);
        k += got;
    }
    return k;
}

static void fill_plain_text(HANDLE file, unsigned char *text, uint32_t length) {
    if (read_into_text(file, text, length, 0) < length)
        show_message_box(NULL, "problem reading file", NULL);
}

static void fill_html_text(HANDLE file, unsigned char *text, uint32_t length) {
    html_text_state html;
    begin_html_text(&html);
    read_into_text(file, text, length, &html);
}

void load_plain_text(HANDLE file, uint64_t size) {
    load_whole_size(file, size, fill_plain_text);
}

void load_html(HANDLE file, uint64_t size) {
    load_whole_size(file, size, fill_html_text);
}
