#include <windows.h>
#include "document/open_file.h"
#include "document/document_block.h"
#include "document/html_text.h"
#include "document/word_text.h"
#include "app/message_box.h"

// Large reads keep the loaders close to the speed of reading the file at all,
// and a quarter megabyte is still in the cache when it is converted; the
// result is the same with any size.
enum { READ_CHUNK = 1 << 18, WORD_READ_BUFFER = 1 << 16 };

static uint32_t smaller(uint32_t a, uint32_t b) {
    return a < b ? a : b;
}

// Bytes read by one ReadFile call, 0 at the end of the file or on failure.
static uint32_t read_chunk(HANDLE file, unsigned char *into, uint32_t count) {
    DWORD got = 0;
    if (!ReadFile(file, into, count, &got, NULL))
        return 0;
    return got;
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

// The text grows by a byte at every paragraph mark, so it cannot be converted
// in place; it goes through a buffer of its own.
static void fill_word_text(HANDLE file, unsigned char *text, uint32_t length) {
    static unsigned char buffer[WORD_READ_BUFFER];
    word_text_state word;
    begin_word_text(&word, length);
    uint32_t k = 0;
    while (k < length) {
        uint32_t got = read_chunk(file, buffer, smaller(length - k, sizeof buffer));
        if (got == 0)
            break;
        convert_word_block(&word, buffer, got, text);
        k += got;
    }
    finish_word_text(&word, text);
}

typedef void (*fill_text)(HANDLE file, unsigned char *text, uint32_t length);

// The steps every loader shares: open the chosen file, make room for all of
// it, fill the text, and only then make it the Document's.
static void load_chosen_file(const char *path, uint64_t size, fill_text fill) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        show_message_box(NULL, "File open failed.", NULL);
        return;
    }
    // A file of 4 GB or more, or one that leaves no room for the closing zero
    // byte, cannot be held at all.
    unsigned char *text = size < 0xFFFFFFFFu ? resize_text_block((uint32_t)size) : 0;
    if (!text) {
        show_message_box(NULL, "GlobalAlloc failed!", NULL);
        CloseHandle(file);
        return;
    }
    uint32_t length = (uint32_t)size;
    fill(file, text, length);
    commit_text_block(length);
    CloseHandle(file);
}

void load_text_file(const char *path, uint64_t size) {
    load_chosen_file(path, size, fill_plain_text);
}

void load_html_file(const char *path, uint64_t size) {
    load_chosen_file(path, size, fill_html_text);
}

void load_word_file(const char *path, uint64_t size) {
    load_chosen_file(path, size, fill_word_text);
}
