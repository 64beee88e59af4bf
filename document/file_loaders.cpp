#include "document/file_loaders.h"
#include "document/document_block.h"
#include "formats/file_kind.h"
#include "ui/message_box.h"

// For kinds whose text is never longer than the file: makes room for all of
// it, fills the text, and only then makes it the Document's.
static void load_whole_size(HANDLE file, uint64_t size, fill_text fill);

struct loader_row {
    int kind;
    fill_text fill;   // a text no longer than the file, filled in its room
    file_loader load; // or a loader of its own
};

// Every kind a file can be read as, and what reads it.
static const loader_row loader_rows[] = {
    {FILE_PLAIN_TEXT, fill_plain_text, 0}, {FILE_HTML, fill_html_text, 0},
    {FILE_WORD, fill_word_text, 0},        {FILE_UTF8_TEXT, fill_utf8_text, 0},
    {FILE_UTF16_TEXT, fill_utf16_text, 0}, {FILE_EPUB, 0, load_book},
    {FILE_DOCX, 0, load_book},             {FILE_FB2, 0, load_book},
    {FILE_FB2_ZIP, 0, load_book},
};

void load_file_of_kind(int kind, const char *path, uint64_t size) {
    const loader_row *reader = 0;
    for (const loader_row &row : loader_rows)
        if (row.kind == kind)
            reader = &row;
    if (!reader)
        return;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        show_message_box(NULL, "File open failed.", NULL);
        return;
    }
    if (reader->fill)
        load_whole_size(file, size, reader->fill);
    else
        reader->load(file, size, kind);
    CloseHandle(file);
}

uint32_t read_chunk(HANDLE file, unsigned char *into, uint32_t count) {
    DWORD got = 0;
    if (!ReadFile(file, into, count, &got, NULL))
        return 0;
    return got;
}

// Large reads keep the loaders close to the speed of reading the file at all,
// and a quarter megabyte is still in the cache when it is converted; the
// result is the same with any size.
enum { READ_CHUNK = 1 << 18 };

uint32_t read_into_text(HANDLE file, unsigned char *text, uint32_t length, chunk_step step,
                        void *context) {
    uint32_t k = 0;
    while (k < length) {
        uint32_t got = read_chunk(file, text + k, length - k < (uint32_t)READ_CHUNK ? length - k : (uint32_t)READ_CHUNK);
        if (got == 0)
            break;
        if (step)
            step(context, text + k, got);
        k += got;
    }
    return k;
}

static void load_whole_size(HANDLE file, uint64_t size, fill_text fill) {
    // A file of 4 GB or more, or one that leaves no room for the closing zero
    // byte, cannot be held at all.
    unsigned char *text = size < 0xFFFFFFFFu ? resize_text_block((uint32_t)size) : 0;
    if (!text) {
        show_message_box(NULL, "GlobalAlloc failed!", NULL);
        return;
    }
    commit_text_block(fill(file, text, (uint32_t)size));
}
