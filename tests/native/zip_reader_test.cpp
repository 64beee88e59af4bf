// The ZIP reader and the archive kinds over the books pandoc made and over
// archives made here, then damaged one field at a time.
#include <gtest/gtest.h>

#include "formats/archive_kind.h"
#include "formats/file_kind.h"
#include "formats/zip_reader.h"

#include <algorithm>
#include <initializer_list>
#include <string.h>
#include <string>
#include <vector>
#include <zlib.h>

#include "made_archive.h"

// A little-endian field of width bytes at an offset, and a copy of the bytes
// with some fields changed.
struct field {
    size_t at;
    int width;
    uint32_t value;
};

static std::string with_fields(std::string bytes, std::initializer_list<field> fields) {
    for (const field &f : fields)
        for (int i = 0; i < f.width; i++)
            bytes[f.at + i] = (char)(f.value >> 8 * i);
    return bytes;
}


static int open_bytes(zip_archive *zip, const std::string &bytes) {
    return zip_open(zip, (const unsigned char *)bytes.data(), bytes.size());
}

// What a sink received, stopping once more than limit bytes came.
struct collected {
    std::string bytes;
    uint64_t total = 0, limit = UINT64_MAX;
    uint32_t largest_piece = 0;
    int pieces = 0;
    bool keep = true;
};

static int collect(void *context, const unsigned char *bytes, uint32_t count) {
    collected *c = (collected *)context;
    c->total += count;
    c->pieces++;
    c->largest_piece = std::max(c->largest_piece, count);
    if (c->keep)
        c->bytes.append((const char *)bytes, count);
    return c->total <= c->limit;
}

static std::vector<zip_entry> list_entries(const zip_archive *zip, int *result) {
    std::vector<zip_entry> entries;
    uint64_t cursor = 0;
    zip_entry entry;
    while ((*result = zip_next_entry(zip, &cursor, &entry)) == ZIP_OK)
        entries.push_back(entry);
    return entries;
}

static std::string name_of(const zip_entry &entry) {
    return std::string(entry.name, entry.name_length);
}

TEST(ZipReader, BooksListAndInflateEveryEntry) {
    const struct {
        std::string label, file;
        size_t count;
        std::string first, last;
        // An entry whose bytes are known from elsewhere, and those bytes.
        std::string known, known_bytes;
    } cases[] = {
        {"EPUB 3", "story.epub", 11, "mimetype", "EPUB/text/ch003.xhtml", "mimetype",
         "application/epub+zip"},
        {"EPUB 2", "story2.epub", 11, "mimetype", "EPUB/text/ch003.xhtml", "", ""},
        {"DOCX", "story.docx", 16, "[Content_Types].xml", "word/webSettings.xml", "", ""},
        {"FB2 in a ZIP", "story.fb2.zip", 1, "story.fb2", "story.fb2", "story.fb2",
         read_book("story.fb2")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::string bytes = read_book(c.file);
        zip_archive zip;
        ASSERT_EQ(ZIP_OK, open_bytes(&zip, bytes));
        int end_result;
        std::vector<zip_entry> entries = list_entries(&zip, &end_result);
        EXPECT_EQ(ZIP_NO_ENTRY, end_result);
        ASSERT_EQ(c.count, entries.size());
        EXPECT_EQ(c.first, name_of(entries.front()));
        EXPECT_EQ(c.last, name_of(entries.back()));
        for (const zip_entry &entry : entries) {
            collected got;
            EXPECT_EQ(ZIP_OK, zip_read_entry(&zip, &entry, collect, &got)) << name_of(entry);
            EXPECT_EQ(entry.size, got.total) << name_of(entry);
            if (name_of(entry) == c.known) {
                EXPECT_EQ(c.known_bytes, got.bytes);
            }
        }
        if (!c.known.empty()) {
            zip_entry entry;
            EXPECT_EQ(ZIP_OK,
                      zip_find_entry(&zip, c.known.data(), (uint32_t)c.known.size(), &entry));
        }
    }
}

TEST(ArchiveKind, Books) {
    const struct {
        std::string label, file;
        int open_result, kind;
    } cases[] = {
        {"EPUB 3", "story.epub", ZIP_OK, FILE_EPUB},
        {"EPUB 2", "story2.epub", ZIP_OK, FILE_EPUB},
        {"DOCX", "story.docx", ZIP_OK, FILE_DOCX},
        {"FB2 in a ZIP", "story.fb2.zip", ZIP_OK, FILE_FB2_ZIP},
        {"FB2 itself", "story.fb2", ZIP_NOT_ARCHIVE, 0},
        {"UTF-8 text", "story-utf8.txt", ZIP_NOT_ARCHIVE, 0},
        {"UTF-16 text", "story-utf16le.txt", ZIP_NOT_ARCHIVE, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::string bytes = read_book(c.file);
        unsigned char head[FILE_HEAD_SIZE] = {};
        memcpy(head, bytes.data(), std::min(bytes.size(), (size_t)FILE_HEAD_READ));
        EXPECT_EQ(c.open_result == ZIP_OK, head_is_zip(head) != 0);
        zip_archive zip;
        ASSERT_EQ(c.open_result, open_bytes(&zip, bytes));
        if (c.open_result == ZIP_OK) {
            EXPECT_EQ(c.kind, decide_archive_kind(&zip));
        }
    }
}

TEST(ArchiveKind, OnlyALocalHeaderMakesAZipHead) {
    const struct {
        std::string label, head;
        int expected;
    } cases[] = {
        {"an archive's first entry", std::string("PK\3\4\x14\0", 6), 1},
        {"a text about the format", "PKWARE wrote it down.", 0},
        {"an empty archive, only its end record", std::string("PK\5\6\0\0", 6), 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        unsigned char head[FILE_HEAD_SIZE] = {};
        memcpy(head, c.head.data(), c.head.size());
        EXPECT_EQ(c.expected, head_is_zip(head));
    }
}

TEST(ArchiveKind, WhatTheArchiveHolds) {
    const struct {
        std::string label;
        std::vector<made_entry> entries;
        int kind;
    } cases[] = {
        {"mimetype with a line end after it",
         {{"mimetype", "application/epub+zip\r\n", 0}, {"OEBPS/content.opf", "<package/>"}},
         FILE_EPUB},
        {"mimetype deflated", {{"mimetype", " application/epub+zip", 8}}, FILE_EPUB},
        {"mimetype of another kind", {{"mimetype", "application/zip", 0}}, FILE_UNRECOGNISED},
        {"mimetype a letter short", {{"mimetype", "application/epub+zi", 0}}, FILE_UNRECOGNISED},
        {"mimetype longer than any media type",
         {{"mimetype", std::string(100, ' '), 0}},
         FILE_UNRECOGNISED},
        {"an EPUB's package without its mimetype",
         {{"META-INF/container.xml", "<container/>"}},
         FILE_UNRECOGNISED},
        {"a Word body",
         {{"[Content_Types].xml", "<Types/>"}, {"word/document.xml", "<w/>"}},
         FILE_DOCX},
        {"a Word body in another folder", {{"Word/document.xml", "<w/>"}}, FILE_UNRECOGNISED},
        {"one FB2 in capitals beside a picture",
         {{"cover.jpg", "jpeg"}, {"Books/TALE.FB2", "<FictionBook/>"}},
         FILE_FB2_ZIP},
        {"two FB2 books",
         {{"a.fb2", "<FictionBook/>"}, {"b.fb2", "<FictionBook/>"}},
         FILE_UNRECOGNISED},
        {"a name that only holds .fb2", {{"a.fb2.txt", "text"}}, FILE_UNRECOGNISED},
        {"a name shorter than .fb2", {{"fb2", "text"}}, FILE_UNRECOGNISED},
        {"no entries at all", {}, FILE_UNRECOGNISED},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::string bytes = make_archive(c.entries).bytes;
        zip_archive zip;
        ASSERT_EQ(ZIP_OK, open_bytes(&zip, bytes));
        EXPECT_EQ(c.kind, decide_archive_kind(&zip));
    }
}

// Two entries, a deflated text and a stored one, with names long enough for
// three entries' fixed parts to fit in their directory.
static const std::string deflated_name = "OEBPS/text/chapter-one.xhtml",
                         stored_name = "OEBPS/text/stored-note.txt";
static made_archive two_entries() {
    return make_archive({{deflated_name, std::string(3000, 'a') + "the end", 8},
                         {stored_name, "application/epub+zip", 0}});
}

TEST(ZipReader, OpenFindsTheDirectoryOrSaysWhyNot) {
    std::string epub = read_book("story.epub");
    made_archive zip = two_entries();
    // The end record's fields and the directory entries' starts.
    const size_t disk = zip.end + 4, here = zip.end + 8, count = zip.end + 10, size = zip.end + 12,
                 offset = zip.end + 16, comment = zip.end + 20, first = zip.central[0],
                 second = zip.central[1];
    const std::string longest_comment = std::string(0xFFFF, 'c');
    const struct {
        std::string label, bytes;
        int expected;
    } cases[] = {
        {"nothing", "", ZIP_NOT_ARCHIVE},
        {"a text", std::string(500, 'x'), ZIP_NOT_ARCHIVE},
        {"an archive's first three bytes", epub.substr(0, 3), ZIP_NOT_ARCHIVE},
        {"cut after its first header", epub.substr(0, 30), ZIP_DAMAGED},
        {"cut in its middle", epub.substr(0, epub.size() / 2), ZIP_DAMAGED},
        {"cut in its directory", epub.substr(0, epub.size() - 200), ZIP_DAMAGED},
        {"cut one byte short", epub.substr(0, epub.size() - 1), ZIP_DAMAGED},
        {"a comment of the longest length",
         with_fields(zip.bytes, {{comment, 2, 0xFFFF}}) + longest_comment, ZIP_OK},
        {"an end record further from the end than a comment reaches",
         zip.bytes + longest_comment + "c", ZIP_DAMAGED},
        {"a comment the file does not hold", with_fields(zip.bytes, {{comment, 2, 1}}),
         ZIP_DAMAGED},
        {"more entries than the directory holds",
         with_fields(zip.bytes, {{here, 2, 3}, {count, 2, 3}}), ZIP_DAMAGED},
        {"an entry count the directory's size cannot hold",
         with_fields(zip.bytes, {{here, 2, 200}, {count, 2, 200}}), ZIP_DAMAGED},
        {"a directory beyond the file", with_fields(zip.bytes, {{offset, 4, 0x7FFFFFF0}}),
         ZIP_DAMAGED},
        {"a directory running into its end record",
         with_fields(zip.bytes, {{size, 4, (uint32_t)(zip.end - first + 1)}}), ZIP_DAMAGED},
        {"a directory entry without its signature", with_fields(zip.bytes, {{second, 4, 0}}),
         ZIP_DAMAGED},
        {"a name running past the directory", with_fields(zip.bytes, {{second + 28, 2, 200}}),
         ZIP_DAMAGED},
        {"a comment running past the directory", with_fields(zip.bytes, {{first + 32, 2, 0xFFFF}}),
         ZIP_DAMAGED},
        {"ZIP64's entry count", with_fields(zip.bytes, {{here, 2, 0xFFFF}, {count, 2, 0xFFFF}}),
         ZIP_UNSUPPORTED},
        {"ZIP64's entry size", with_fields(zip.bytes, {{first + 24, 4, 0xFFFFFFFF}}),
         ZIP_UNSUPPORTED},
        {"the second file of a split archive", with_fields(zip.bytes, {{disk, 2, 1}}),
         ZIP_UNSUPPORTED},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        zip_archive opened;
        EXPECT_EQ(c.expected, open_bytes(&opened, c.bytes));
    }
}

TEST(ZipReader, ReadingRefusesWhatDoesNotInflateToItsEntry) {
    made_archive zip = two_entries();
    const size_t deflated = zip.central[0], stored = zip.central[1], local = zip.local[0];
    // Offsets in a directory entry.
    enum { FLAGS = 8, METHOD = 10, CRC = 16, COMPRESSED = 20, SIZE = 24, OFFSET = 42 };
    const size_t data = local + 30 + deflated_name.size();
    const uint32_t crc = crc_of(std::string(3000, 'a') + "the end");
    const struct {
        std::string label;
        size_t entry;
        std::string bytes;
        int expected;
    } cases[] = {
        {"as made", deflated, zip.bytes, ZIP_OK},
        {"data that does not inflate", deflated, with_fields(zip.bytes, {{data, 1, 0xFF}}),
         ZIP_BAD_DATA},
        {"inflating past its declared size", deflated,
         with_fields(zip.bytes, {{deflated + SIZE, 4, 3000}}), ZIP_TOO_LONG},
        {"ending short of its declared size", deflated,
         with_fields(zip.bytes, {{deflated + SIZE, 4, 3008}}), ZIP_BAD_DATA},
        {"a deflate stream cut short", deflated,
         with_fields(zip.bytes, {{deflated + COMPRESSED, 4, 5}}), ZIP_BAD_DATA},
        {"another checksum", deflated, with_fields(zip.bytes, {{deflated + CRC, 4, crc ^ 1}}),
         ZIP_BAD_DATA},
        {"encrypted", deflated, with_fields(zip.bytes, {{deflated + FLAGS, 2, 1}}),
         ZIP_UNSUPPORTED},
        {"strongly encrypted", deflated, with_fields(zip.bytes, {{deflated + FLAGS, 2, 0x40}}),
         ZIP_UNSUPPORTED},
        {"bzip2", deflated, with_fields(zip.bytes, {{deflated + METHOD, 2, 12}}), ZIP_UNSUPPORTED},
        {"a local header beyond the file", deflated,
         with_fields(zip.bytes, {{deflated + OFFSET, 4, (uint32_t)zip.bytes.size() - 10}}),
         ZIP_DAMAGED},
        {"a local header without its signature", deflated, with_fields(zip.bytes, {{local, 4, 0}}),
         ZIP_DAMAGED},
        {"a local extra field running past the file", deflated,
         with_fields(zip.bytes, {{local + 28, 2, 0xFFFF}}), ZIP_DAMAGED},
        {"data running past the file", deflated,
         with_fields(zip.bytes, {{deflated + COMPRESSED, 4, 0x7FFFFFF0}}), ZIP_DAMAGED},
        {"stored, as made", stored, zip.bytes, ZIP_OK},
        {"stored, longer than its declared size", stored,
         with_fields(zip.bytes, {{stored + SIZE, 4, 19}}), ZIP_TOO_LONG},
        {"stored, shorter than its declared size", stored,
         with_fields(zip.bytes, {{stored + SIZE, 4, 21}}), ZIP_BAD_DATA},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        zip_archive opened;
        ASSERT_EQ(ZIP_OK, open_bytes(&opened, c.bytes));
        uint64_t cursor = c.entry - zip.central[0];
        zip_entry entry;
        ASSERT_EQ(ZIP_OK, zip_next_entry(&opened, &cursor, &entry));
        collected got;
        EXPECT_EQ(c.expected, zip_read_entry(&opened, &entry, collect, &got));
        // Never more than the entry declares reaches the sink.
        EXPECT_LE(got.total, entry.size);
    }
}

TEST(ZipReader, AMissingEntryAndAStoppingSink) {
    std::string bytes = two_entries().bytes;
    zip_archive zip;
    ASSERT_EQ(ZIP_OK, open_bytes(&zip, bytes));
    zip_entry entry;
    const struct {
        std::string label, name;
    } missing[] = {
        {"a name a letter short", deflated_name.substr(0, deflated_name.size() - 1)},
        {"a name a letter longer", stored_name + "x"},
        {"another capital", "oEBPS/text/stored-note.txt"},
    };
    for (const auto &c : missing) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(ZIP_NO_ENTRY,
                  zip_find_entry(&zip, c.name.data(), (uint32_t)c.name.size(), &entry));
    }
    ASSERT_EQ(ZIP_OK,
              zip_find_entry(&zip, deflated_name.data(), (uint32_t)deflated_name.size(), &entry));
    collected got;
    got.limit = 0;
    EXPECT_EQ(ZIP_STOPPED, zip_read_entry(&zip, &entry, collect, &got));
    EXPECT_EQ(1, got.pieces);
}

TEST(ZipReader, AWalkStopsAfterTheEntriesTheEndRecordCounts) {
    made_archive made = two_entries();
    std::string bytes = with_fields(made.bytes, {{made.end + 8, 2, 1}, {made.end + 10, 2, 1}});
    zip_archive zip;
    ASSERT_EQ(ZIP_OK, open_bytes(&zip, bytes));
    int end_result;
    std::vector<zip_entry> entries = list_entries(&zip, &end_result);
    EXPECT_EQ(ZIP_NO_ENTRY, end_result);
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ(deflated_name, name_of(entries[0]));
}

// A raw deflate stream of count MiB of zeros, a few KiB a gigabyte: the same
// fully flushed block over and over, then an empty last block.
static std::string deflated_zeros(uint32_t mebibytes) {
    std::string flushed = raw_deflate(std::string(1 << 20, '\0'), Z_FULL_FLUSH), stream;
    stream.reserve(flushed.size() * mebibytes + 2);
    for (uint32_t i = 0; i < mebibytes; i++)
        stream += flushed;
    // A fixed-Huffman last block holding nothing.
    return stream + std::string("\x03\x00", 2);
}

TEST(ZipReader, ABombIsStoppedAtTheSinksLimitOrItsDeclaredSize) {
    const uint32_t gibibytes_2 = 2048;
    const std::string stream = deflated_zeros(gibibytes_2);
    ASSERT_LT(stream.size(), 8u << 20);
    const struct {
        std::string label;
        uint64_t declared, sink_limit;
        int expected;
        uint64_t received;
    } cases[] = {
        {"declaring 4 GB, stopped by the sink past 16 MiB", 0xFFFFFFF0u, 16 << 20, ZIP_STOPPED,
         (16 << 20) + 65536},
        {"declaring 1 MiB", 1 << 20, UINT64_MAX, ZIP_TOO_LONG, 1 << 20},
        // Shows the stream holds all it should, not its speed.
        {"declaring a byte more than it holds", (2048ull << 20) + 1, UINT64_MAX, ZIP_BAD_DATA,
         2048ull << 20},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        made_archive zip = make_archive({{"bomb.xhtml", "", 8, stream, c.declared}});
        zip_archive opened;
        ASSERT_EQ(ZIP_OK, open_bytes(&opened, zip.bytes));
        zip_entry entry;
        ASSERT_EQ(ZIP_OK, zip_find_entry(&opened, "bomb.xhtml", 10, &entry));
        collected got;
        got.keep = false;
        got.limit = c.sink_limit;
        EXPECT_EQ(c.expected, zip_read_entry(&opened, &entry, collect, &got));
        EXPECT_EQ(c.received, got.total);
        // Through a fixed buffer, whatever the entry declares.
        EXPECT_LE(got.largest_piece, 65536u);
    }
}
