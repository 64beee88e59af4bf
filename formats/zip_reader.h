// Reading a ZIP archive that lies whole in memory: its central directory and
// its stored or deflated entries.
#pragma once
#include <stdint.h>

enum {
    ZIP_OK = 0,
    ZIP_NOT_ARCHIVE,
    ZIP_DAMAGED,
    ZIP_NO_ENTRY,
    ZIP_UNSUPPORTED,
    ZIP_BAD_DATA,
    ZIP_TOO_LONG,
    ZIP_STOPPED
};

// directory and directory_size: where the central directory's entry_count
// entries lie, as zip_open measured them.
struct zip_archive {
    const unsigned char *bytes;
    uint64_t size;
    uint64_t directory;
    uint64_t directory_size;
    uint32_t entry_count;
};

// name points into the archive's bytes and is not zero-terminated. crc32 is
// the checksum of the inflated bytes.
struct zip_entry {
    const char *name;
    uint32_t name_length;
    uint32_t method;
    uint32_t flags;
    uint64_t compressed_size;
    uint64_t size;
    uint64_t local_header;
    uint32_t crc32;
};

// ZIP_OK or why not: ZIP_NOT_ARCHIVE when no end of directory is found and the
// bytes do not begin like an archive either, ZIP_DAMAGED when the directory
// does not lie whole within the bytes, ZIP_UNSUPPORTED for ZIP64 and archives
// split over several files.
int zip_open(zip_archive *zip, const unsigned char *bytes, uint64_t size);

// Walks the central directory: *cursor starts at 0; ZIP_OK and the next
// entry, ZIP_NO_ENTRY past the last, or ZIP_DAMAGED (ZIP_UNSUPPORTED for a
// ZIP64 entry, which zip_open has already refused).
int zip_next_entry(const zip_archive *zip, uint64_t *cursor, zip_entry *entry);

// The first entry of exactly this name, compared byte for byte, or
// ZIP_NO_ENTRY.
int zip_find_entry(const zip_archive *zip, const char *name, uint32_t name_length,
                   zip_entry *entry);

// Receives inflated bytes in order, at most 64 KiB at a time; returns 1 to go
// on, 0 to stop (then ZIP_STOPPED).
typedef int (*zip_sink)(void *context, const unsigned char *bytes, uint32_t count);

// Stored (0) and deflated (8) entries, streamed through a fixed 64 KiB buffer:
// never allocates from a size read in the file. ZIP_TOO_LONG as soon as the
// output passes entry->size (the bytes past it never reach the sink);
// ZIP_BAD_DATA when it does not inflate, ends short of entry->size or does
// not match entry->crc32 (known only at the end); ZIP_UNSUPPORTED for
// encryption or other methods; ZIP_DAMAGED when the local header or the data
// does not lie within the archive.
int zip_read_entry(const zip_archive *zip, const zip_entry *entry, zip_sink sink, void *context);
