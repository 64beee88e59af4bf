#include "formats/archive_kind.h"

#include "formats/file_kind.h"

#include <string.h>

static const char epub_media_type[] = "application/epub+zip";

// The mimetype entry's bytes, as far as a short buffer holds them; a longer
// entry is stopped and so is no EPUB's.
struct short_text {
    char bytes[64];
    uint32_t length;
};

static int keep_short_text(void *context, const unsigned char *bytes, uint32_t count) {
    short_text *text = (short_text *)context;
    if (count > sizeof text->bytes - text->length)
        return 0;
    memcpy(text->bytes + text->length, bytes, count);
    text->length += count;
    return 1;
}

static int is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

static int is_epub(const zip_archive *zip) {
    zip_entry entry;
    if (zip_find_entry(zip, "mimetype", 8, &entry) != ZIP_OK)
        return 0;
    short_text text;
    text.length = 0;
    if (zip_read_entry(zip, &entry, keep_short_text, &text) != ZIP_OK)
        return 0;
    uint32_t start = 0, end = text.length;
    while (start < end && is_blank(text.bytes[start]))
        start++;
    while (end > start && is_blank(text.bytes[end - 1]))
        end--;
    return end - start == sizeof epub_media_type - 1 &&
           memcmp(text.bytes + start, epub_media_type, end - start) == 0;
}

static int lower(char c) {
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

static int ends_in_fb2(const zip_entry *entry) {
    static const char suffix[] = ".fb2";
    uint32_t length = sizeof suffix - 1;
    if (entry->name_length < length)
        return 0;
    const char *end = entry->name + entry->name_length - length;
    for (uint32_t i = 0; i < length; i++)
        if (lower(end[i]) != suffix[i])
            return 0;
    return 1;
}

int find_fb2_entry(const zip_archive *zip, zip_entry *entry) {
    uint64_t cursor = 0;
    zip_entry next;
    int found = 0;
    while (zip_next_entry(zip, &cursor, &next) == ZIP_OK)
        if (ends_in_fb2(&next)) {
            if (found)
                return ZIP_NO_ENTRY;
            *entry = next;
            found = 1;
        }
    return found ? ZIP_OK : ZIP_NO_ENTRY;
}

int decide_archive_kind(const zip_archive *zip) {
    zip_entry entry;
    if (is_epub(zip))
        return FILE_EPUB;
    if (zip_find_entry(zip, "word/document.xml", 17, &entry) == ZIP_OK)
        return FILE_DOCX;
    if (find_fb2_entry(zip, &entry) == ZIP_OK)
        return FILE_FB2_ZIP;
    return FILE_UNRECOGNISED;
}
