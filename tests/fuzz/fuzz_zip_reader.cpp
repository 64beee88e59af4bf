// The ZIP reader and the archive kinds on any bytes: every entry a walk gives
// lies within the bytes, the walk ends after the counted entries, reading never
// hands the sink more than the entry declares or more than a buffer at a time,
// and a read that succeeds gave exactly the declared size. Seed it with the
// books in tests/data/books and the words in zip_reader.dict.
#include "formats/archive_kind.h"
#include "formats/file_kind.h"
#include "formats/zip_reader.h"

#include <stdlib.h>

// Enough for any seed's entries; a bomb is cut off here by the sink.
static const uint64_t sink_limit = 4 << 20;

struct counted {
    uint64_t total;
};

static int count_bytes(void *context, const unsigned char *, uint32_t count) {
    counted *c = (counted *)context;
    if (count == 0 || count > 65536)
        abort();
    c->total += count;
    return c->total <= sink_limit;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    zip_archive zip;
    if (zip_open(&zip, data, size) != ZIP_OK)
        return 0;
    uint64_t cursor = 0;
    uint32_t listed = 0;
    zip_entry entry;
    int result;
    while ((result = zip_next_entry(&zip, &cursor, &entry)) == ZIP_OK) {
        listed++;
        const unsigned char *name = (const unsigned char *)entry.name;
        if (name < data || name + entry.name_length > data + size)
            abort();
        zip_entry found;
        if (zip_find_entry(&zip, entry.name, entry.name_length, &found) != ZIP_OK ||
            found.name_length != entry.name_length)
            abort();
        counted c = {0};
        int read = zip_read_entry(&zip, &entry, count_bytes, &c);
        if (c.total > entry.size || (read == ZIP_OK && c.total != entry.size) ||
            (read == ZIP_STOPPED && c.total <= sink_limit))
            abort();
    }
    if (result != ZIP_NO_ENTRY || listed != zip.entry_count)
        abort();
    int kind = decide_archive_kind(&zip);
    if (kind != FILE_EPUB && kind != FILE_DOCX && kind != FILE_FB2_ZIP && kind != FILE_UNRECOGNISED)
        abort();
    return 0;
}
