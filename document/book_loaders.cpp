// Books: EPUB, DOCX and FB2 (alone or in a ZIP), read from a view of the whole
// file and turned into the system's code page.
#include "document/ansi_output.h"
#include "document/document_block.h"
#include "document/file_kinds.h"
#include "document/file_loaders.h"
#include "formats/book_package.h"
#include "formats/file_kind.h"
#include "ui/message_box.h"

// Each character of the text takes at least one byte of the XML it comes
// from, so the inflated entries bound the text; the book must fit in 4 GB.
static uint64_t text_bound(int kind, const unsigned char *bytes, uint64_t size) {
    if (kind == FILE_FB2)
        return size;
    zip_archive zip;
    if (zip_open(&zip, bytes, size) != ZIP_OK)
        return 0;
    uint64_t bound = 0, cursor = 0;
    zip_entry entry;
    while (zip_next_entry(&zip, &cursor, &entry) == ZIP_OK && bound < 0xFFFFFFFFu)
        bound += entry.size;
    return bound;
}

struct book_failure {
    int result;
    const char *text;
};

static const book_failure book_failures[] = {
    {BOOK_NOT_ARCHIVE, "The book's archive is damaged: its directory cannot be read."},
    {BOOK_DAMAGED, "The book's archive is damaged: a part of it lies outside the file."},
    {BOOK_UNSUPPORTED, "The book's archive is of a kind Tavrin cannot read."},
    {BOOK_NO_PACKAGE, "The book has no package document to say what its chapters are."},
    {BOOK_PACKAGE_TOO_LARGE, "The book's package document is larger than Tavrin can read."},
    {BOOK_MISSING_CHAPTER, "A chapter of the book is missing from its archive."},
    {BOOK_NOT_WELL_FORMED, "A chapter of the book is not well-formed XML."},
    {BOOK_UNSUPPORTED_ENCODING, "A chapter of the book is in an encoding Tavrin cannot read."},
    {BOOK_BAD_DATA, "A part of the book's archive does not unpack: the archive is damaged."},
    {BOOK_TOO_LONG,
     "A part of the book's archive unpacks to more than it declares: the archive is damaged."},
    {BOOK_STOPPED, "The book's text is larger than Tavrin can hold."},
};

static void refuse_book(int result) {
    const char *text = "The book cannot be read.";
    for (const book_failure &f : book_failures)
        if (f.result == result)
            text = f.text;
    show_message_box(NULL, text, NULL);
}

// The reader's state is large; one serves the whole run.
static book_reader book;

void load_book(HANDLE file, uint64_t size, int kind) {
    file_view view;
    if (!map_whole_file(file, size, &view)) {
        show_message_box(NULL, "GlobalAlloc failed!", NULL);
        return;
    }
    uint64_t bound = text_bound(kind, view.bytes, size);
    if (bound >= 0xFFFFFFFFu) {
        unmap_file(&view);
        refuse_book(BOOK_STOPPED);
        return;
    }
    // Pages of the block that the text does not reach are never touched.
    unsigned char *text = resize_text_block((uint32_t)bound);
    if (!text) {
        unmap_file(&view);
        show_message_box(NULL, "GlobalAlloc failed!", NULL);
        return;
    }
    ansi_output out;
    begin_ansi_output(&out, text, (uint32_t)bound);
    int result = read_book_text(&book, kind, view.bytes, size, system_code_page_table,
                                put_units_as_ansi, &out);
    unmap_file(&view);
    if (result != BOOK_OK) {
        // The welcome text, as after every refused file.
        commit_text_block(0);
        reset_document();
        refuse_book(result);
        return;
    }
    shrink_text_block(out.length);
    commit_text_block(out.length);
}
