#include "formats/book_package.h"
#include "formats/archive_kind.h"
#include "formats/file_kind.h"

#include <string.h>

static const char container_path[] = "META-INF/container.xml";
static const char package_media_type[] = "application/oebps-package+xml";
static const char docx_document_path[] = "word/document.xml";

static int book_failure_of_zip(int failure) {
    switch (failure) {
    case ZIP_OK: return BOOK_OK;
    case ZIP_NOT_ARCHIVE: return BOOK_NOT_ARCHIVE;
    case ZIP_UNSUPPORTED: return BOOK_UNSUPPORTED;
    case ZIP_BAD_DATA: return BOOK_BAD_DATA;
    case ZIP_TOO_LONG: return BOOK_TOO_LONG;
    case ZIP_NO_ENTRY: return BOOK_MISSING_CHAPTER;
    default: return BOOK_DAMAGED;
    }
}

static int book_failure_of_xml(int failure) {
    switch (failure) {
    case XML_OK: return BOOK_OK;
    case XML_UNSUPPORTED_ENCODING: return BOOK_UNSUPPORTED_ENCODING;
    case XML_STOPPED: return BOOK_STOPPED;
    default: return BOOK_NOT_WELL_FORMED;
    }
}

// Stops the reading with a failure of the book's own.
static int refuse(book_reader *book, int failure) {
    if (book->failure == BOOK_OK)
        book->failure = failure;
    return 0;
}

static int same_text(const char *a, uint32_t a_length, const char *b) {
    return strlen(b) == a_length && memcmp(a, b, a_length) == 0;
}

// An element's name without its prefix is this one.
static int local_name_is(const char *name, uint32_t length, const char *local) {
    uint32_t n = (uint32_t)strlen(local);
    return (length == n || (length > n && name[length - n - 1] == ':')) &&
           memcmp(name + length - n, local, n) == 0;
}

static int feed_entry_bytes(void *context, const unsigned char *bytes, uint32_t count) {
    book_reader *book = (book_reader *)context;
    return feed_xml_reader(&book->text.reader, bytes, count) == XML_OK;
}

// Streams an entry through the reader as it stands (handler and all) to the
// end of the document.
static int read_xml_entry(book_reader *book, const zip_entry *entry) {
    int zip_failure = zip_read_entry(book->zip, entry, feed_entry_bytes, book);
    int xml_failure = book->text.reader.failure;
    if (zip_failure == ZIP_OK)
        xml_failure = finish_xml_reader(&book->text.reader);
    else if (zip_failure != ZIP_STOPPED)
        return book_failure_of_zip(zip_failure);
    if (book->failure != BOOK_OK)
        return book->failure;
    return book_failure_of_xml(xml_failure);
}

// Keeps an attribute value in one of the element's buffers.
static int keep_value(book_reader *book, char *buffer, uint32_t size, uint32_t *length,
                      const char *value, uint32_t value_length, int value_cut) {
    if (value_cut || value_length >= size)
        return refuse(book, BOOK_PACKAGE_TOO_LARGE);
    memcpy(buffer, value, value_length);
    *length = value_length;
    return 1;
}

static void forget_attributes(book_reader *book) {
    book->id_length = 0;
    book->href_length = 0;
    book->media_type_length = 0;
    book->navigation = 0;
    book->excluded = 0;
}

// Whether a space-separated list holds the word.
static int holds_word(const char *list, uint32_t length, const char *word) {
    uint32_t n = (uint32_t)strlen(word);
    for (uint32_t start = 0; start < length;) {
        uint32_t end = start;
        while (end < length && list[end] != ' ')
            end++;
        if (end - start == n && memcmp(list + start, word, n) == 0)
            return 1;
        start = end + 1;
    }
    return 0;
}

static int keep_package_attribute(xml_reader *reader, const char *name, uint32_t length,
                                  const char *value, uint32_t value_length, int value_cut) {
    book_reader *book = (book_reader *)reader->context;
    if (same_text(name, length, "id") || same_text(name, length, "idref"))
        return keep_value(book, book->id, BOOK_PATH_SIZE, &book->id_length, value, value_length,
                          value_cut);
    if (same_text(name, length, "href") || same_text(name, length, "full-path"))
        return keep_value(book, book->href, BOOK_PATH_SIZE, &book->href_length, value, value_length,
                          value_cut);
    if (same_text(name, length, "media-type")) {
        // A longer media type is none the reader looks for.
        if (value_length >= BOOK_MEDIA_TYPE_SIZE)
            value_length = 0;
        memcpy(book->media_type, value, value_length);
        book->media_type_length = value_length;
    } else if (same_text(name, length, "properties")) {
        book->navigation = holds_word(value, value_length, "nav");
    } else if (same_text(name, length, "linear")) {
        book->excluded = same_text(value, value_length, "no");
    }
    return 1;
}

static int open_container_element(xml_reader *reader, const char *, uint32_t) {
    forget_attributes((book_reader *)reader->context);
    return 1;
}

// The first rootfile that is a package document names it.
static int close_container_element(xml_reader *reader, const char *name, uint32_t length) {
    book_reader *book = (book_reader *)reader->context;
    if (local_name_is(name, length, "rootfile") && book->package_path_length == 0 &&
        book->href_length > 0 &&
        same_text(book->media_type, book->media_type_length, package_media_type)) {
        memcpy(book->package_path, book->href, book->href_length);
        book->package_path_length = book->href_length;
    }
    return 1;
}

static const xml_handler container_handler = {open_container_element, keep_package_attribute,
                                              close_container_element};

static int pool_text(book_reader *book, const char *text, uint32_t length, uint32_t *at) {
    if (BOOK_POOL_SIZE - book->pool_used < length)
        return refuse(book, BOOK_PACKAGE_TOO_LARGE);
    memcpy(book->pool + book->pool_used, text, length);
    *at = book->pool_used;
    book->pool_used += length;
    return 1;
}

// Only XHTML (or HTML) documents hold text; the navigation document and the
// NCX are tables of contents.
static int is_skipped(const book_reader *book) {
    const char *type = book->media_type;
    uint32_t length = book->media_type_length;
    return book->navigation || (length && !same_text(type, length, "application/xhtml+xml") &&
                                !same_text(type, length, "text/html"));
}

static int add_manifest_item(book_reader *book) {
    if (book->id_length == 0 || book->href_length == 0)
        return 1;
    if (book->items == BOOK_ITEMS)
        return refuse(book, BOOK_PACKAGE_TOO_LARGE);
    book_item *item = &book->manifest[book->items];
    if (!pool_text(book, book->id, book->id_length, &item->id) ||
        !pool_text(book, book->href, book->href_length, &item->href))
        return 0;
    item->id_length = book->id_length;
    item->href_length = book->href_length;
    item->skipped = is_skipped(book);
    book->items++;
    return 1;
}

static int add_spine_entry(book_reader *book) {
    if (book->id_length == 0 || book->excluded)
        return 1;
    if (book->spine_length == BOOK_ITEMS)
        return refuse(book, BOOK_PACKAGE_TOO_LARGE);
    book_spine_entry *entry = &book->spine[book->spine_length];
    if (!pool_text(book, book->id, book->id_length, &entry->idref))
        return 0;
    entry->idref_length = book->id_length;
    book->spine_length++;
    return 1;
}

static int open_package_element(xml_reader *reader, const char *name, uint32_t length) {
    book_reader *book = (book_reader *)reader->context;
    if (local_name_is(name, length, "manifest"))
        book->in_manifest++;
    else if (local_name_is(name, length, "spine"))
        book->in_spine++;
    forget_attributes(book);
    return 1;
}

static int close_package_element(xml_reader *reader, const char *name, uint32_t length) {
    book_reader *book = (book_reader *)reader->context;
    if (local_name_is(name, length, "manifest"))
        book->in_manifest--;
    else if (local_name_is(name, length, "spine"))
        book->in_spine--;
    else if (book->in_manifest && local_name_is(name, length, "item"))
        return add_manifest_item(book);
    else if (book->in_spine && local_name_is(name, length, "itemref"))
        return add_spine_entry(book);
    return 1;
}

static const xml_handler package_handler = {open_package_element, keep_package_attribute,
                                            close_package_element};

// Reads a part of the package (container.xml, the package document) with its
// handler, refusing it past the package bound.
static int read_package_part(book_reader *book, const char *path, uint32_t length,
                             const xml_handler *handler, code_page_table code_pages) {
    zip_entry entry;
    int found = zip_find_entry(book->zip, path, length, &entry);
    if (found == ZIP_NO_ENTRY)
        return BOOK_NO_PACKAGE;
    if (found != ZIP_OK)
        return book_failure_of_zip(found);
    if (entry.size > BOOK_PACKAGE_LIMIT)
        return BOOK_PACKAGE_TOO_LARGE;
    begin_xml_reader(&book->text.reader, handler, book, code_pages, 0, 0);
    return read_xml_entry(book, &entry);
}

// Appends one segment of an href, percent-decoded, and a '/'; 0 when the path
// would not fit.
static int append_segment(char *path, uint32_t *length, const char *segment, uint32_t n) {
    const uint32_t size = 2 * BOOK_PATH_SIZE;
    for (uint32_t i = 0; i < n; i++) {
        char c = segment[i];
        if (c == '%' && i + 2 < n && hex_digit(segment[i + 1]) >= 0 &&
            hex_digit(segment[i + 2]) >= 0) {
            c = (char)(hex_digit(segment[i + 1]) << 4 | hex_digit(segment[i + 2]));
            i += 2;
        }
        if (*length == size)
            return 0;
        path[(*length)++] = c;
    }
    if (*length == size)
        return 0;
    path[(*length)++] = '/';
    return 1;
}

// The archive path of an href, taken relative to the package document's
// folder: its fragment dropped, "." and ".." segments resolved, each segment
// percent-decoded. 0 when it leads above the archive's root.
static int resolve_href(book_reader *book, const char *href, uint32_t href_length,
                        uint32_t *length) {
    char *path = book->entry_path;
    uint32_t n = 0;
    for (uint32_t i = 0; i < book->package_path_length; i++)
        if (book->package_path[i] == '/')
            n = i + 1;
    memcpy(path, book->package_path, n);
    const void *fragment = memchr(href, '#', href_length);
    if (fragment)
        href_length = (uint32_t)((const char *)fragment - href);
    if (href_length && href[0] == '/')
        n = 0;
    for (uint32_t start = 0; start < href_length;) {
        uint32_t end = start;
        while (end < href_length && href[end] != '/')
            end++;
        const char *segment = href + start;
        uint32_t segment_length = end - start;
        start = end + 1;
        if (segment_length == 0 || same_text(segment, segment_length, "."))
            continue;
        if (same_text(segment, segment_length, "..")) {
            if (n == 0)
                return 0;
            // Back past the last segment and its '/'.
            n--;
            while (n > 0 && path[n - 1] != '/')
                n--;
            continue;
        }
        if (!append_segment(path, &n, segment, segment_length))
            return 0;
    }
    *length = n ? n - 1 : 0;
    return 1;
}

static const book_item *find_item(const book_reader *book, const book_spine_entry *entry) {
    const char *idref = book->pool + entry->idref;
    for (uint32_t i = 0; i < book->items; i++) {
        const book_item *item = &book->manifest[i];
        if (item->id_length == entry->idref_length &&
            memcmp(book->pool + item->id, idref, entry->idref_length) == 0)
            return item;
    }
    return 0;
}

static int read_chapters(book_reader *book, code_page_table code_pages, unit_sink sink,
                         void *sink_context) {
    begin_xml_text(&book->text, XML_TEXT_XHTML, code_pages, sink, sink_context);
    int first = 1;
    for (uint32_t i = 0; i < book->spine_length; i++) {
        const book_item *item = find_item(book, &book->spine[i]);
        if (!item)
            return BOOK_MISSING_CHAPTER;
        if (item->skipped)
            continue;
        uint32_t length;
        zip_entry entry;
        if (!resolve_href(book, book->pool + item->href, item->href_length, &length) ||
            zip_find_entry(book->zip, book->entry_path, length, &entry) != ZIP_OK)
            return BOOK_MISSING_CHAPTER;
        if (!first)
            next_xml_text_document(&book->text);
        first = 0;
        int failure = read_xml_entry(book, &entry);
        if (failure != BOOK_OK)
            return failure;
    }
    return BOOK_OK;
}

static int read_epub(book_reader *book, code_page_table code_pages, unit_sink sink,
                     void *sink_context) {
    int failure = read_package_part(book, container_path, sizeof container_path - 1,
                                    &container_handler, code_pages);
    if (failure != BOOK_OK)
        return failure;
    if (book->package_path_length == 0)
        return BOOK_NO_PACKAGE;
    failure = read_package_part(book, book->package_path, book->package_path_length,
                                &package_handler, code_pages);
    if (failure != BOOK_OK)
        return failure;
    if (book->spine_length == 0)
        return BOOK_NO_PACKAGE;
    return read_chapters(book, code_pages, sink, sink_context);
}

// The text of one XML entry: word/document.xml, or the .fb2.
static int read_one_document(book_reader *book, int profile, const zip_entry *entry,
                             code_page_table code_pages, unit_sink sink, void *sink_context) {
    begin_xml_text(&book->text, profile, code_pages, sink, sink_context);
    return read_xml_entry(book, entry);
}

static int read_bare_fb2(book_reader *book, const unsigned char *bytes, uint64_t size,
                         code_page_table code_pages, unit_sink sink, void *sink_context) {
    begin_xml_text(&book->text, XML_TEXT_FB2, code_pages, sink, sink_context);
    const uint32_t piece = 1u << 30;
    for (uint64_t at = 0; at < size; at += piece) {
        uint64_t left = size - at;
        int failure = feed_xml_text(&book->text, bytes + at, left < piece ? (uint32_t)left : piece);
        if (failure != XML_OK)
            return book_failure_of_xml(failure);
    }
    return book_failure_of_xml(finish_xml_text(&book->text));
}

int read_book_text(book_reader *book, int kind, const unsigned char *bytes, uint64_t size,
                   code_page_table code_pages, unit_sink sink, void *sink_context) {
    book->failure = BOOK_OK;
    book->package_path_length = 0;
    book->items = 0;
    book->spine_length = 0;
    book->pool_used = 0;
    book->in_manifest = 0;
    book->in_spine = 0;
    if (kind == FILE_FB2)
        return read_bare_fb2(book, bytes, size, code_pages, sink, sink_context);
    zip_archive zip;
    int opened = zip_open(&zip, bytes, size);
    if (opened != ZIP_OK)
        return book_failure_of_zip(opened);
    book->zip = &zip;
    zip_entry entry;
    int failure = BOOK_UNSUPPORTED;
    if (kind == FILE_EPUB) {
        failure = read_epub(book, code_pages, sink, sink_context);
    } else if (kind == FILE_DOCX || kind == FILE_FB2_ZIP) {
        int found = kind == FILE_DOCX ? zip_find_entry(&zip, docx_document_path,
                                                       sizeof docx_document_path - 1, &entry)
                                      : find_fb2_entry(&zip, &entry);
        failure = found != ZIP_OK
                      ? book_failure_of_zip(found)
                      : read_one_document(book, kind == FILE_DOCX ? XML_TEXT_DOCX : XML_TEXT_FB2,
                                          &entry, code_pages, sink, sink_context);
    }
    book->zip = 0;
    return failure;
}
