// The text of the books pandoc made, and of EPUBs made here to walk the spine
// and to be refused one fault at a time.
#include <gtest/gtest.h>

#include "formats/book_package.h"
#include "formats/file_kind.h"
#include "formats/unicode_text.h"
#include "tests/native/made_archive.h"
#include "tests/native/unit_text.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

struct book_text {
    int failure;
    std::string text;
};

static book_text read_text(int kind, const std::string &bytes, unit_sink sink = collect_units) {
    static std::unique_ptr<book_reader> book(new book_reader);
    std::u16string units;
    int failure = read_book_text(book.get(), kind, (const unsigned char *)bytes.data(),
                                 bytes.size(), test_code_page_table, sink, &units);
    return {failure, utf8_of(units)};
}

static std::vector<std::string> lines_of(const std::string &text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

static const char russian_line[] =
    "\xD0\x9C\xD1\x8B \xD0\xB8\xD1\x89\xD0\xB5\xD0\xBC \xD0\xB4\xD0\xBE\xD1\x80\xD0\xBE\xD0\xB3"
    "\xD1\x83 \xD0\xB4\xD0\xBE\xD0\xBC\xD0\xBE\xD0\xB9, \xD0\xB8 \xD1\x84\xD0\xBE\xD0\xBD\xD0"
    "\xB0\xD1\x80\xD1\x8C \xD0\xBD\xD0\xB0\xD0\xBC \xD0\xBF\xD0\xBE\xD0\xBC\xD0\xBE\xD0\xB3\xD0"
    "\xB0\xD0\xB5\xD1\x82.";

TEST(BookPackage, BooksPandocMade) {
    const std::string title = "The Lamplighter\xE2\x80\x99s Ledger";
    const std::string last =
        "The girl took over the round the next winter. She kept a ledger too, bound in blue, "
        "and on its first page she copied the stranger\xE2\x80\x99s sentence, the one about the "
        "road home and the lamp that helps. The end.";
    const std::string list_item = "the corner lamp by the bakery, which smoked when the wind "
                                  "came from the east;";
    const struct {
        std::string label, file;
        int kind;
        size_t lines;
        std::string first, list_item;
    } cases[] = {
        // The EPUB's title page and the Word document's title block carry the author and date.
        {"EPUB 3", "story.epub", FILE_EPUB, 33, title, list_item},
        {"EPUB 2", "story2.epub", FILE_EPUB, 33, title, list_item},
        {"DOCX", "story.docx", FILE_DOCX, 33, title, list_item},
        // pandoc's FB2 writes the list's bullets into the text.
        {"FB2", "story.fb2", FILE_FB2, 31, title, "\xE2\x80\xA2\xC2\xA0" + list_item},
        {"FB2 in a ZIP", "story.fb2.zip", FILE_FB2_ZIP, 31, title,
         "\xE2\x80\xA2\xC2\xA0" + list_item},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        book_text out = read_text(c.kind, read_book(c.file));
        EXPECT_EQ(BOOK_OK, out.failure);
        std::vector<std::string> lines = lines_of(out.text);
        EXPECT_EQ(c.lines, lines.size());
        EXPECT_EQ(c.first, lines.front());
        EXPECT_EQ(last, lines.back());
        // Every heading, paragraph, list item and table cell a line of its own,
        // none empty.
        for (const std::string &line :
             {std::string("Chapter Two: The Stranger"), std::string(russian_line),
              std::string("Lamps lit"), c.list_item})
            EXPECT_TRUE(std::count(lines.begin(), lines.end(), line)) << line;
        EXPECT_EQ(0, std::count(lines.begin(), lines.end(), ""));
        EXPECT_EQ(std::string::npos, out.text.find("  "));
    }
}

static std::string decode_text_file(const std::string &bytes) {
    uint32_t mark_length;
    int mark =
        byte_order_mark((const unsigned char *)bytes.data(), (uint32_t)bytes.size(), &mark_length);
    std::u16string units;
    text_decoder decoder;
    begin_text_decoder(&decoder, mark == TEXT_NO_MARK ? TEXT_UTF8 : mark, collect_units, &units);
    feed_text_decoder(&decoder, (const unsigned char *)bytes.data(), (uint32_t)bytes.size());
    finish_text_decoder(&decoder);
    return utf8_of(units);
}

TEST(BookPackage, TextFilesPandocMade) {
    const std::string expected = read_book("story-utf8.txt");
    for (const char *file :
         {"story-utf8.txt", "story-utf8-bom.txt", "story-utf16le.txt", "story-utf16be.txt"}) {
        SCOPED_TRACE(file);
        std::string text = decode_text_file(read_book(file));
        EXPECT_EQ(expected, text);
        EXPECT_EQ("Chapter One: The Ledger\r\n", text.substr(0, 25));
        EXPECT_NE(std::string::npos, text.find(russian_line));
    }
}

static const char container_xml[] =
    "<?xml version=\"1.0\"?><container version=\"1.0\" "
    "xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles>"
    "<rootfile full-path=\"OEBPS/meta.xml\" media-type=\"application/xml\"/>"
    "<rootfile full-path=\"OEBPS/content.opf\" media-type=\"application/oebps-package+xml\"/>"
    "</rootfiles></container>";

static std::string chapter(const std::string &body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><html "
           "xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>t</title></head><body>" +
           body + "</body></html>";
}

static std::string package(const std::string &manifest, const std::string &spine) {
    return "<?xml version=\"1.0\"?><package xmlns=\"http://www.idpf.org/2007/opf\" "
           "version=\"3.0\"><metadata/><manifest>" +
           manifest + "</manifest><spine toc=\"ncx\">" + spine + "</spine></package>";
}

// The manifest and spine of a small book whose spine runs against the
// manifest's order, through a folder of its own and a percent-encoded name.
static const char sample_manifest[] =
    "<item id=\"nav\" href=\"nav.xhtml\" media-type=\"application/xhtml+xml\" "
    "properties=\"scripted nav\"/>"
    "<item id=\"ncx\" href=\"toc.ncx\" media-type=\"application/x-dtbncx+xml\"/>"
    "<item id=\"cover\" href=\"Text/cover.xhtml\" media-type=\"application/xhtml+xml\"/>"
    "<item id=\"one\" href=\"Text/one.xhtml#start\" media-type=\"application/xhtml+xml\"/>"
    "<item id=\"two\" href=\"./Text/../Text/two%20%26%20more.xhtml\" "
    "media-type=\"application/xhtml+xml\"/>"
    "<item id=\"three\" href=\"../Other/three.xhtml\" media-type=\"application/xhtml+xml\"/>"
    "<item id=\"image\" href=\"cover.jpg\" media-type=\"image/jpeg\"/>";
static const char sample_spine[] =
    "<itemref idref=\"cover\" linear=\"no\"/><itemref idref=\"nav\"/><itemref idref=\"ncx\"/>"
    "<itemref idref=\"three\"/><itemref idref=\"one\"/><itemref idref=\"image\"/>"
    "<itemref idref=\"two\" linear=\"yes\"/>";

// An EPUB with the sample's files, then the changes: an entry of a name
// already there is replaced (an empty name drops it), others are added.
static std::string epub(const std::vector<made_entry> &changes) {
    std::vector<made_entry> entries = {
        {"mimetype", "application/epub+zip", 0},
        {"META-INF/container.xml", container_xml},
        {"OEBPS/content.opf", package(sample_manifest, sample_spine)},
        {"OEBPS/nav.xhtml", chapter("<nav><ol><li>Contents</li></ol></nav>")},
        {"OEBPS/toc.ncx", "<ncx><navMap/></ncx>"},
        {"OEBPS/Text/cover.xhtml", chapter("<p>Cover</p>")},
        {"OEBPS/Text/one.xhtml", chapter("<p>one</p>")},
        {"OEBPS/Text/two & more.xhtml", chapter("two")},
        {"Other/three.xhtml", chapter("<h1>three</h1>")},
        {"OEBPS/cover.jpg", "\xFF\xD8\xFF\xE0 not XML"},
    };
    for (const made_entry &change : changes) {
        auto same = std::find_if(entries.begin(), entries.end(),
                                 [&](const made_entry &e) { return e.name == change.name; });
        if (same == entries.end())
            entries.push_back(change);
        else if (change.data.empty() && change.written.empty())
            entries.erase(same);
        else
            *same = change;
    }
    return make_archive(entries).bytes;
}

TEST(BookPackage, SpineOrderWithoutNonLinearItemsAndContents) {
    book_text out = read_text(FILE_EPUB, epub({}));
    EXPECT_EQ(BOOK_OK, out.failure);
    EXPECT_EQ("three\none\ntwo", out.text);
}

static made_entry opf(const std::string &manifest, const std::string &spine) {
    return {"OEBPS/content.opf", package(manifest, spine)};
}

static std::string many_items(int count) {
    std::string items;
    for (int i = 0; i < count; i++)
        items += "<item id=\"i" + std::to_string(i) + "\" href=\"x.xhtml\"/>";
    return items;
}

static int stop_at_once(void *, const uint16_t *, uint32_t) {
    return 0;
}

TEST(BookPackage, Refused) {
    const std::string one = chapter("<p>one</p>");
    const std::string one_item = "<item id=\"one\" href=\"Text/one.xhtml\"/>";
    const std::string one_ref = "<itemref idref=\"one\"/>";
    const struct {
        std::string label;
        int kind;
        std::string bytes;
        int failure;
    } cases[] = {
        {"not an archive", FILE_EPUB, "<FictionBook/>", BOOK_NOT_ARCHIVE},
        {"no container", FILE_EPUB, epub({{"META-INF/container.xml", ""}}), BOOK_NO_PACKAGE},
        {"a container naming no package document", FILE_EPUB,
         epub({{"META-INF/container.xml", "<container><rootfiles><rootfile full-path=\"a.opf\" "
                                          "media-type=\"text/xml\"/></rootfiles></container>"}}),
         BOOK_NO_PACKAGE},
        {"no package document", FILE_EPUB, epub({{"OEBPS/content.opf", ""}}), BOOK_NO_PACKAGE},
        {"an empty spine", FILE_EPUB,
         epub({opf(one_item, "<itemref idref=\"one\" linear=\"no\"/>")}), BOOK_NO_PACKAGE},
        {"a chapter missing", FILE_EPUB, epub({{"OEBPS/Text/one.xhtml", ""}}),
         BOOK_MISSING_CHAPTER},
        {"an idref the manifest lacks", FILE_EPUB, epub({opf(one_item, "<itemref idref=\"x\"/>")}),
         BOOK_MISSING_CHAPTER},
        {"an href above the root", FILE_EPUB,
         epub({opf("<item id=\"one\" href=\"../../one.xhtml\"/>", one_ref)}), BOOK_MISSING_CHAPTER},
        {"a chapter not well formed", FILE_EPUB,
         epub({{"OEBPS/Text/one.xhtml", "<html><body><p>one</body></html>"}}),
         BOOK_NOT_WELL_FORMED},
        {"a package document not well formed", FILE_EPUB,
         epub({{"OEBPS/content.opf", "<package><manifest></package>"}}), BOOK_NOT_WELL_FORMED},
        {"a container not well formed", FILE_EPUB, epub({{"META-INF/container.xml", "<container"}}),
         BOOK_NOT_WELL_FORMED},
        {"a chapter in an encoding not known", FILE_EPUB,
         epub({{"OEBPS/Text/one.xhtml",
                "<?xml version=\"1.0\" encoding=\"x-unknown\"?><html><body/></html>"}}),
         BOOK_UNSUPPORTED_ENCODING},
        {"a chapter that does not inflate", FILE_EPUB,
         epub({{"OEBPS/Text/one.xhtml", one, 8, "\xFF\xFF\xFF\xFF not deflate data", one.size()}}),
         BOOK_BAD_DATA},
        {"a chapter inflating past its declared size", FILE_EPUB,
         epub({{"OEBPS/Text/one.xhtml", one.substr(0, 20), 8, raw_deflate(one), 20}}),
         BOOK_TOO_LONG},
        {"a package document past the bound", FILE_EPUB,
         epub({opf(one_item + "<!--" + std::string(BOOK_PACKAGE_LIMIT, '-') + "-->", one_ref)}),
         BOOK_PACKAGE_TOO_LARGE},
        {"an href as long as the bound", FILE_EPUB,
         epub({opf("<item id=\"one\" href=\"" + std::string(BOOK_PATH_SIZE, 'h') + "\"/>",
                   one_ref)}),
         BOOK_PACKAGE_TOO_LARGE},
        {"more manifest items than the bound", FILE_EPUB,
         epub({opf(many_items(BOOK_ITEMS + 1), "<itemref idref=\"i0\"/>")}),
         BOOK_PACKAGE_TOO_LARGE},
        {"a DOCX without its document", FILE_DOCX,
         make_archive({{"word/styles.xml", "<styles/>"}}).bytes, BOOK_MISSING_CHAPTER},
        {"a ZIP with two FB2 books", FILE_FB2_ZIP,
         make_archive({{"a.fb2", "<FictionBook/>"}, {"b.fb2", "<FictionBook/>"}}).bytes,
         BOOK_MISSING_CHAPTER},
        {"an FB2 not well formed", FILE_FB2, "<FictionBook><body></FictionBook>",
         BOOK_NOT_WELL_FORMED},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.failure, read_text(c.kind, c.bytes).failure);
    }
}

TEST(BookPackage, BoundsReachedButNotPassed) {
    const std::string one_ref = "<itemref idref=\"i0\"/>";
    const struct {
        std::string label, bytes;
    } cases[] = {
        {"as many manifest items as allowed",
         epub({opf(many_items(BOOK_ITEMS), one_ref), {"OEBPS/x.xhtml", chapter("x")}})},
        {"an href one byte short of the bound",
         epub({opf("<item id=\"i0\" href=\"" + std::string(BOOK_PATH_SIZE - 1, 'h') + "\"/>",
                   one_ref),
               {"OEBPS/" + std::string(BOOK_PATH_SIZE - 1, 'h'), chapter("x")}})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        book_text out = read_text(FILE_EPUB, c.bytes);
        EXPECT_EQ(BOOK_OK, out.failure);
        EXPECT_EQ("x", out.text);
    }
}

TEST(BookPackage, StoppedSink) {
    const struct {
        std::string label;
        int kind;
        std::string file;
    } cases[] = {
        {"EPUB", FILE_EPUB, "story.epub"},
        {"DOCX", FILE_DOCX, "story.docx"},
        {"FB2", FILE_FB2, "story.fb2"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(BOOK_STOPPED, read_text(c.kind, read_book(c.file), stop_at_once).failure);
    }
}
