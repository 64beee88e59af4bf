// Refuses: ZIP64, split archives, encryption, methods other than stored and
// deflate, and every offset, length or count that would reach past the bytes.
#include "formats/zip_reader.h"

#include <string.h>
#include <zlib.h>

enum {
    END_RECORD_SIZE = 22,
    END_COMMENT_MAX = 0xFFFF,
    DIRECTORY_ENTRY_SIZE = 46,
    LOCAL_HEADER_SIZE = 30,
    FLAG_ENCRYPTED = 0x0001,
    FLAG_STRONG_ENCRYPTION = 0x0040,
    METHOD_STORED = 0,
    METHOD_DEFLATED = 8,
    OUTPUT_BUFFER_SIZE = 64 * 1024,
};

// ZIP64 puts these in the 16- and 32-bit fields and the real values elsewhere.
static const uint32_t ZIP64_MARK_16 = 0xFFFF, ZIP64_MARK_32 = 0xFFFFFFFF;

static uint32_t read_16(const unsigned char *p) {
    return (uint32_t)p[0] | (uint32_t)p[1] << 8;
}

static uint32_t read_32(const unsigned char *p) {
    return read_16(p) | read_16(p + 2) << 16;
}

static int is_signature(const unsigned char *p, unsigned char third, unsigned char fourth) {
    return p[0] == 'P' && p[1] == 'K' && p[2] == third && p[3] == fourth;
}

// The end of central directory record, searched backwards over the room a
// comment may take; its offset in *at.
static int find_end_record(const unsigned char *bytes, uint64_t size, uint64_t *at) {
    if (size < END_RECORD_SIZE)
        return 0;
    uint64_t last = size - END_RECORD_SIZE;
    uint64_t first = last > END_COMMENT_MAX ? last - END_COMMENT_MAX : 0;
    for (uint64_t p = last + 1; p-- > first;)
        if (is_signature(bytes + p, 5, 6) &&
            p + END_RECORD_SIZE + read_16(bytes + p + 20) <= size) {
            *at = p;
            return 1;
        }
    return 0;
}

// The entry at *cursor, which must lie within the first directory_size bytes
// of the directory; *cursor moves past it.
static int read_directory_entry(const zip_archive *zip, uint64_t directory_size, uint64_t *cursor,
                                zip_entry *entry) {
    if (*cursor > directory_size || directory_size - *cursor < DIRECTORY_ENTRY_SIZE)
        return ZIP_DAMAGED;
    const unsigned char *p = zip->bytes + zip->directory + *cursor;
    if (!is_signature(p, 1, 2))
        return ZIP_DAMAGED;
    uint64_t length =
        (uint64_t)DIRECTORY_ENTRY_SIZE + read_16(p + 28) + read_16(p + 30) + read_16(p + 32);
    if (directory_size - *cursor < length)
        return ZIP_DAMAGED;
    entry->name = (const char *)p + DIRECTORY_ENTRY_SIZE;
    entry->name_length = read_16(p + 28);
    entry->flags = read_16(p + 8);
    entry->method = read_16(p + 10);
    entry->crc32 = read_32(p + 16);
    entry->compressed_size = read_32(p + 20);
    entry->size = read_32(p + 24);
    entry->local_header = read_32(p + 42);
    *cursor += length;
    if (entry->compressed_size == ZIP64_MARK_32 || entry->size == ZIP64_MARK_32 ||
        entry->local_header == ZIP64_MARK_32 || read_16(p + 34) == ZIP64_MARK_16)
        return ZIP_UNSUPPORTED;
    return ZIP_OK;
}

int zip_open(zip_archive *zip, const unsigned char *bytes, uint64_t size) {
    uint64_t end;
    if (!find_end_record(bytes, size, &end))
        // An archive cut short has lost its end but still begins like one.
        return size >= 4 && is_signature(bytes, 3, 4) ? ZIP_DAMAGED : ZIP_NOT_ARCHIVE;
    const unsigned char *e = bytes + end;
    uint32_t disk = read_16(e + 4), directory_disk = read_16(e + 6);
    uint32_t entries_here = read_16(e + 8), entries = read_16(e + 10);
    uint32_t declared_size = read_32(e + 12), offset = read_32(e + 16);
    if (entries == ZIP64_MARK_16 || declared_size == ZIP64_MARK_32 || offset == ZIP64_MARK_32)
        return ZIP_UNSUPPORTED;
    if (disk != 0 || directory_disk != 0 || entries_here != entries)
        return ZIP_UNSUPPORTED;
    if ((uint64_t)offset + declared_size > end ||
        (uint64_t)entries * DIRECTORY_ENTRY_SIZE > declared_size)
        return ZIP_DAMAGED;
    zip->bytes = bytes;
    zip->size = size;
    zip->directory = offset;
    zip->entry_count = entries;
    // Measured once here, so that a walk stops after the last counted entry.
    uint64_t cursor = 0;
    for (uint32_t i = 0; i < entries; i++) {
        zip_entry entry;
        int result = read_directory_entry(zip, declared_size, &cursor, &entry);
        if (result != ZIP_OK)
            return result;
    }
    zip->directory_size = cursor;
    return ZIP_OK;
}

int zip_next_entry(const zip_archive *zip, uint64_t *cursor, zip_entry *entry) {
    if (*cursor == zip->directory_size)
        return ZIP_NO_ENTRY;
    return read_directory_entry(zip, zip->directory_size, cursor, entry);
}

int zip_find_entry(const zip_archive *zip, const char *name, uint32_t name_length,
                   zip_entry *entry) {
    uint64_t cursor = 0;
    int result;
    while ((result = zip_next_entry(zip, &cursor, entry)) == ZIP_OK)
        if (entry->name_length == name_length && memcmp(entry->name, name, name_length) == 0)
            return ZIP_OK;
    return result;
}

// Where the sink's bytes go and what is checked about them on the way.
struct entry_output {
    const zip_entry *entry;
    zip_sink sink;
    void *context;
    uint64_t total;
    uLong crc;
};

static int deliver(entry_output *out, const unsigned char *bytes, uint32_t count) {
    if (count > out->entry->size - out->total)
        return ZIP_TOO_LONG;
    out->total += count;
    out->crc = crc32(out->crc, bytes, count);
    return out->sink(out->context, bytes, count) ? ZIP_OK : ZIP_STOPPED;
}

static int finish(const entry_output *out) {
    return out->total == out->entry->size && out->crc == out->entry->crc32 ? ZIP_OK : ZIP_BAD_DATA;
}

static int read_stored(entry_output *out, const unsigned char *data) {
    for (uint64_t at = 0; at < out->entry->compressed_size;) {
        uint64_t left = out->entry->compressed_size - at;
        uint32_t count = left < OUTPUT_BUFFER_SIZE ? (uint32_t)left : (uint32_t)OUTPUT_BUFFER_SIZE;
        int result = deliver(out, data + at, count);
        if (result != ZIP_OK)
            return result;
        at += count;
    }
    return finish(out);
}

static int read_deflated(entry_output *out, const unsigned char *data) {
    unsigned char buffer[OUTPUT_BUFFER_SIZE];
    z_stream stream;
    memset(&stream, 0, sizeof stream);
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return ZIP_BAD_DATA;
    stream.next_in = (Bytef *)data;
    stream.avail_in = (uInt)out->entry->compressed_size;
    int result;
    for (;;) {
        stream.next_out = buffer;
        stream.avail_out = sizeof buffer;
        int status = inflate(&stream, Z_NO_FLUSH);
        uint32_t produced = (uint32_t)(sizeof buffer - stream.avail_out);
        if (produced != 0 && (result = deliver(out, buffer, produced)) != ZIP_OK)
            break;
        if (status == Z_STREAM_END) {
            result = finish(out);
            break;
        }
        // Z_BUF_ERROR: the input ran out before the stream's end.
        if (status != Z_OK) {
            result = ZIP_BAD_DATA;
            break;
        }
    }
    inflateEnd(&stream);
    return result;
}

int zip_read_entry(const zip_archive *zip, const zip_entry *entry, zip_sink sink, void *context) {
    if (entry->flags & (FLAG_ENCRYPTED | FLAG_STRONG_ENCRYPTION))
        return ZIP_UNSUPPORTED;
    if (entry->method != METHOD_STORED && entry->method != METHOD_DEFLATED)
        return ZIP_UNSUPPORTED;
    // zlib counts its input in 32 bits.
    if (entry->compressed_size >= ZIP64_MARK_32)
        return ZIP_UNSUPPORTED;
    uint64_t header = entry->local_header;
    if (header > zip->size || zip->size - header < LOCAL_HEADER_SIZE ||
        !is_signature(zip->bytes + header, 3, 4))
        return ZIP_DAMAGED;
    const unsigned char *h = zip->bytes + header;
    uint64_t data = header + LOCAL_HEADER_SIZE + read_16(h + 26) + read_16(h + 28);
    if (data > zip->size || zip->size - data < entry->compressed_size)
        return ZIP_DAMAGED;
    entry_output out = {entry, sink, context, 0, crc32(0, Z_NULL, 0)};
    if (entry->method == METHOD_STORED)
        return read_stored(&out, zip->bytes + data);
    return read_deflated(&out, zip->bytes + data);
}
