// The Open command for real: the system's Open dialog with the program's
// template, answered by a thread timer from inside its own modal loop, then the
// loaders reading real files into the Document.
#include "harness.h"

#include "app/window_handles.h"
#include "document/document.h"
#include "document/open_file.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "tests/common/shown_bytes.h"

#include <commdlg.h>
#include <dlgs.h>

static std::string document_text() {
    return std::string((const char *)document.text, document.text_length);
}

static std::string messages_shown() {
    std::string all;
    for (const shown_message &m : shown_messages)
        all += "[" + m.text + "]";
    return all;
}

// What the Reader and the Navigator rely on, whatever the last load did.
static void check_document_is_whole() {
    REQUIRE(document.text != nullptr);
    CHECK(GlobalSize((HGLOBAL)document.text_block) >= (SIZE_T)document.text_length + 1);
    CHECK(document.text[document.text_length] == 0);
    CHECK(document.read_pos == 0);
    CHECK(document.anchor_pos == 0);
}

// How the next Open dialog is answered: the path typed and Open pressed, or
// Cancel when the path is empty.
struct dialog_answer {
    std::string path;
    int answered, had_template;
    DWORD started;
};
static dialog_answer answer;

static BOOL CALLBACK find_open_dialog(HWND window, LPARAM found) {
    if (window_text(window) == "Tavrin - Open file")
        *(HWND *)found = window;
    return TRUE;
}

// Counts the template's parts: the Selection box and its two Russian labels,
// which reach the dialog's ANSI controls only through the right code page.
static BOOL CALLBACK find_template(HWND child, LPARAM found) {
    wchar_t text[16] = L"";
    GetWindowTextW(child, text, 16);
    *(int *)found += GetDlgCtrlID(child) == IDC_SELECTION_BOX || lstrcmpW(text, L"Путь:") == 0 ||
                     lstrcmpW(text, L"Выбор:") == 0;
    return TRUE;
}

static void CALLBACK answer_dialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = 0;
    EnumThreadWindows(GetCurrentThreadId(), find_open_dialog, (LPARAM)&dialog);
    if (!dialog) {
        if (answer.answered)
            KillTimer(NULL, timer);
    } else if (!answer.answered++) {
        EnumChildWindows(dialog, find_template, (LPARAM)&answer.had_template);
        SetDlgItemTextA(dialog, edt1, answer.path.c_str());
        PostMessageA(dialog, WM_COMMAND, answer.path.empty() ? IDCANCEL : IDOK, 0);
    } else if (GetTickCount() - answer.started > 10000) {
        // Open did not close it: end the modal loop, and the checks fail.
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

static void answer_next_dialog(const std::string &path) {
    answer = {path, 0, 0, GetTickCount()};
    SetTimer(NULL, 0, 20, answer_dialog);
}

static void open_through_frame(const std::string &path) {
    answer_next_dialog(path);
    SendMessageA(frame_window, WM_COMMAND, CMD_OPEN, 0);
    pump_messages();
    CHECK(answer.had_template == 3);
}

static std::string test_data_path(const char *name) {
    // Wine shows the whole Unix tree as drive Z:.
    std::string source = __FILE__;
    return "Z:" + source.substr(0, source.rfind("/win32/")) + "/data/" + name;
}

TEST_CASE("each kind of file fills the Document through the Open command") {
    const std::string page = "<html><body>Hello <b>big</b> world</body></html>";
    const std::string late_tag = std::string(244, ' ') + "<html>";
    const std::string word6 = read_whole_file(test_data_path("word/Word6.doc"));
    const std::string word97 = read_whole_file(test_data_path("word/simple.doc"));
    const struct {
        std::string label; // a std::string, which CAPTURE prints as text
        std::string file;
        int html_as_text;
        std::string expected_messages;
        int expected_kind;
        std::string expected_text; // its start, as shown() prints it
    } cases[] = {
        {"text with CR LF and zero bytes", std::string("one\r\ntwo\0three\r\n", 16), 0, "", 0,
         "one\\r\\ntwo_three\\r\\n"},
        {"an HTML page loses its mark-up", page, 0, "", 1,
         "____________Hello ___big____ world______________"},
        {"an HTML page read as text keeps it", page, 1, "", 0, page},
        {"a tag beyond byte 249 is text", late_tag, 0, "", 0, late_tag},
        {"bytes of 128 and more", "caf\xE9 cr\xE8me", 0, "[UNKNOWN file type, opening as text]", 0,
         "caf\xE9 cr\xE8me"},
        {"a Word 6 document", word6, 0, "", 2, "The quick brown fox jumps over the lazy dog\\r\\n"},
        {"a Word 97 document has no Word 6 header", word97, 0, "", 2,
         "Error loading MS Word DOC file has occurred._"},
    };
    // Longer than 79 characters: the loaders must get the whole path.
    std::string path = enter_fresh_directory() +
                       "\\a file chosen with a name long enough to pass the mark of 79.txt";
    REQUIRE(path.size() > 100);
    start_program();
    for (const auto &c : cases) {
        CAPTURE(c.label);
        write_whole_file(path, c.file);
        settings.html_as_text = c.html_as_text;
        shown_messages.clear();
        open_through_frame(path);
        CHECK(messages_shown() == c.expected_messages);
        CHECK(document_kind == c.expected_kind);
        CHECK(document.text_length == c.file.size());
        CHECK(shown(document_text()).substr(0, c.expected_text.size()) == c.expected_text);
        CHECK(window_text(frame_window) == "Tavrin - File [ " + path + " ]");
        check_document_is_whole();
    }
    settings.html_as_text = 0;
    // A cancel still replaces what was loaded with the welcome text.
    open_through_frame("");
    CHECK(document_text() == welcome_text);
    check_document_is_whole();
    stop_program();
}

// Sparse: as large as asked without taking the disk space.
static void make_file_of_size(const std::string &path, ULONGLONG size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    LONG high = (LONG)(size >> 32);
    SetFilePointer(file, (LONG)(DWORD)size, &high, FILE_BEGIN);
    CHECK(SetEndOfFile(file));
    CloseHandle(file);
}

TEST_CASE("a failed load leaves the welcome text in a whole Document") {
    const struct {
        std::string label;
        ULONGLONG size;
        const char *expected_messages;
    } cases[] = {
        {"an empty file", 0, "[Zero bytes read.]"},
        {"3 GB, more than a 32-bit process can have", 3ull << 30, "[GlobalAlloc failed!]"},
        {"0xFFFFFFFF bytes, no room for the closing zero", 0xFFFFFFFFull, "[GlobalAlloc failed!]"},
        {"4 GB and 5 bytes, whose low part looks small", (4ull << 30) + 5, "[GlobalAlloc failed!]"},
    };
    std::string path = enter_fresh_directory() + "\\chosen.txt";
    start_program();
    for (const auto &c : cases) {
        CAPTURE(c.label);
        make_file_of_size(path, c.size);
        shown_messages.clear();
        open_through_frame(path);
        CHECK(messages_shown() == c.expected_messages);
        CHECK(document_text() == welcome_text);
        check_document_is_whole();
    }

    // The file removed between the dialog and the loader.
    write_whole_file(path, "soon gone");
    answer_next_dialog(path);
    REQUIRE(open_file_dialog(NULL) == 1);
    REQUIRE(DeleteFileA(path.c_str()));
    shown_messages.clear();
    load_text_file();
    CHECK(messages_shown() == "[File open failed.]");
    CHECK(document_text() == welcome_text);
    check_document_is_whole();
    stop_program();
}
