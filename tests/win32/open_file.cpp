// The Open command for real: the system's Open dialog with the program's
// template, answered by a thread timer from inside its own modal loop, then the
// loaders reading real files into the Document. The kind decision is checked
// here, where the dialog fills the head from the file.
#include "open_dialog.h"
#include "reading_windows.h"

#include "reading/navigator.h"

#include "document/open_file.h"

#include <algorithm>
#include <cderr.h>
#include <commctrl.h>
#include <dlgs.h>

// Zero bytes shown as '_', so that the expectations read plainly.
static std::string document_text() {
    std::string text((const char *)document.text, document.text_length);
    std::replace(text.begin(), text.end(), '\0', '_');
    return text;
}

// The program with the Reader and the Navigator open, to read each load.
static std::string start_with_reading_windows(const std::string &file_name) {
    std::string path = enter_fresh_directory() + "\\" + file_name;
    start_program();
    settings.words_per_minute = 1; // the tests give the ticks
    run_command(CMD_NAVIGATOR);
    run_command(CMD_READER);
    REQUIRE(reader_window != nullptr);
    return path;
}

// The messages shown, what the Reader and the Navigator rely on whatever the
// last load did, and their reading of it to the end.
static void check_load(const std::string &expected_messages) {
    CHECK(shown_message_texts() == expected_messages);
    REQUIRE(document.text != nullptr);
    CHECK(GlobalSize((HGLOBAL)document.text_block) >= (SIZE_T)document.text_length + 1);
    CHECK(document.text[document.text_length] == 0);
    CHECK(document.read_pos + document.anchor_pos == 0);
    CHECK(read_through_document() == document.text_length);
    document.read_pos = document.anchor_pos = 0;
}

static void open_and_check(const std::string &path, const std::string &expected_messages) {
    open_through_frame(wide(path));
    CHECK(open_dialog_template_parts == 3);
    check_load(expected_messages);
}

TEST_CASE("each kind of file fills the Document through the Open command") {
    const std::string page = "<html><body>Hello <b>big</b> world</body></html>";
    const std::string late_tag = std::string(244, ' ') + "<html>";
    // Wine shows the whole Unix tree as drive Z:.
    const std::string source = __FILE__;
    const std::string word6 =
        read_whole_file("Z:" + source.substr(0, source.rfind("/win32/")) + "/data/word/Word6.doc");
    const struct {
        std::string label, file, expected_messages;
        int html_as_text, expected_kind;
        // The text's start.
        std::string expected_text;
    } cases[] = {
        {"CR LF and zero bytes", std::string("one\r\ntwo\0three", 14), "", 0, 0,
         "one\r\ntwo_three"},
        {"an HTML page loses its mark-up", page, "", 0, 1,
         "____________Hello ___big____ world______________"},
        {"an HTML page read as text keeps it", page, "", 1, 0, page},
        {"a tag ending on byte 249 is HTML", late_tag.substr(1), "", 0, 1, std::string(249, '_')},
        {"a tag crossing byte 249 is text", late_tag, "", 0, 0, late_tag},
        {"a mixed-case tag is text", "<Html>hi", "", 0, 0, "<Html>hi"},
        {"a zero byte hides a later tag", std::string("ab\0<html>", 9), "", 0, 0, "ab_<html>"},
        {"a byte of 128 or more", "caf\xE9", "[UNKNOWN file type, opening as text]", 0, 0,
         "caf\xE9"},
        {"OLE2 wins over <html>; no Word 6 header: the error",
         std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1<html>", 14) + std::string(50, 'q'), "", 0, 2,
         "Error loading MS Word DOC file has occurred._"},
        // Its header's marker stands at 2688, so the text starts at 3456.
        {"a Word 6 document", word6, "", 0, 2, "The quick brown fox jumps over the lazy dog\r\n"},
        {"a Word file cut right after its marker",
         std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(40, 'w') + "\xDC\xA5", "",
         0, 2, std::string(50, '_')},
        {"an HTML page ending inside a tag", "<html><body>Hi <b cla", "", 0, 1,
         "____________Hi ______"},
    };
    // Longer than 79 characters: the loaders must get the whole path. The last
    // case leaves html_as_text at 0.
    std::string path = start_with_reading_windows(
        "a file chosen with a name long enough to pass the mark of 79.txt");
    for (const auto &c : cases) {
        CAPTURE(c.label);
        write_whole_file(path, c.file);
        settings.html_as_text = c.html_as_text;
        open_and_check(path, c.expected_messages);
        CHECK(document_kind == c.expected_kind);
        CHECK(document.text_length == c.file.size());
        CHECK(document_text().substr(0, c.expected_text.size()) == c.expected_text);
        CHECK(window_text(frame_window) == "Tavrin - File [ " + path + " ]");
    }
    // A cancel still replaces what was loaded with the welcome text.
    open_and_check("", "");
    CHECK(document_text() == welcome_text);
    stop_program();
}

TEST_CASE("a path typed into the Open dialog and Enter open the file") {
    const std::string start = start_with_reading_windows("");
    // Spaces, a Cyrillic folder and more than 100 characters in all.
    const std::wstring folder = wide(start) + L"Папка с книгами";
    const std::wstring path = folder + L"\\a book whose name makes the path longer than 100.txt";
    REQUIRE(path.size() > 100);
    REQUIRE(CreateDirectoryW(folder.c_str(), NULL));
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
    DWORD written = 0;
    WriteFile(file, "Call me Ishmael.", 16, &written, NULL);
    CloseHandle(file);
    open_through_frame(path, TYPE_INTO_FOCUS);
    CHECK(shown_message_texts() == "");
    wchar_t caption[512] = L"";
    GetWindowTextW(frame_window, caption, 512);
    CHECK(utf8(caption) == utf8(L"Tavrin - File [ " + path + L" ]"));
    CHECK(std::string(line_text) == "Call me Ishmael.");
    stop_program();
}

// The dialog walked as a user would, tick by tick: a folder typed and Open
// pressed, then the first file of the list selected, then Cancel. What the
// Selection and Path boxes hold is noted after each step.
static std::string walk_folder, selection_after_folder, selection_after_click, path_after_click;
static int walk_tick;

static std::string box_text(HWND dialog, int box) {
    char text[MAX_PATH] = "";
    GetDlgItemTextA(FindWindowExA(dialog, NULL, "#32770", NULL), box, text, sizeof text);
    return text;
}

static void CALLBACK walk_dialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA("#32770", "Tavrin - Open file");
    if (!dialog)
        return;
    walk_tick++;
    if (walk_tick == 1) {
        SetDlgItemTextA(dialog, edt1, walk_folder.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    } else if (walk_tick == 5) {
        selection_after_folder = box_text(dialog, IDC_SELECTION_BOX);
        HWND view = FindWindowExA(dialog, NULL, "SHELLDLL_DefView", NULL);
        LVITEMA item = {};
        item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(FindWindowExA(view, NULL, "SysListView32", NULL), LVM_SETITEMSTATE, 0,
                     (LPARAM)&item);
    } else if (walk_tick == 10) {
        selection_after_click = box_text(dialog, IDC_SELECTION_BOX);
        path_after_click = box_text(dialog, IDC_PATH_BOX);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

TEST_CASE("a change of folder and a selection fill the Selection and Path boxes") {
    walk_folder = enter_fresh_directory() + "\\inner";
    REQUIRE(CreateDirectoryA(walk_folder.c_str(), NULL));
    write_whole_file(walk_folder + "\\only.txt", "alone");
    start_program();
    walk_tick = 0;
    UINT_PTR timer = SetTimer(NULL, 0, 20, walk_dialog);
    CHECK(open_file_dialog(NULL) == 0);
    KillTimer(NULL, timer);
    CHECK(selection_after_folder == walk_folder);
    CHECK(selection_after_click == "only.txt");
    CHECK(path_after_click == walk_folder + "\\only.txt");
    stop_program();
}

TEST_CASE("a failed dialog shows the program's own text for its error; a cancel shows nothing") {
    const struct {
        std::string label;
        DWORD code;
        std::string expected_messages;
    } cases[] = {
        {"cancelled", 0, ""},
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

TEST_CASE("a failed load leaves the welcome text in a whole Document") {
    const struct {
        ULONGLONG size;
        std::string label, expected_messages;
    } cases[] = {
        {0, "an empty file", "[Zero bytes read.]"},
#ifndef _WIN64
        // A 64-bit process can hold it, and would spend minutes reading it.
        {3ull << 30, "3 GB, more than a 32-bit process can have", "[GlobalAlloc failed!]"},
#endif
        {0xFFFFFFFFull, "0xFFFFFFFF bytes, no room for the closing zero", "[GlobalAlloc failed!]"},
        {(4ull << 30) + 5, "4 GB and 5 bytes, whose low part looks small", "[GlobalAlloc failed!]"},
    };
    std::string path = start_with_reading_windows("chosen.txt");
    for (const auto &c : cases) {
        CAPTURE(c.label);
        write_sparse_file(path, c.size);
        open_and_check(path, c.expected_messages);
        CHECK(document_text() == welcome_text);
    }

    // Held open by another program that shares nothing (this process, here).
    write_whole_file(path, "locked");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    open_and_check(path, "[File open failed.]");
    CHECK(document_text() == welcome_text);
    CloseHandle(held);

    // A folder's name typed as the file: the dialog goes into the folder and
    // stays open until cancelled; nothing is loaded.
    std::string caption = window_text(frame_window);
    open_through_frame(wide(path.substr(0, path.rfind('\\'))), FILL_FILE_NAME_BOX, 10);
    check_load("");
    CHECK(document_text() == welcome_text);
    CHECK(window_text(frame_window) == caption);
    stop_program();
}

TEST_CASE("a file removed or cut short between choosing and reading gives a whole Document") {
    // A Word file's text starts 768 bytes after its header's marker.
    const std::string word_head = std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) +
                                  std::string(40, 'w') + "\xDC\xA5" + std::string(766, 'x');
    const struct {
        std::string label, chosen, read; // read empty: the file is gone
        void (*loader)(const char *path, uint64_t size);
        std::string expected_messages, expected_text;
    } cases[] = {
        {"text removed", "soon gone", "", load_text_file, "[File open failed.]", welcome_text},
        {"text cut short", "one two three", "one", load_text_file, "[problem reading file]",
         "one__________"},
        {"HTML cut short", "<html>one two three", "<html>on", load_html_file, "",
         "______on___________"},
        {"Word cut short", word_head + "alpha beta", word_head + "alph", load_word_file, "",
         "alph" + std::string(word_head.size() + 6, '_')},
    };
    std::string path = start_with_reading_windows("changing.txt");
    for (const auto &c : cases) {
        CAPTURE(c.label);
        write_whole_file(path, c.chosen);
        answer_next_open_dialog(wide(path));
        REQUIRE(open_file_dialog(NULL) == 1);
        if (c.read.empty())
            REQUIRE(DeleteFileA(path.c_str()));
        else
            write_whole_file(path, c.read);
        c.loader(file_path, file_size);
        check_load(c.expected_messages);
        CHECK(document_text() == c.expected_text);
    }
    stop_program();
}
