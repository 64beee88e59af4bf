// The Open command for real: the system's Open dialog with the program's
// template, answered by a thread timer from inside its own modal loop, then the
// loaders reading real files into the Document. The kind decision is checked
// here, where the dialog fills the head from the file.
#include "open_dialog.h"
#include "reading_windows.h"

#include "reading/navigator.h"

#include "document/file_loaders.h"
#include "document/open_file.h"
#include "formats/file_kind.h"

#include <algorithm>
#include <cderr.h>

// Zero bytes shown as '_', so that the expectations read plainly.
static std::string document_text() {
    std::string text((const char *)document.text, document.text_length);
    std::replace(text.begin(), text.end(), '\0', '_');
    return text;
}

// The messages shown, what the Reader and the Navigator rely on whatever the
// last load did, and their reading of it to the end: the Reader steps through
// it word by word (at most one tick a byte), the Navigator draws its last page
// and takes a click there.
static void check_load(const std::string &expected_messages) {
    CHECK(shown_message_texts() == expected_messages);
    REQUIRE(document.text != nullptr);
    CHECK(GlobalSize((HGLOBAL)document.text_block) >= (SIZE_T)document.text_length + 1);
    CHECK(document.text[document.text_length] == 0);
    CHECK(document.read_pos + document.anchor_pos == 0);
    running = 1;
    for (uint32_t tick = 0;
         document.read_pos < document.text_length && tick <= document.text_length; tick++)
        SendMessageA(reader_window, WM_TIMER, 1030, 0);
    running = 0;
    CHECK(document.read_pos == document.text_length);
    SendMessageA(navigator_window, WM_VSCROLL, SB_BOTTOM, 0);
    SendMessageA(navigator_window, WM_PAINT, 0, 0);
    click(navigator_window, 5, 5);
    document.read_pos = document.anchor_pos = 0;
}

TEST_CASE("each kind of file fills the Document through the Open command; a file refused, "
          "removed or not chosen leaves the welcome text") {
    const std::string page = "<html><body>Hello <b>big</b> world</body></html>";
    const std::string late_tag = std::string(244, ' ') + "<html>";
    // Wine shows the whole Unix tree as drive Z:.
    const std::string source = __FILE__;
    const std::string word6 =
        read_whole_file("Z:" + source.substr(0, source.rfind("/win32/")) + "/data/word/Word6.doc");
    const std::string welcome = welcome_text;
    const struct {
        std::string label, file;
        int expected_kind;
        // The text's start; all of it when the file is refused.
        std::string expected_text, expected_messages = "";
        int html_as_text = 0;
        ULONGLONG sparse_size = 0; // a file of this size, all zero bytes, instead
    } cases[] = {
        {"CR LF and zero bytes", std::string("one\r\ntwo\0three", 14), 0, "one\r\ntwo_three"},
        {"0xFFFFFFFF bytes, no room for the closing zero", "", 0, welcome, "[GlobalAlloc failed!]",
         0, 0xFFFFFFFFull},
        {"4 GB and 5 bytes, whose low part looks small", "", 0, welcome, "[GlobalAlloc failed!]", 0,
         (4ull << 30) + 5},
        // Refused before its kind is known: the last one, 0, stays.
        {"an empty file", "", 0, welcome, "[Zero bytes read.]"},
        {"an HTML page loses its mark-up", page, 1,
         "____________Hello ___big____ world______________"},
        {"an HTML page read as text keeps it", page, 0, page, "", 1},
        {"a tag ending on byte 249 is HTML", late_tag.substr(1), 1, std::string(249, '_')},
        {"a tag crossing byte 249 is text", late_tag, 0, late_tag},
        {"a mixed-case tag is text", "<Html>hi", 0, "<Html>hi"},
        {"a zero byte hides a later tag", std::string("ab\0<html>", 9), 0, "ab_<html>"},
        {"a byte of 128 or more", "caf\xE9", 0, "caf\xE9", "[UNKNOWN file type, opening as text]"},
        {"OLE2 wins over <html>; no Word 6 header: the error",
         std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1<html>", 14) + std::string(50, 'q'), 2,
         "Error loading MS Word DOC file has occurred." + std::string(20, '_')},
        // Its header's marker stands at 2688, so the text starts at 3456.
        {"a Word 6 document", word6, 2, "The quick brown fox jumps over the lazy dog\r\n"},
        {"a Word file cut right after its marker",
         std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(40, 'w') + "\xDC\xA5", 2,
         std::string(50, '_')},
        {"an HTML page ending inside a tag", "<html><body>Hi <b cla", 1, "____________Hi ______"},
    };
    // The program with the Reader and the Navigator open, to read each load,
    // and a file in a new folder whose name has blanks and Cyrillic letters;
    // longer than 100 characters, so that the loaders must get the whole path.
    const std::string folder = enter_fresh_directory() + ansi(L"\\Папка с книгами");
    REQUIRE(CreateDirectoryA(folder.c_str(), NULL));
    const std::string path = folder + "\\a book whose name makes the path longer than 100.txt";
    REQUIRE(path.size() > 100);
    start_program();
    settings.words_per_minute = 1; // the tests give the ticks
    settings.react_to_punctuation = 0;
    run_command(CMD_NAVIGATOR);
    run_command(CMD_READER);
    REQUIRE(reader_window != nullptr);
    // Every path is typed into whatever has the focus; the first file's line shows.
    write_whole_file(path, "Call me Ishmael.");
    open_through_frame(path);
    CHECK(std::string((const char *)document.text, document.text_length) == "Call me Ishmael.");
    for (const auto &c : cases) {
        CAPTURE(c.label);
        if (c.sparse_size)
            write_sparse_file(path, c.sparse_size);
        else
            write_whole_file(path, c.file);
        settings.html_as_text = c.html_as_text;
        open_through_frame(path);
        check_load(c.expected_messages);
        CHECK(document_kind == c.expected_kind);
        CHECK(document.text_length ==
              (c.expected_text == welcome ? welcome.size() : c.file.size()));
        CHECK(document_text().substr(0, c.expected_text.size()) == c.expected_text);
        CHECK(window_text(frame_window) == "Tavrin - File [ " + path + " ]");
    }
    // Held open by another program that shares nothing (this process, here).
    write_whole_file(path, "locked");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    open_through_frame(path);
    check_load("[File open failed.]");
    CHECK(document_text() == welcome);
    CloseHandle(held);

    // A folder's name given as the file's: the dialog goes into it and stays
    // open; its one file selected, then Cancel. The welcome text comes back
    // and the caption stays.
    const std::string inner = folder + "\\inner";
    REQUIRE(CreateDirectoryA(inner.c_str(), NULL));
    write_whole_file(inner + "\\only.txt", "alone");
    open_through_frame(inner, true);
    check_load("");
    CHECK(document_text() == welcome);
    CHECK(window_text(frame_window) == "Tavrin - File [ " + path + " ]");
    CHECK(labels_at_cancel);
    CHECK(selection_before_selecting == inner);
    CHECK(selection_at_cancel == "only.txt");
    CHECK(path_at_cancel == inner + "\\only.txt");

    // A file removed or cut short between choosing and reading: the bytes
    // that were read stay, the rest of the chosen size is zero.
    const struct {
        const char *label, *read, *expected_messages; // read 0: the file is gone
        std::string expected_text;
    } changes[] = {
        {"removed", 0, "[File open failed.]", welcome},
        {"cut short", "one", "[problem reading file]", "one__________"},
    };
    for (const auto &c : changes) {
        CAPTURE(c.label);
        write_whole_file(path, "one two three");
        answer_next_open_dialog(path);
        char chosen[MAX_PATH];
        REQUIRE(open_file_dialog(NULL, chosen) == 1);
        REQUIRE(examine_chosen_file(chosen, NULL) == 1);
        if (c.read)
            write_whole_file(path, c.read);
        else
            REQUIRE(DeleteFileA(path.c_str()));
        load_file_of_kind(FILE_PLAIN_TEXT, file_path, file_size);
        check_load(c.expected_messages);
        CHECK(document_text() == c.expected_text);
    }
    stop_program();
}

// A cancel shows nothing: the folder walk above ends in one.
TEST_CASE("a failed dialog shows the program's own text for its error") {
    const struct {
        std::string label;
        DWORD code;
        std::string expected_messages;
    } cases[] = {
        {"a structure of the wrong size", CDERR_STRUCTSIZE,
         "[The Open dialog was given a structure of the wrong size.]"},
        {"a name too long for the buffer", FNERR_BUFFERTOOSMALL,
         "[The chosen file's name is too long.]"},
        {"a code it does not know", 0x4242,
         "[The Open dialog failed for a reason it did not give.]"},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        shown_messages.clear();
        report_dialog_error(c.code, NULL);
        CHECK(shown_message_texts() == c.expected_messages);
    }
}
