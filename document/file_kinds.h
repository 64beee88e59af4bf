// Deciding the chosen file's kind: from its first bytes where they can tell,
// from its archive directory or the whole of it where they cannot.
#pragma once
#include <windows.h>
#include <stdint.h>

// The kind to read the open file as (formats/file_kind.h), after telling the
// user when it is not known ("UNKNOWN file type, opening as text"); -1, after
// saying why, when it cannot be read at all (a damaged archive).
int decide_chosen_kind(HANDLE file, uint64_t size, const unsigned char *head, uint32_t count,
                       int html_as_text, HWND owner);

// A whole file seen through a read-only mapping.
struct file_view {
    HANDLE mapping;
    const unsigned char *bytes;
    uint64_t size;
};

// 1 with the view open; 0 when the file cannot be mapped whole (too large for
// the address space, say).
int map_whole_file(HANDLE file, uint64_t size, file_view *view);
void unmap_file(file_view *view);

// What went wrong with an archive (a ZIP_ result of formats/zip_reader.h), in
// the words the user is shown.
const char *archive_failure_text(int result);
