#include "document/file_kinds.h"
#include "formats/archive_kind.h"
#include "formats/head_kind.h"
#include "formats/unicode_text.h"
#include "formats/zip_reader.h"
#include "ui/message_box.h"

enum { SCAN_CHUNK = 1 << 16 };

int map_whole_file(HANDLE file, uint64_t size, file_view *view) {
    view->mapping = 0;
    view->bytes = 0;
    view->size = size;
    if (size == 0 || (uint64_t)(SIZE_T)size != size)
        return 0;
    view->mapping = CreateFileMappingA(file, NULL, PAGE_READONLY, 0, 0, NULL);
    if (!view->mapping)
        return 0;
    view->bytes = (const unsigned char *)MapViewOfFile(view->mapping, FILE_MAP_READ, 0, 0, 0);
    if (!view->bytes) {
        CloseHandle(view->mapping);
        view->mapping = 0;
        return 0;
    }
    return 1;
}

void unmap_file(file_view *view) {
    if (view->bytes)
        UnmapViewOfFile(view->bytes);
    if (view->mapping)
        CloseHandle(view->mapping);
    view->bytes = 0;
    view->mapping = 0;
}

const char *archive_failure_text(int result) {
    switch (result) {
    case ZIP_UNSUPPORTED: return "The book's archive is of a kind Tavrin cannot read.";
    case ZIP_BAD_DATA: return "A part of the book's archive does not unpack: the archive is damaged.";
    case ZIP_TOO_LONG: return "A part of the book's archive unpacks to more than it declares: the archive is damaged.";
    case ZIP_NO_ENTRY: return "A part of the book is missing from its archive.";
    }
    return "The book's archive is damaged: its directory cannot be read.";
}

// A ZIP archive: a book of one of the kinds its directory shows, or a file of
// unknown kind as any other archive.
static int decide_archive(HANDLE file, uint64_t size) {
    file_view view;
    if (!map_whole_file(file, size, &view))
        return -2;
    zip_archive zip;
    int result = zip_open(&zip, view.bytes, size);
    int kind = result == ZIP_OK ? decide_archive_kind(&zip) : -1;
    unmap_file(&view);
    if (kind == -1)
        show_message_box(NULL, archive_failure_text(result), NULL);
    return kind;
}

// Whether the whole file is UTF-8; the head has been read already.
static int decide_by_scan(HANDLE file, const unsigned char *head, uint32_t count) {
    static unsigned char chunk[SCAN_CHUNK];
    utf8_check check;
    begin_utf8_check(&check);
    feed_utf8_check(&check, head, count);
    DWORD got = 0;
    while (!check.invalid && ReadFile(file, chunk, sizeof chunk, &got, NULL) && got)
        feed_utf8_check(&check, chunk, got);
    return finish_utf8_check(&check) ? FILE_UTF8_TEXT : FILE_UNRECOGNISED;
}

int decide_chosen_kind(HANDLE file, uint64_t size, const unsigned char *head, uint32_t count,
                       int html_as_text, HWND owner) {
    int kind = decide_head_kind(head, count, html_as_text);
    if (kind == FILE_NEEDS_ARCHIVE) {
        kind = decide_archive(file, size);
        if (kind == -2) {
            show_message_box(NULL, "GlobalAlloc failed!", NULL);
            return -1;
        }
        if (kind < 0)
            return -1;
    } else if (kind == FILE_NEEDS_SCAN)
        kind = decide_by_scan(file, head, count);
    if (kind == FILE_UNRECOGNISED) {
        show_message_box(owner, "UNKNOWN file type, opening as text", NULL);
        kind = FILE_PLAIN_TEXT;
    }
    return kind;
}
