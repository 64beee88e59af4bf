// Throughput of opening a book's text, on about 50 MB of prose in memory fed
// in the loaders' quarter-megabyte blocks into a sink that copies the units:
// the XML text of an XHTML chapter, an FB2 and a DOCX document, the decoding
// of UTF-8 and UTF-16LE text, and for scale memcpy of the same bytes and raw
// inflate of them deflated; and the whole of read_book_text on an EPUB of
// twenty such chapters against inflating its chapters. Medians of RUNS runs.
// Arguments (for callgrind): megabytes, runs, and one kind's name to time it
// alone.
#include "formats/book_package.h"
#include "formats/file_kind.h"
#include "formats/xml_text.h"
#include "tests/shared/made_archive.h"

#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

enum { BLOCK = 1 << 18, INFLATE_CHUNK = 64 * 1024 };

static uint32_t size = 50u << 20;
static int runs = 7;
static const char *only = 0;

// Prose with Cyrillic words, curly quotes and dashes among the ASCII ones,
// in paragraphs given to paragraph().
template <typename Paragraph> static void prose(Paragraph paragraph) {
    static const char *const words[] = {"the",
                                        "quick",
                                        "brown",
                                        "fox",
                                        "jumps",
                                        "over",
                                        "lazy",
                                        "dog,",
                                        "and",
                                        "\xE2\x80\x9Cwell\xE2\x80\x9D",
                                        "said",
                                        "she.",
                                        "\xD0\xBC\xD0\xB8\xD1\x80",
                                        "\xE2\x80\x94",
                                        "reading",
                                        "quickly",
                                        "is",
                                        "a",
                                        "skill",
                                        "\xD1\x81\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xBE",
                                        "of",
                                        "many;",
                                        "words",
                                        "it's"};
    const uint32_t word_count = sizeof words / sizeof words[0];
    uint32_t seed = 12345, total = 0;
    while (total < size) {
        std::string text;
        uint32_t length = 20 + (seed >> 8) % 120;
        for (uint32_t i = 0; i < length; i++) {
            seed = seed * 1103515245 + 12345;
            if (i)
                text += ' ';
            text += words[(seed >> 16) % word_count];
        }
        total += (uint32_t)text.size();
        paragraph(text);
    }
}

static std::string xhtml() {
    std::string s = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<html "
                    "xmlns=\"http://www.w3.org/1999/xhtml\">\n<head><title>Chapter</title></head>\n"
                    "<body>\n";
    prose([&](const std::string &p) { s += "<p class=\"text\">" + p + "</p>\n"; });
    return s + "</body>\n</html>\n";
}

static std::string fb2() {
    std::string s = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<FictionBook "
                    "xmlns=\"http://www.gribuser.ru/xml/fictionbook/2.0\">\n<description><title-"
                    "info><book-title>Book</book-title></title-info></description>\n<body>"
                    "<section>\n";
    prose([&](const std::string &p) { s += "<p>" + p + "</p>\n"; });
    return s + "</section></body></FictionBook>\n";
}

static std::string docx() {
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<w:document "
                    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                    "<w:body>";
    prose([&](const std::string &p) {
        s += "<w:p w:rsidR=\"00A1B2C3\"><w:pPr><w:pStyle w:val=\"Normal\"/></w:pPr><w:r><w:rPr>"
             "<w:lang w:val=\"en-US\"/></w:rPr><w:t xml:space=\"preserve\">" +
             p + "</w:t></w:r></w:p>";
    });
    return s + "</w:body></w:document>";
}

static std::string utf8_text() {
    std::string s;
    prose([&](const std::string &p) { s += p + "\r\n"; });
    return s;
}

// The UTF-8 text (whose characters all lie below U+10000) in UTF-16LE.
static std::string utf16_text() {
    std::string utf8 = utf8_text(), s = "\xFF\xFE";
    for (size_t i = 0; i < utf8.size();) {
        unsigned char b = (unsigned char)utf8[i];
        uint32_t c = b, n = 1;
        if (b >= 0xE0) {
            c = (b & 0x0Fu) << 12 | (utf8[i + 1] & 0x3Fu) << 6 | (utf8[i + 2] & 0x3Fu);
            n = 3;
        } else if (b >= 0xC0) {
            c = (b & 0x1Fu) << 6 | (utf8[i + 1] & 0x3Fu);
            n = 2;
        }
        s += (char)(c & 0xFF);
        s += (char)(c >> 8);
        i += n;
    }
    return s;
}

static std::vector<uint16_t> units;
static size_t unit_count;

static int copy_units(void *, const uint16_t *from, uint32_t count) {
    if (units.size() - unit_count < count)
        return 0;
    memcpy(&units[unit_count], from, count * sizeof *from);
    unit_count += count;
    return 1;
}

template <typename Run> static void report(const char *name, size_t bytes, Run run) {
    std::vector<double> ms;
    for (int i = 0; i < runs; i++) {
        unit_count = 0;
        auto start = std::chrono::steady_clock::now();
        if (!run()) {
            printf("%s: failed\n", name);
            exit(1);
        }
        std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        ms.push_back(took.count());
    }
    std::sort(ms.begin(), ms.end());
    double median = ms[ms.size() / 2];
    // A checksum of the units, to see a change leaves the text as it was.
    uint32_t sum = 2166136261u;
    for (size_t i = 0; i < unit_count; i++)
        sum = (sum ^ units[i]) * 16777619u;
    printf("%-14s %6.1f MB %8.1f ms %8.0f MB/s %10zu units %08x\n", name, bytes / 1048576.0, median,
           bytes / 1048576.0 / median * 1000, unit_count, sum);
    fflush(stdout);
}

// Raw inflate through a buffer of the zip reader's size, as it streams an
// entry.
static int inflated(const std::string &compressed) {
    static unsigned char buffer[INFLATE_CHUNK];
    z_stream stream = {};
    inflateInit2(&stream, -MAX_WBITS);
    stream.next_in = (Bytef *)compressed.data();
    stream.avail_in = (uInt)compressed.size();
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = buffer;
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
    }
    inflateEnd(&stream);
    return status == Z_STREAM_END;
}

static void time_scale(const char *kind, const std::string &bytes) {
    static std::vector<unsigned char> copy;
    copy.resize(bytes.size());
    std::string name = std::string("memcpy ") + kind;
    report(name.c_str(), bytes.size(), [&] {
        memcpy(copy.data(), bytes.data(), bytes.size());
        return 1;
    });
    std::string compressed = raw_deflate(bytes);
    name = std::string("inflate ") + kind;
    report(name.c_str(), bytes.size(), [&] { return inflated(compressed); });
}

// Whether the kind is timed; when one kind is asked for, it alone, without
// the scale.
static int timed(const char *name) {
    return !only || strcmp(only, name) == 0;
}

static void time_xml(const char *name, int profile, std::string (*made)()) {
    if (!timed(name))
        return;
    const std::string bytes = made();
    if (!only)
        time_scale(name, bytes);
    static xml_text_state state;
    report(name, bytes.size(), [&] {
        begin_xml_text(&state, profile, 0, copy_units, 0);
        for (size_t at = 0; at < bytes.size(); at += BLOCK) {
            size_t left = bytes.size() - at;
            if (feed_xml_text(&state, (const unsigned char *)&bytes[at],
                              left < BLOCK ? (uint32_t)left : (uint32_t)BLOCK) != XML_OK)
                return 0;
        }
        return (int)(finish_xml_text(&state) == XML_OK);
    });
}

static void time_text(const char *name, int encoding, std::string (*made)()) {
    if (!timed(name))
        return;
    const std::string bytes = made();
    if (!only)
        time_scale(name, bytes);
    static text_decoder decoder;
    report(name, bytes.size(), [&] {
        begin_text_decoder(&decoder, encoding, copy_units, 0);
        for (size_t at = 0; at < bytes.size(); at += BLOCK) {
            size_t left = bytes.size() - at;
            if (!feed_text_decoder(&decoder, (const unsigned char *)&bytes[at],
                                   left < BLOCK ? (uint32_t)left : (uint32_t)BLOCK))
                return 0;
        }
        return finish_text_decoder(&decoder);
    });
}

enum { CHAPTERS = 20 };

// The prose as an EPUB of CHAPTERS chapters, each deflated on its own.
static std::vector<made_entry> epub_entries() {
    std::vector<std::string> chapters(CHAPTERS);
    uint32_t chapter = 0, bytes = 0;
    prose([&](const std::string &p) {
        chapters[chapter] += "<p class=\"text\">" + p + "</p>\n";
        bytes += (uint32_t)p.size();
        if (bytes > size / CHAPTERS * (chapter + 1) && chapter + 1 < CHAPTERS)
            chapter++;
    });
    std::vector<made_entry> entries = {
        {"mimetype", "application/epub+zip", 0},
        {"META-INF/container.xml",
         "<?xml version=\"1.0\"?><container version=\"1.0\" "
         "xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles><rootfile "
         "full-path=\"OEBPS/content.opf\" media-type=\"application/oebps-package+xml\"/>"
         "</rootfiles></container>"}};
    std::string manifest, spine;
    for (int i = 0; i < CHAPTERS; i++) {
        std::string id = "c" + std::to_string(i);
        manifest += "<item id=\"" + id + "\" href=\"" + id +
                    ".xhtml\" media-type=\"application/xhtml+xml\"/>";
        spine += "<itemref idref=\"" + id + "\"/>";
        entries.push_back({"OEBPS/" + id + ".xhtml",
                           "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<html "
                           "xmlns=\"http://www.w3.org/1999/xhtml\">\n<head><title>Chapter</title>"
                           "</head>\n<body>\n" +
                               chapters[i] + "</body>\n</html>\n"});
    }
    entries.push_back({"OEBPS/content.opf",
                       "<?xml version=\"1.0\"?><package xmlns=\"http://www.idpf.org/2007/opf\" "
                       "version=\"3.0\"><metadata/><manifest>" +
                           manifest + "</manifest><spine>" + spine + "</spine></package>"});
    return entries;
}

static void time_epub() {
    if (!timed("epub"))
        return;
    const std::vector<made_entry> entries = epub_entries();
    const std::string book = make_archive(entries).bytes;
    std::vector<std::string> compressed;
    size_t bytes = 0;
    for (const made_entry &entry : entries) {
        compressed.push_back(raw_deflate(entry.data));
        bytes += entry.data.size();
    }
    if (!only)
        report("inflate epub", bytes, [&] {
            int inflated_all = 1;
            for (const std::string &c : compressed)
                inflated_all &= inflated(c);
            return inflated_all;
        });
    static book_reader reader;
    report("epub", bytes, [&] {
        return (int)(read_book_text(&reader, FILE_EPUB, (const unsigned char *)book.data(),
                                    book.size(), 0, copy_units, 0) == BOOK_OK);
    });
}

int main(int argc, char **argv) {
    if (argc > 1)
        size = (uint32_t)atoi(argv[1]) << 20;
    if (argc > 2)
        runs = atoi(argv[2]);
    if (argc > 3)
        only = argv[3];
    units.resize(size + (1u << 20));
    time_xml("xhtml", XML_TEXT_XHTML, xhtml);
    time_xml("fb2", XML_TEXT_FB2, fb2);
    time_xml("docx", XML_TEXT_DOCX, docx);
    time_text("utf8", TEXT_UTF8, utf8_text);
    time_text("utf16", TEXT_UTF16LE, utf16_text);
    time_epub();
}
