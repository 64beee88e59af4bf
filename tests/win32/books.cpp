// Books as people keep them today, through the Open command: UTF-8 and UTF-16
// text, EPUB, FB2 and DOCX become the book's words in the system's code page;
// a damaged or oversized book is refused with the welcome text kept.
#include "open_dialog.h"
#include "reading_windows.h"

#include "made_archive.h"

#include "document/open_file.h"
#include "formats/file_kind.h"

#include <algorithm>
#include <stdlib.h>
#include <string.h>

// The committed books, as Wine sees the Unix tree: drive Z:.
static std::string book_path(const std::string &name) {
    std::string path = __FILE__;
    path = "Z:" + path.substr(0, path.rfind("/win32/")) + "/data/books/" + name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

static std::string document_string() {
    return std::string((const char *)document.text, document.text_length);
}

// The first word the Reader shows from the start of the Document.
static std::string reader_first_word() {
    document.read_pos = 0;
    running = 1;
    SendMessageA(reader_window, WM_TIMER, 1030, 0);
    running = 0;
    document.read_pos = 0;
    return current_word;
}

// "café" and the Russian sentence as this code page has them: 1252 keeps the
// é and has no Cyrillic; 1251 has the Cyrillic and gives é as its best fit.
struct code_page_words {
    UINT code_page;
    std::string cafe_low, cafe_high, russian, chapter;
};
static const code_page_words code_page_rows[] = {
    {1251, "cafe", "caf?", "\xCC\xFB \xE8\xF9\xE5\xEC \xE4\xEE\xF0\xEE\xE3\xF3",
     "\xC3\xEB\xE0\xE2\xE0"},
    {1252, "caf\xE9", "caf\xE9", "?? ???? ??????", "?????"},
};

static const code_page_words &this_code_page() {
    // The Wine runs give a Russian system, and a Western one for the books.
    const char *locale = getenv("TAVRIN_LOCALE");
    const UINT expected = locale && strcmp(locale, "C") == 0 ? 1252u : 1251u;
    REQUIRE(GetACP() == expected);
    return code_page_rows[expected == 1251u ? 0 : 1];
}

TEST_CASE("each kind of book opens with no message: its words in reading order, in the "
          "system's code page, a line for each paragraph, the Reader starting on its first") {
    const code_page_words *words = &this_code_page();
    // The story opens with its title (a title page in the EPUBs, the title in
    // the FB2) or its first heading, and ends with "The end.".
    const std::string title = "The Lamplighter\x92s Ledger\n";
    const std::string heading = "Chapter One: The Ledger";
    const struct {
        std::string label, file;
        int kind;
        std::string first_line, first_word, line_end;
    } books[] = {
        {"EPUB 3", "story.epub", FILE_EPUB, title, "The", "\n"},
        {"EPUB 2", "story2.epub", FILE_EPUB, title, "The", "\n"},
        {"FB2", "story.fb2", FILE_FB2, title, "The", "\n"},
        {"FB2 in a ZIP", "story.fb2.zip", FILE_FB2_ZIP, title, "The", "\n"},
        {"DOCX", "story.docx", FILE_DOCX, title, "The", "\n"},
        {"UTF-8 without a mark, its first curly quote after the head", "story-utf8.txt",
         FILE_PLAIN_TEXT, heading + "\r\n", "Chapter", "\r\n\r\n"},
        {"UTF-8 with its mark", "story-utf8-bom.txt", FILE_UTF8_TEXT, heading + "\r\n",
         "Chapter", "\r\n\r\n"},
        {"UTF-16 LE", "story-utf16le.txt", FILE_UTF16_TEXT, heading + "\r\n", "Chapter",
         "\r\n\r\n"},
        {"UTF-16 BE", "story-utf16be.txt", FILE_UTF16_TEXT, heading + "\r\n", "Chapter",
         "\r\n\r\n"},
    };
    start_with(navigator_window, {CMD_NAVIGATOR, CMD_READER});
    for (const auto &b : books) {
        CAPTURE(b.label);
        open_through_frame(book_path(b.file));
        CHECK(shown_message_texts() == "");
        CHECK(document_kind == b.kind);
        const std::string text = document_string();
        CHECK(text.substr(0, b.first_line.size()) == b.first_line);
        CHECK(text.find(heading + b.line_end + "Marta kept the lamps") != std::string::npos);
        const std::string last = "the lamp that helps. The end.";
        CHECK(text.substr(text.find_last_not_of("\r\n") + 1 - last.size(), last.size()) == last);
        CHECK(text.find(words->russian) != std::string::npos);
        const bool cafe = text.find("at the " + words->cafe_low + " door") != std::string::npos ||
                          text.find("at the " + words->cafe_high + " door") != std::string::npos;
        CHECK(cafe);
        CHECK(text.find("Oskar & his wife") != std::string::npos);
        CHECK(text.find("answered \x97 and") != std::string::npos);
        // No mark-up and no byte-order mark anywhere.
        CHECK(text.find('<') == std::string::npos);
        CHECK(text.find("\xEF\xBB\xBF") == std::string::npos);
        CHECK(reader_first_word() == b.first_word);
        CHECK(window_text(frame_window) == "Tavrin - File [ " + book_path(b.file) + " ]");
    }
    stop_program();
}

TEST_CASE("texts at the edges of the kinds: the system's code page as before, UTF-8 wherever "
          "it starts, a page in UTF-8, an archive that is no book") {
    const std::string chapter = this_code_page().chapter;
    const std::string utf8_chapter = "\xD0\x93\xD0\xBB\xD0\xB0\xD0\xB2\xD0\xB0"; // "Глава"
    const std::string unknown = "[UNKNOWN file type, opening as text]";
    const std::string ascii_head(300, 'a');
    const std::string cyrillic_1251 = "\xC3\xEB\xE0\xE2\xE0 1\r\n";
    const std::string page_head = "<html><head><meta charset=\"utf-8\"></head><body>";
    const struct {
        std::string label, file;
        int kind;
        std::string messages, text; // text: the whole Document
    } cases[] = {
        {"Windows-1251 text", cyrillic_1251, FILE_PLAIN_TEXT, unknown, cyrillic_1251},
        {"Windows-1251 after a head of ASCII", ascii_head + cyrillic_1251, FILE_PLAIN_TEXT, "",
         ascii_head + cyrillic_1251},
        {"UTF-8 from the first word", utf8_chapter + " 1\r\n", FILE_UTF8_TEXT, "",
         chapter + " 1\r\n"},
        {"UTF-8 after a head of ASCII", ascii_head + utf8_chapter, FILE_PLAIN_TEXT, "",
         ascii_head + chapter},
        {"UTF-8 in the head, a Latin-1 byte after it", utf8_chapter + ascii_head + "caf\xE9",
         FILE_PLAIN_TEXT, unknown, utf8_chapter + ascii_head + "caf\xE9"},
        {"a page whose charset is UTF-8", page_head + utf8_chapter + "</body></html>", FILE_HTML,
         "", std::string(page_head.size(), '\0') + chapter + std::string(14, '\0')},
        {"an archive that is no book",
         make_archive({{"notes.txt", "plain notes"}}).bytes, FILE_PLAIN_TEXT, unknown,
         make_archive({{"notes.txt", "plain notes"}}).bytes},
    };
    const std::string path = enter_fresh_directory() + "\\edge.txt";
    start_program();
    for (const auto &c : cases) {
        CAPTURE(c.label);
        write_whole_file(path, c.file);
        open_through_frame(path);
        CHECK(shown_message_texts() == c.messages);
        CHECK(document_kind == c.kind);
        CHECK(document_string() == c.text);
    }
    stop_program();
}

// A story as a small EPUB of one chapter, whose parts the refusals damage.
static made_archive small_epub(const std::string &chapter,
                               const std::string &package_name = "OEBPS/content.opf",
                               const std::string &chapter_name = "OEBPS/ch.xhtml") {
    const std::string container =
        "<?xml version=\"1.0\"?><container version=\"1.0\" "
        "xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles><rootfile "
        "full-path=\"OEBPS/content.opf\" media-type=\"application/oebps-package+xml\"/>"
        "</rootfiles></container>";
    const std::string package =
        "<?xml version=\"1.0\"?><package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\">"
        "<manifest><item id=\"c\" href=\"ch.xhtml\" media-type=\"application/xhtml+xml\"/>"
        "</manifest><spine><itemref idref=\"c\"/></spine></package>";
    return make_archive({{"mimetype", "application/epub+zip", 0},
                         {"META-INF/container.xml", container},
                         {package_name, package},
                         {chapter_name, chapter}});
}

TEST_CASE("a damaged or oversized book is refused with what is wrong, and the welcome text "
          "stays; a zip bomb is refused in seconds") {
    const std::string good = "<html xmlns=\"http://www.w3.org/1999/xhtml\"><body><p>Read me."
                             "</p></body></html>";
    const made_archive whole = small_epub(good);
    const std::string cut = whole.bytes.substr(0, whole.bytes.size() / 2);
    std::string bad_directory = whole.bytes;
    put_32(bad_directory, whole.end + 16, (uint32_t)whole.bytes.size() * 2);
    std::string bad_data = whole.bytes;
    // The chapter's deflated bytes, every one of them set: no deflate stream.
    const size_t chapter = whole.local[3] + 30 + strlen("OEBPS/ch.xhtml");
    for (size_t i = chapter; i < whole.central[0]; i++)
        bad_data[i] = '\xFF';
    std::string too_long = whole.bytes;
    put_32(too_long, whole.local[3] + 22, 5);
    put_32(too_long, whole.central[3] + 24, 5);
    // About 4 GB of zeros in a few megabytes: the directory says so.
    const std::string zeros(1 << 24, '\0');
    std::vector<made_entry> bomb = {{"mimetype", "application/epub+zip", 0}};
    for (int i = 0; i < 3; i++)
        bomb.push_back({"OEBPS/zeros" + std::to_string(i) + ".xhtml", zeros, 8, "", 0});
    const made_archive bomb_archive = make_archive(bomb);
    std::string bomb_bytes = bomb_archive.bytes;
    for (int i = 1; i <= 3; i++) {
        put_32(bomb_bytes, bomb_archive.local[i] + 22, 0x60000000);
        put_32(bomb_bytes, bomb_archive.central[i] + 24, 0x60000000);
    }
    const std::string damaged = "The book's archive is damaged: its directory cannot be read.";
    const struct {
        std::string label, bytes, message;
    } refusals[] = {
        {"cut short", cut, damaged},
        {"a directory that points past the end", bad_directory, damaged},
        {"a chapter that does not inflate", bad_data,
         "A part of the book's archive does not unpack: the archive is damaged."},
        {"a chapter inflating past its declared size", too_long,
         "A part of the book's archive unpacks to more than it declares: the archive is damaged."},
        {"no package document", small_epub(good, "OEBPS/other.opf").bytes,
         "The book has no package document to say what its chapters are."},
        {"a chapter missing", small_epub(good, "OEBPS/content.opf", "OEBPS/other.xhtml").bytes,
         "A chapter of the book is missing from its archive."},
        {"a chapter that is not well-formed XML",
          small_epub("<html><body><p>Read me.</body></html>").bytes,
         "A chapter of the book is not well-formed XML."},
        {"entries declaring 4.5 GB", bomb_bytes, "The book's text is larger than Tavrin can hold."},
    };
    const std::string path = enter_fresh_directory() + "\\refused.epub";
    start_program();
    run_command(CMD_NAVIGATOR);
    for (const auto &r : refusals) {
        CAPTURE(r.label);
        write_whole_file(path, r.bytes);
        const DWORD start = GetTickCount();
        open_through_frame(path);
        CHECK(GetTickCount() - start < 5000);
        CHECK(shown_message_texts() == "[" + r.message + "]");
        CHECK(document_string() == welcome_text);
    }
    stop_program();
}
