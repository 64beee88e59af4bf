// The Open command for real: the system's Open dialog with the program's
// template, driven by a thread timer from inside its own modal loop, then the
// loaders reading real files into the Document.
#include "harness.h"

#include "app/window_handles.h"
#include "document/document.h"
#include "document/open_file.h"
#include "reading/reader_state.h"
#include "reading/words.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "tests/common/shown_bytes.h"

#include <commdlg.h>
#include <dlgs.h>
#include <commctrl.h>
#include <string.h>

static std::string document_text() {
    return std::string((const char *)document.text, document.text_length);
}

// What the Reader and the Navigator rely on, whatever the last load did.
static void check_document_is_whole() {
    REQUIRE(document.text != nullptr);
    CHECK(GlobalSize((HGLOBAL)document.text_block) >= (SIZE_T)document.text_length + 1);
    CHECK(document.text[document.text_length] == 0);
    CHECK(document.read_pos == 0);
    CHECK(document.anchor_pos == 0);
}

// The message boxes shown, each once: a box that loses activation to another
// program's window (tests run side by side) is noted again when it gets it
// back.
static std::vector<shown_message> boxes_shown() {
    std::vector<shown_message> boxes;
    for (const shown_message &m : shown_messages)
        if (boxes.empty() || boxes.back().text != m.text || boxes.back().caption != m.caption)
            boxes.push_back(m);
    return boxes;
}

static std::string messages_shown() {
    std::string all;
    for (const shown_message &m : boxes_shown())
        all += "[" + m.text + "]";
    return all;
}

// Wide texts as UTF-8, which the checks can print.
static std::string utf8(const std::wstring &text) {
    char bytes[256] = "";
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes, sizeof bytes, NULL, NULL);
    return bytes;
}

// The Open dialog is an ANSI window: its texts pass through the ANSI code
// page, which holds Cyrillic on a Russian system and not on others.
static std::wstring as_ansi_window_shows(const std::wstring &text) {
    char ansi[256] = "";
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi, sizeof ansi, NULL, NULL);
    wchar_t back[256] = L"";
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, back, 256);
    return back;
}

// After a cancel or a refused file: the frame's reset stands, untouched.
static void check_welcome_text_stays() {
    CHECK(window_text(frame_window) == "Tavrin");
    CHECK(document_text() == welcome_text);
    check_document_is_whole();
}

// --- Driving the dialog ---------------------------------------------------

// One step of a script; returns 1 when done, 0 to be tried again at the next
// tick.
typedef int (*dialog_step)(HWND dialog, HWND own_controls);

static struct {
    const dialog_step *steps;
    int next;
    std::string path;     // typed into the file name box by type_path_and_open
    std::string select;   // the name select_in_list picks
    size_t messages_seen; // for waiting on a message box
    std::wstring labels[2];
    std::string selection_box, path_box; // as a step saw them
    int gave_up;
    DWORD started;
} script;

static BOOL CALLBACK find_open_dialog(HWND window, LPARAM found) {
    if (window_text(window) == "Tavrin - Open file")
        *(HWND *)found = window;
    return TRUE;
}

static BOOL CALLBACK find_own_controls(HWND child, LPARAM found) {
    if (GetDlgCtrlID(child) == IDC_SELECTION_BOX)
        *(HWND *)found = GetParent(child);
    return TRUE;
}

static void CALLBACK drive_dialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = 0;
    EnumThreadWindows(GetCurrentThreadId(), find_open_dialog, (LPARAM)&dialog);
    if (!dialog)
        return;
    if (GetTickCount() - script.started > 10000) {
        script.gave_up = 1;
        KillTimer(NULL, timer);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    HWND own_controls = 0;
    EnumChildWindows(dialog, find_own_controls, (LPARAM)&own_controls);
    dialog_step step = script.steps[script.next];
    if (step && step(dialog, own_controls))
        script.next++;
    if (!script.steps[script.next])
        KillTimer(NULL, timer);
}

static void prepare_script(const dialog_step *steps) {
    script.steps = steps;
    script.next = 0;
    script.gave_up = 0;
    script.started = GetTickCount();
    script.messages_seen = shown_messages.size();
    SetTimer(NULL, 0, 20, drive_dialog);
}

// Runs the frame's Open command with the script answering the dialog.
static void run_open_command(const dialog_step *steps) {
    prepare_script(steps);
    SendMessageA(frame_window, WM_COMMAND, CMD_OPEN, 0);
    pump_messages();
    CHECK_MESSAGE(!script.gave_up, "the dialog script did not finish");
}

static int type_path_and_open(HWND dialog, HWND) {
    SetDlgItemTextA(dialog, edt1, script.path.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return 1;
}

static int cancel(HWND dialog, HWND) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return 1;
}

static int read_own_controls(HWND, HWND own_controls) {
    REQUIRE(own_controls != nullptr);
    for (int i = 0; i < 2; i++)
        script.labels[i].clear();
    int label = 0;
    for (HWND child = GetWindow(own_controls, GW_CHILD); child && label < 2;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) != 0xFFFF)
            continue;
        wchar_t text[32] = L"";
        GetWindowTextW(child, text, 32);
        script.labels[label++] = text;
    }
    return 1;
}

// Wine's dialog never tells the hook about its Help button, so the
// notification Windows sends is sent here, to the program's part of the real
// dialog.
static int notify_own_controls(HWND dialog, HWND own_controls, UINT code) {
    char name[] = "locked.txt";
    OFNOTIFYA notify = {};
    notify.hdr.hwndFrom = dialog;
    notify.hdr.idFrom = 0;
    notify.hdr.code = code;
    notify.pszFile = name;
    SendMessageA(own_controls, WM_NOTIFY, 0, (LPARAM)&notify);
    return 1;
}

static int press_help(HWND dialog, HWND own_controls) {
    return notify_own_controls(dialog, own_controls, CDN_HELP);
}

static int report_sharing_violation(HWND dialog, HWND own_controls) {
    return notify_own_controls(dialog, own_controls, CDN_SHAREVIOLATION);
}

static int wait_for_message_box(HWND, HWND) {
    return shown_messages.size() > script.messages_seen;
}

static int select_in_list(HWND dialog, HWND) {
    HWND view = FindWindowExA(FindWindowExA(dialog, NULL, "SHELLDLL_DefView", NULL), NULL,
                              "SysListView32", NULL);
    if (!view)
        return 0;
    LVFINDINFOA find = {};
    find.flags = LVFI_STRING;
    find.psz = script.select.c_str();
    int item = (int)SendMessageA(view, LVM_FINDITEMA, (WPARAM)-1, (LPARAM)&find);
    if (item < 0)
        return 0;
    LVITEMA state = {};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(view, LVM_SETITEMSTATE, item, (LPARAM)&state);
    return 1;
}

static int read_boxes(HWND, HWND own_controls) {
    char text[MAX_PATH] = "";
    GetDlgItemTextA(own_controls, IDC_SELECTION_BOX, text, sizeof text);
    script.selection_box = text;
    GetDlgItemTextA(own_controls, IDC_PATH_BOX, text, sizeof text);
    script.path_box = text;
    return 1;
}

static int folder_in_selection_box(HWND dialog, HWND own_controls) {
    read_boxes(dialog, own_controls);
    return script.selection_box == script.path;
}

static int name_in_selection_box(HWND dialog, HWND own_controls) {
    read_boxes(dialog, own_controls);
    return script.selection_box == script.select;
}

static const dialog_step open_typed_path[] = {type_path_and_open, 0};

// Opens a file through the frame's Open command, as the user would.
static void open_through_frame(const std::string &path) {
    script.path = path;
    run_open_command(open_typed_path);
}

static std::string test_data_path(const char *name) {
    // Wine shows the whole Unix tree as drive Z:.
    std::string source = __FILE__;
    return "Z:" + source.substr(0, source.rfind("/win32/")) + "/data/" + name;
}

static std::string full_path(const std::string &folder, const std::string &name) {
    return folder + "\\" + name;
}

// --- The dialog --------------------------------------------------------------

TEST_CASE("the Open dialog shows the program's boxes and a cancel changes nothing") {
    enter_fresh_directory();
    start_program();
    static const dialog_step steps[] = {read_own_controls, cancel, 0};
    run_open_command(steps);
    CHECK(utf8(script.labels[0]) == utf8(as_ansi_window_shows(L"Путь:")));
    CHECK(utf8(script.labels[1]) == utf8(as_ansi_window_shows(L"Выбор:")));
    CHECK(messages_shown() == "");
    check_welcome_text_stays();
    stop_program();
}

TEST_CASE("the hook answers Help and a sharing violation, and the dialog stays open") {
    enter_fresh_directory();
    start_program();
    static const dialog_step steps[] = {
        press_help, wait_for_message_box, report_sharing_violation, read_boxes, cancel, 0};
    run_open_command(steps);
    std::vector<shown_message> boxes = boxes_shown();
    REQUIRE(boxes.size() == 2);
    CHECK(boxes[0].text == "Got the Help button notify.");
    CHECK(boxes[0].caption == "ComDlg32 Test");
    CHECK(boxes[1].text == "Got a sharing violation notify.");
    CHECK(boxes[1].caption == "ComDlg32 Test");
    CHECK(script.selection_box == "locked.txt");
    CHECK(script.next == 5); // the cancel found the dialog still there
    stop_program();
}

TEST_CASE("changing folder and choosing a file fill the program's boxes") {
    // A new folder, so that the dialog cannot already be showing it.
    std::string folder = full_path(enter_fresh_directory(), "sub");
    CreateDirectoryA(folder.c_str(), NULL);
    write_whole_file(full_path(folder, "chosen.txt"), "text");
    start_program();
    script.path = folder;
    script.select = "chosen.txt";
    static const dialog_step steps[] = {type_path_and_open,
                                        folder_in_selection_box,
                                        select_in_list,
                                        name_in_selection_box,
                                        cancel,
                                        0};
    run_open_command(steps);
    CHECK(script.next == 5);
    CHECK(script.selection_box == "chosen.txt");
    CHECK(script.path_box == full_path(folder, "chosen.txt"));
    // A cancel still leaves the boxes' texts behind.
    CHECK(std::string(file_path) == "chosen.txt");
    CHECK(std::string(folder_text) == full_path(folder, "chosen.txt"));
    stop_program();
}

TEST_CASE("a failed dialog says why in the program's words") {
    const struct {
        DWORD code;
        const char *expected; // "" for no message at all
    } cases[] = {
        {0, ""},
        {CDERR_DIALOGFAILURE, "The Open dialog could not be shown."},
        {FNERR_BUFFERTOOSMALL, "The chosen file's name is too long."},
        {0x4242, "The Open dialog failed for a reason it did not give."},
    };
    for (const auto &c : cases) {
        CAPTURE(c.code);
        shown_messages.clear();
        report_dialog_error(c.code, NULL);
        pump_messages();
        CHECK((shown_messages.empty() ? "" : shown_messages[0].text) == c.expected);
    }
}

// --- The loaders -------------------------------------------------------------

TEST_CASE("each kind of file fills the Document through the Open command") {
    const std::string page = "<html><body>Hello <b>big</b> world</body></html>";
    const std::string page_text = std::string(12, '\0') + "Hello " + std::string(3, '\0') + "big" +
                                  std::string(4, '\0') + " world" + std::string(14, '\0');
    const std::string word6 = read_whole_file(test_data_path("word/Word6.doc"));
    REQUIRE(word6.size() == 6656);
    const std::string word97 = read_whole_file(test_data_path("word/simple.doc"));
    REQUIRE(word97.size() == 19456);
    const std::string error_text = "Error loading MS Word DOC file has occurred.";

    const struct {
        const char *label;
        std::string file;
        int html_as_text;
        std::string expected_text; // the start of the text
        size_t expected_length;
        std::string expected_messages;
        std::vector<std::string> expected_words;
    } cases[] = {
        {"text with CR LF and zero bytes",
         std::string("one\r\ntwo\0three\r\n", 15),
         0,
         std::string("one\r\ntwo\0three\r\n", 15),
         15,
         "",
         {"one", "two", "three"}},
        {"an HTML page loses its mark-up",
         page,
         0,
         page_text,
         page.size(),
         "",
         {"Hello", "big", "world"}},
        {"an HTML page read as text keeps it", page, 1, page, page.size(), "", {}},
        {"an accented letter makes the kind unknown",
         "caf\xE9 cr\xE8me",
         0,
         "caf\xE9 cr\xE8me",
         10,
         "[UNKNOWN file type, opening as text]",
         {"caf\xE9", "cr\xE8me"}},
        {"a Word 6 document",
         word6,
         0,
         "The quick brown fox jumps over the lazy dog\r\n",
         word6.size(),
         "",
         {"The", "quick"}},
        {"a Word 97 document has no Word 6 header",
         word97,
         0,
         error_text + '\0',
         word97.size(),
         "",
         {"Error", "loading"}},
    };
    std::string folder = enter_fresh_directory();
    start_program();
    for (const auto &c : cases) {
        CAPTURE(c.label);
        write_whole_file(full_path(folder, "chosen"), c.file);
        settings.html_as_text = c.html_as_text;
        shown_messages.clear();
        open_through_frame(full_path(folder, "chosen"));
        CHECK(messages_shown() == c.expected_messages);
        CHECK(document.text_length == c.expected_length);
        CHECK(shown(document_text().substr(0, c.expected_text.size())) == shown(c.expected_text));
        CHECK(window_text(frame_window) == "Tavrin - File [ " + full_path(folder, "chosen") + " ]");
        check_document_is_whole();
        for (const std::string &word : c.expected_words) {
            take_next_word();
            CHECK(std::string(current_word) == word);
        }
    }
    settings.html_as_text = 0;
    stop_program();
}

TEST_CASE("an empty file is refused and the welcome text stays") {
    std::string folder = enter_fresh_directory();
    write_whole_file(full_path(folder, "empty.txt"), "");
    start_program();
    open_through_frame(full_path(folder, "empty.txt"));
    CHECK(messages_shown() == "[Zero bytes read.]");
    check_welcome_text_stays();
    stop_program();
}

// A path longer than the caption's buffer: the loader still opens the whole
// path, and the caption shows as much of it as fits.
TEST_CASE("a long path is opened whole") {
    std::string folder = enter_fresh_directory();
    std::string sub(150, 'd');
    CreateDirectoryA(full_path(folder, sub).c_str(), NULL);
    std::string name = std::string(254 - folder.size() - sub.size() - 2, 'n') + ".txt";
    std::string path = full_path(full_path(folder, sub), name);
    REQUIRE(path.size() == 258);
    write_whole_file(path, "the long way");
    start_program();
    open_through_frame(path);
    CHECK(messages_shown() == "");
    CHECK(std::string(file_path) == path);
    CHECK(document_text() == "the long way");
    CHECK(std::string(file_title) == path.substr(0, 255));
    // The frame's title is cut again where MDI frames cut theirs.
    std::string caption = window_text(frame_window);
    std::string whole_caption = "Tavrin - File [ " + path.substr(0, 255) + " ]";
    CHECK(caption.size() > 100);
    CHECK(whole_caption.substr(0, caption.size()) == caption);
    stop_program();
}

static void make_sparse_file(const std::string &path, ULONGLONG size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    REQUIRE(file != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "hello", 5, &written, NULL);
    LONG high = (LONG)(size >> 32);
    SetFilePointer(file, (LONG)(DWORD)size, &high, FILE_BEGIN);
    CHECK(SetEndOfFile(file));
    CloseHandle(file);
}

TEST_CASE("a file too large to hold is refused and the Document stays whole") {
    const struct {
        const char *label;
        ULONGLONG size;
    } cases[] = {
        {"3 GB, more than a 32-bit process can have", 3ull << 30},
        {"0xFFFFFFFF bytes, no room for the closing zero", 0xFFFFFFFFull},
        {"4 GB and 5 bytes, whose low part looks small", (4ull << 30) + 5},
    };
    std::string folder = enter_fresh_directory();
    start_program();
    for (const auto &c : cases) {
        CAPTURE(c.label);
        std::string path = full_path(folder, "large.txt");
        make_sparse_file(path, c.size);
        shown_messages.clear();
        open_through_frame(path);
        CHECK(messages_shown() == "[GlobalAlloc failed!]");
        CHECK(document_text() == welcome_text);
        check_document_is_whole();
        DeleteFileA(path.c_str());
    }
    stop_program();
}

// The file changes between the dialog and the loader.
TEST_CASE("a file removed or cut short after it was chosen") {
    std::string folder = enter_fresh_directory();
    start_program();

    script.path = full_path(folder, "going.htm");
    write_whole_file(script.path, "<html>soon gone");
    prepare_script(open_typed_path);
    REQUIRE(open_file_dialog(NULL) == 1);
    CHECK(document_kind == 1);
    REQUIRE(DeleteFileA(script.path.c_str()));
    shown_messages.clear();
    load_html_file();
    CHECK(messages_shown() == "[File open failed.]");
    CHECK(document_text() == welcome_text);
    check_document_is_whole();
    take_next_word();
    CHECK(std::string(current_word) == "Welcome");

    // The text keeps the chosen length; what could not be read is zero.
    script.path = full_path(folder, "shrinking.txt");
    write_whole_file(script.path, "long enough text");
    prepare_script(open_typed_path);
    REQUIRE(open_file_dialog(NULL) == 1);
    write_whole_file(script.path, "long");
    shown_messages.clear();
    load_text_file();
    CHECK(messages_shown() == "[problem reading file]");
    CHECK(shown(document_text()) == shown(std::string("long") + std::string(12, '\0')));
    check_document_is_whole();
    stop_program();
}
