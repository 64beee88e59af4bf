// The first step of telling a file's kind: what its first bytes alone can
// say, and which files need more of themselves read before anyone can tell.
#pragma once
#include <stdint.h>
#include "formats/file_kind.h"

enum {
    // A ZIP archive: its directory decides (decide_archive_kind).
    FILE_NEEDS_ARCHIVE = 100,
    // Bytes of 128 and above that are UTF-8 so far: the whole file decides
    // whether it is UTF-8 text or a text of the system's code page.
    FILE_NEEDS_SCAN = 101,
};

// First match wins: the Word signature, "<html>"/"<HTML>" (decide_file_kind's
// rules, html_as_text included); a byte-order mark (FictionBook XML as FILE_FB2,
// anything else as UTF-8 or UTF-16 text); a ZIP archive's first header; XML
// whose root element is FictionBook; pure 7-bit bytes; UTF-8 so far; the rest
// is FILE_UNRECOGNISED. count is how many bytes of the head the file had.
int decide_head_kind(const unsigned char head[FILE_HEAD_SIZE], uint32_t count, int html_as_text);

// Whether the text, ASCII or UTF-16 in either order, opens with an XML
// prologue (declaration, comments, processing instructions, a DOCTYPE, blanks)
// followed by the root element <FictionBook>.
int head_is_fiction_book(const unsigned char *head, uint32_t count);
