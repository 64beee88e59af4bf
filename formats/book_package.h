// The text of a book: an EPUB's chapters in the order its package document's
// spine gives, a DOCX's body, an FB2 inside a ZIP, or an FB2 in memory; each
// entry streamed from the archive through the XML reader to a unit sink.
// Refuses: what zip_reader and xml_reader refuse, a package document over
// BOOK_PACKAGE_LIMIT bytes, more than BOOK_ITEMS manifest items or spine
// entries, manifest names over BOOK_POOL_SIZE bytes in all, a path, id or href
// of BOOK_PATH_SIZE bytes or more, and a spine that leads outside the archive.
#pragma once
#include "formats/xml_text.h"
#include "formats/zip_reader.h"

enum {
    BOOK_OK = 0,
    BOOK_NOT_ARCHIVE,       // no ZIP archive
    BOOK_DAMAGED,           // the directory or an entry's data lies outside the file
    BOOK_UNSUPPORTED,       // ZIP64, split, encrypted, or a method other than stored and deflate
    BOOK_NO_PACKAGE,        // EPUB: no container, no package document named or found, empty spine
    BOOK_PACKAGE_TOO_LARGE, // EPUB: the package document is past one of the bounds
    BOOK_MISSING_CHAPTER,   // a spine item, word/document.xml or the .fb2 is not in the archive
    BOOK_NOT_WELL_FORMED,   // a chapter, document or package document is not XML we read
    BOOK_UNSUPPORTED_ENCODING, // ... or is in an encoding that cannot be decoded
    BOOK_BAD_DATA,             // an entry does not inflate, ends short or fails its checksum
    BOOK_TOO_LONG,             // an entry inflates past the size its directory declares
    BOOK_STOPPED,              // the unit sink asked to stop
};

enum {
    BOOK_ITEMS = 4096,
    BOOK_PATH_SIZE = 1024,
    BOOK_MEDIA_TYPE_SIZE = 128,
    BOOK_POOL_SIZE = 512 * 1024,
    BOOK_PACKAGE_LIMIT = 4 * 1024 * 1024,
};

// Where a manifest item's id and href stand in the pool.
struct book_item {
    uint32_t id, id_length;
    uint32_t href, href_length;
    int skipped; // the navigation document, the NCX, or not a document
};

// The spine entry's idref in the pool.
struct book_spine_entry {
    uint32_t idref, idref_length;
};

// About 650 KiB: keep one for the process rather than on the stack.
struct book_reader {
    xml_text_state text;
    const zip_archive *zip;
    int failure; // set by the package handlers, which stop the reader to report it

    // The attributes of the element being read in container.xml or the
    // package document: id or idref, href or full-path, media-type.
    char id[BOOK_PATH_SIZE];
    uint32_t id_length;
    char href[BOOK_PATH_SIZE];
    uint32_t href_length;
    char media_type[BOOK_MEDIA_TYPE_SIZE];
    uint32_t media_type_length;
    int navigation; // properties="nav"
    int excluded;   // linear="no"
    uint32_t in_manifest, in_spine;

    char package_path[BOOK_PATH_SIZE];
    uint32_t package_path_length;
    char entry_path[2 * BOOK_PATH_SIZE];
    uint32_t items, spine_length, pool_used;
    book_item manifest[BOOK_ITEMS];
    book_spine_entry spine[BOOK_ITEMS];
    char pool[BOOK_POOL_SIZE];
};

// kind is FILE_EPUB, FILE_DOCX, FILE_FB2_ZIP or FILE_FB2 (the bytes are the
// book itself). Returns BOOK_OK or why the book is refused; the sink may have
// received text before a refusal.
int read_book_text(book_reader *book, int kind, const unsigned char *bytes, uint64_t size,
                   code_page_table code_pages, unit_sink sink, void *sink_context);
