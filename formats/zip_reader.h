// Reading a ZIP archive that lies whole in memory: its central directory and
// its stored or deflated entries.
#pragma once
#include <stdint.h>

enum { ZIP_OK = 0, ZIP_NOT_ARCHIVE, ZIP_DAMAGED, ZIP_NO_ENTRY, ZIP_UNSUPPORTED, ZIP_BAD_DATA, ZIP_TOO_LONG, ZIP_STOPPED };

// directory and directory_size: where the central directory's entry_count
// entries lie, as zip_open measured them.
struct zip_archive { const unsigned char *bytes; uint64_t size; uint64_t directory; uint64_t directory_size; uint32_t entry_count; };

// name points into the archive's bytes and is not zero-terminated. crc32 is
// the checksum of the inflated bytes.
struct zip_entry { const char *name; uint32_t name_length; uint32_t method; uint32_t flags; uint64_t compressed_size; uint64_t size; uint64_t local_header; uint32_t crc32; };

// ZIP_OK or why not: ZIP_NOT_ARCHIVE when no end of directory is found and the
// bytes do not begin like an archive either, ZIP_DAMAGED when the directory
// does not lie whole within the bytes, ZIP_UNSUPPORTED for ZIP64 and archives
// split over several files.
int zip_open(zip_archive *zip, const unsigned char *bytes, uint64_t size);

// Walks the central directory: *cursor starts at 0; ZIP_OK and the next entry, ZIP_NO_ENTRY past the last, or ZIP_DAMAGED.
int zip_next_entry(const zip_archive *zip, uint64_t *cursor, zip_entry *entry);

// The entry of exactly this name (names are compared byte for byte), or ZIP_NO_ENTRY.
int zip_find_entry(const zip_archive *zip, const char *name, uint32_t name_length, zip_entry *entry);

// Receives inflated bytes in order; returns 1 to go on, 0 to stop (then ZIP_STOPPED).
typedef int (*zip_sink)(void *context, const unsigned char *bytes, uint32_t count);

// Stored (0) and deflated (8) entries, streamed through a fixed buffer: never allocates from a size read in the file. ZIP_TOO_LONG as soon as the output passes entry->size; ZIP_BAD_DATA when it does not inflate or ends short of entry->size; ZIP_UNSUPPORTED for encryption or other methods.
// ZIP_BAD_DATA too when the bytes do not match entry->crc32, which is known
// only at the end; ZIP_DAMAGED when the entry's data does not lie within the
// archive.
int zip_read_entry(const zip_archive *zip, const zip_entry *entry, zip_sink sink, void *context);
