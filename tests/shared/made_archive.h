// ZIP archives made in memory as a plain writer makes them, with where their
// parts begin so that a test can damage one field; for the native and the
// Wine tests alike.
#pragma once
#include <stdint.h>
#include <string>
#include <vector>
#include <zlib.h>

// flush Z_FINISH ends the stream; Z_FULL_FLUSH leaves it open on a byte
// boundary with nothing to refer back to, so that its bytes can be repeated.
inline std::string raw_deflate(const std::string &data, int flush = Z_FINISH) {
    z_stream s = {};
    deflateInit2(&s, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&s, data.size()), '\0');
    s.next_in = (Bytef *)data.data();
    s.avail_in = (uInt)data.size();
    s.next_out = (Bytef *)&out[0];
    s.avail_out = (uInt)out.size();
    deflate(&s, flush);
    out.resize(s.total_out);
    deflateEnd(&s);
    return out;
}

inline uint32_t crc_of(const std::string &data) {
    return (uint32_t)crc32(0, (const Bytef *)data.data(), (uInt)data.size());
}

inline void put_16(std::string &bytes, size_t at, uint32_t value) {
    bytes[at] = (char)value;
    bytes[at + 1] = (char)(value >> 8);
}

inline void put_32(std::string &bytes, size_t at, uint32_t value) {
    put_16(bytes, at, value & 0xFFFF);
    put_16(bytes, at + 2, value >> 16);
}

inline std::string le_16(uint32_t value) { return {(char)value, (char)(value >> 8)}; }

inline std::string le_32(uint32_t value) { return le_16(value & 0xFFFF) + le_16(value >> 16); }

struct made_entry {
    std::string name, data;
    uint32_t method = 8;
    // When not empty: the entry's data as written, data then being only what
    // it declares to inflate to.
    std::string written = "";
    uint64_t declared_size = 0;
};

// An archive as a plain writer makes one, and where its parts begin, so that
// a test can damage one field.
struct made_archive {
    std::string bytes;
    std::vector<size_t> local, central;
    size_t end;
};

inline made_archive make_archive(const std::vector<made_entry> &entries) {
    made_archive zip;
    std::string directory;
    for (const made_entry &e : entries) {
        std::string written = !e.written.empty() ? e.written
                              : e.method == 8    ? raw_deflate(e.data)
                                                 : e.data;
        uint32_t size = !e.written.empty() ? (uint32_t)e.declared_size : (uint32_t)e.data.size();
        // Version needed, flags, method, time, date, CRC, sizes, name and extra lengths.
        std::string fields = le_16(20) + le_16(0) + le_16(e.method) + le_16(0) + le_16(0) +
                             le_32(crc_of(e.data)) + le_32((uint32_t)written.size()) +
                             le_32(size) + le_16((uint32_t)e.name.size()) + le_16(0);
        zip.local.push_back(zip.bytes.size());
        zip.central.push_back(directory.size());
        // Comment length, disk, attributes, local header offset.
        directory += "PK\1\2" + le_16(20) + fields + le_16(0) + le_16(0) + le_16(0) + le_32(0) +
                     le_32((uint32_t)zip.local.back()) + e.name;
        zip.bytes += "PK\3\4" + fields + e.name + written;
    }
    for (size_t &at : zip.central)
        at += zip.bytes.size();
    zip.end = zip.bytes.size() + directory.size();
    zip.bytes += directory + "PK\5\6" + le_16(0) + le_16(0) + le_16((uint32_t)entries.size()) +
                 le_16((uint32_t)entries.size()) + le_32((uint32_t)directory.size()) +
                 le_32((uint32_t)(zip.end - directory.size())) + le_16(0);
    return zip;
}
