#include "document/file_loaders.h"
#include "document/document_block.h"
#include "formats/file_kind.h"
#include "ui/message_box.h"

struct loader_row {
    int kind;
    file_loader load;
};

// Every kind a file can be read as, and its loader.
static const loader_row loader_rows[] = {
    {FILE_PLAIN_TEXT, load_plain_text},
    {FILE_HTML, load_html},
    {FILE_WORD, load_word},
    {FILE_UTF8_TEXT, load_utf8_text},
    {FILE_UTF16_TEXT, load_utf16_text},
    {FILE_EPUB, load_epub},
    {FILE_DOCX, load_docx},
    {FILE_FB2, load_fb2},
    {FILE_FB2_ZIP, load_fb2_zip},
};

void load_file_of_kind(int kind, const char *path, uint64_t size) {
    file_loader load = 0;
    for (const loader_row &row : loader_rows)
        if (row.kind == kind)
            load = row.load;
    if (!load)
        return;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        show_message_box(NULL, "File open failed.", NULL);
        return;
    }
    load(file, size);
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

void load_whole_size(HANDLE file, uint64_t size, fill_text fill) {
    // A file of 4 GB or more, or one that leaves no room for the closing zero
    // byte, cannot be held at all.
    unsigned char *text = size < 0xFFFFFFFFu ? resize_text_block((uint32_t)size) : 0;
    if (!text) {
        show_message_box(NULL, "GlobalAlloc failed!", NULL);
        return;
    }
    commit_text_block(fill(file, text, (uint32_t)size));
}
