// The Glom window and the capture, with source windows the tests make: in
// this process where a menu must be read (Wine reads no other process's
// menu), and a small program of their own as a source in another process.
#include "reading_windows.h"

#include "glom/glom.h"
#include "glom/glom_capture.h"

#include <map>
#include <stdio.h>
#include <string.h>

enum { SELECT_ID = 40, COPY_ID = 41 };

// What each test source's Copy leaves on the clipboard (nothing when empty),
// and the one window that reports a made-up length for its text.
static std::map<HWND, std::string> copies;
static HWND lying_window;
static LRESULT lying_length;
static HANDLE let_go, hung_thread; // a hung source waits for let_go in its handler
static DWORD hung_thread_id;
static PROCESS_INFORMATION other_source; // the source program, while it runs

static LRESULT CALLBACK test_source_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && let_go)
        return WaitForSingleObject(let_go, 20000);
    if (message == WM_COMMAND && LOWORD(wparam) == COPY_ID && !copies[window].empty())
        put_clipboard_text(copies[window]);
    if (message == WM_GETTEXTLENGTH && window == lying_window)
        return lying_length;
    return DefWindowProcA(window, message, wparam, lparam);
}

// A menu bar with one popup of the given items; only Select and Copy have
// commands the sources act on.
static HMENU menu_with(const char *popup, std::vector<const char *> items) {
    HMENU bar = CreateMenu(), sub = CreatePopupMenu();
    for (const char *item : items)
        AppendMenuA(sub, MF_STRING, strstr(item, "elect") ? SELECT_ID : COPY_ID, item);
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)sub, popup);
    return bar;
}

static HMENU edit_menu() {
    return menu_with("&Edit", {"&Copy", "Select &All"});
}

// A source window, top-level when parent is 0; the newest top-level window
// stands first in the system's order.
static HWND make_source(const char *title, HMENU menu, const std::string &copy = "",
                        HWND parent = NULL, const char *class_name = "GLOMTESTSOURCE") {
    for (const char *name : {"GLOMTESTSOURCE", "HTML_Internet Explorer"}) {
        WNDCLASSA wc = {0, test_source_proc, 0, 0, GetModuleHandleA(NULL), 0, 0, 0, 0, name};
        RegisterClassA(&wc);
    }
    HWND window = CreateWindowExA(0, class_name, title, parent ? WS_CHILD : WS_OVERLAPPEDWINDOW, 0,
                                  0, 200, 100, parent, menu, GetModuleHandleA(NULL), NULL);
    REQUIRE(window != nullptr);
    copies[window] = copy;
    return window;
}

// Internet Explorer: its page view, two levels down, handles the commands.
static void make_explorer(HMENU menu) {
    HWND top = make_source("Home - Microsoft Internet Explorer", menu, "Frame words.");
    make_source("", NULL, "Page words.", make_source("", NULL, "Shell words.", top),
                "HTML_Internet Explorer");
}

// Eudora: a message window holding a view holding a text window, the view
// reporting the given length for its text.
static void make_eudora(LRESULT view_reports) {
    HWND message = make_source("Re - [Hi]", NULL, "", make_source("Eudora Light", NULL));
    lying_window = make_source("View words.", NULL, "", message);
    lying_length = view_reports;
    make_source("Message words.", NULL, "", lying_window);
}

// Eudora in a process of its own, its text three levels down in the In mailbox.
static void run_other_source() {
    char exe[MAX_PATH];
    GetModuleFileNameA(NULL, exe, MAX_PATH);
    strcpy(strrchr(exe, '\\') + 1, "tavrin_glom_source.exe");
    // Quoted: the build tree's path may hold blanks.
    std::string command = "\"" + std::string(exe) + "\" Mb - [In]|Read across processes.";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    BOOL started =
        CreateProcessA(exe, &command[0], NULL, NULL, 0, 0, NULL, NULL, &startup, &other_source);
    INFO("CreateProcessA error " << GetLastError() << " for " << exe);
    REQUIRE(started);
    WaitForInputIdle(other_source.hProcess, 5000); // its windows are made
}

// A source that stops answering once given a command: its window lives on a
// thread of its own until the test lets it go.
static DWORD WINAPI run_hung_source(void *made) {
    make_source("Stuck - Memo", edit_menu());
    SetEvent((HANDLE)made);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}

static void make_hung_source() {
    let_go = CreateEventA(NULL, TRUE, FALSE, NULL);
    HANDLE made = CreateEventA(NULL, TRUE, FALSE, NULL);
    hung_thread = CreateThread(NULL, 0, run_hung_source, made, 0, &hung_thread_id);
    REQUIRE(WaitForSingleObject(made, 5000) == WAIT_OBJECT_0);
    CloseHandle(made);
}

// Ends every source; a child goes with its parent, the hung one with its thread.
static void destroy_sources() {
    if (hung_thread) {
        SetEvent(let_go);
        PostThreadMessageA(hung_thread_id, WM_QUIT, 0, 0);
        CHECK(WaitForSingleObject(hung_thread, 5000) == WAIT_OBJECT_0);
        CloseHandle(hung_thread);
        CloseHandle(let_go);
        let_go = hung_thread = 0;
    }
    if (other_source.hProcess) {
        TerminateProcess(other_source.hProcess, 0);
        WaitForSingleObject(other_source.hProcess, 5000);
        CloseHandle(other_source.hThread);
        CloseHandle(other_source.hProcess);
        other_source = {};
    }
    for (const auto &c : copies)
        DestroyWindow(c.first);
    copies.clear();
    lying_window = 0;
    pump_messages();
}

static void press(int id) {
    SendMessageA(glom_window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 (LPARAM)GetDlgItem(glom_window, id));
    pump_messages();
}

static std::string list_entries() {
    std::string entries;
    HWND list = GetDlgItem(glom_window, GLOM_LIST_ID);
    for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); i++) {
        char entry[128] = "";
        SendMessageA(list, LB_GETTEXT, i, (LPARAM)entry);
        entries += entry + std::string("|");
    }
    return entries;
}

// Makes the source windows, picks the name in the list as the user does (a
// name it does not hold is set directly) and presses "Glom", from a caption,
// positions and a clipboard text that a capture changes.
static void capture_from(void (*make)(), const std::string &name) {
    make();
    press(GLOM_REFRESH_ID);
    HWND list = GetDlgItem(glom_window, GLOM_LIST_ID);
    LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)name.c_str());
    SendMessageA(list, LB_SETCURSEL, index, 0);
    SendMessageA(glom_window, WM_COMMAND, MAKEWPARAM(GLOM_LIST_ID, LBN_SELCHANGE), (LPARAM)list);
    if (index == LB_ERR)
        lstrcpyA(glom_name, name.c_str());
    CHECK(std::string(glom_name) == name);
    SetWindowTextA(frame_window, "Tavrin - before");
    document.read_pos = document.anchor_pos = 4;
    put_clipboard_text("Text before.");
    shown_messages.clear();
    press(GLOM_BUTTON_ID);
}

static void open_glom_window() {
    enter_fresh_directory();
    start_program();
    run_command(CMD_GLOM);
    REQUIRE(glom_window != nullptr);
}

TEST_CASE("the list names Word and Explorer windows, and others by an Edit menu with Copy above "
          "Select, in the system's order; Refresh builds it again and empties the clipboard") {
    make_source("Report - Microsoft Word", NULL);
    make_source("Home - Microsoft Internet Explorer", NULL);
    make_source("Microsoft Internet Explorer shows Microsoft Word", NULL);
    HWND notes = make_source("Notes - Memo", edit_menu());
    make_source("Ledger - Sums", menu_with("&Edit", {"Select &All", "&Copy"}));
    make_source("Balance", menu_with("Cre&dit", {"&Copy", "Select &All"}));
    make_source("-Dash first", edit_menu());
    make_source("", edit_menu());
    make_source("Second - Microsoft Word", NULL);
    open_glom_window();
    CHECK(list_entries() == "Microsoft Word||Balance|Notes |Microsoft Word|"
                            "Microsoft Internet Explorer|Microsoft Word|");
    DestroyWindow(notes);
    for (int i = 0; i < 2; i++) {
        put_clipboard_text("Text on the clipboard.");
        press(GLOM_REFRESH_ID);
        CHECK(clipboard_text() == "<none>");
    }
    CHECK(list_entries() == "Microsoft Word||Balance|Microsoft Word|Microsoft Internet Explorer|"
                            "Microsoft Word|");

    // Styles and left, top, right on a client area of 610 by 355; the list box
    // keeps to whole rows and has a scroll bar only while it needs one.
    size_client(glom_window, 610, 355);
    std::string controls;
    for (int id : {GLOM_LIST_ID, GLOM_BUTTON_ID, GLOM_REFRESH_ID}) {
        HWND control = GetDlgItem(glom_window, id);
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(NULL, glom_window, (POINT *)&r, 2);
        char text[64];
        snprintf(text, sizeof text, "%08lX %ld,%ld %ld|",
                 GetWindowLongA(control, GWL_STYLE) & ~WS_VSCROLL, r.left, r.top, r.right);
        controls += text;
    }
    CHECK(controls == "50810003 10,50 430|50010001 450,105 600|50010000 450,245 600|");
    destroy_sources();
    stop_program();
}

TEST_CASE("a capture replaces the Document and its positions, names the source in the caption, "
          "and a running Reader goes on from the new text's start") {
    const struct {
        std::string label;
        void (*make)();
        std::string name, text;
    } cases[] = {
        {"Word, by its name",
         [] { make_source("Report - Microsoft Word", edit_menu(), "Word words."); },
         "Microsoft Word", "Word words."},
        {"Explorer, through its page view", [] { make_explorer(edit_menu()); },
         "Microsoft Internet Explorer", "Page words."},
        {"a program by its entry", [] { make_source("Notes - Memo", edit_menu(), "Note words."); },
         "Notes ", "Note words."},
        {"a Word window visited after the chosen one wins",
         [] {
             make_source("Letter - Microsoft Word", edit_menu(), "Word words.");
             make_source("Notes - Memo", edit_menu(), "Note words.");
         },
         "Notes ", "Word words."},
        {"of two matching windows the one visited last",
         [] {
             make_source("Notes - One", edit_menu(), "First words.");
             make_source("Notes - Two", edit_menu(), "Second words.");
         },
         "Notes ", "First words."},
        {"Eudora's message window, two levels down, reporting more than it copies",
         [] { make_eudora(500); }, "Eudora", "View words."},
        {"Eudora without child windows gives an empty text",
         [] { make_source("Eudora Light", edit_menu(), "Menu words."); }, "Eudora", ""},
        {"Eudora's In mailbox in another process, three levels down", run_other_source, "Eudora",
         "Read across processes."},
    };
    open_glom_window();
    // A running Reader that only the test's own ticks move.
    settings.words_per_minute = 1;
    run_command(CMD_READER);
    run_command(CMD_START);
    for (const auto &c : cases) {
        CAPTURE(c.label);
        capture_from(c.make, c.name);
        CHECK(std::string((const char *)document.text, document.text_length + 1) == c.text + '\0');
        CHECK(document.read_pos + document.anchor_pos == 0);
        CHECK(window_text(frame_window) == "Tavrin - Glom [ " + c.name + " ]");
        CHECK(shown_messages.empty());
        CHECK(running == 1);
        SendMessageA(reader_window, WM_TIMER, 1030, 0);
        CHECK(current_word == c.text.substr(0, c.text.find(' ')));
        destroy_sources();
    }
    stop_program();
}

TEST_CASE("a failed capture leaves the Document, its positions and the caption, empties and "
          "closes the clipboard, and says so; a hung source costs the time limit once") {
    const struct {
        std::string label;
        void (*make)();
        std::string name, first_message; // first_message: before "Problem with clipboard"
    } cases[] = {
        {"no title holds the name", [] {}, "Nobody here", ""},
        {"a Word name without a Select item",
         [] { make_source("Report - Microsoft Word", menu_with("&Edit", {"&Copy"}), "W."); },
         "Microsoft Word", ""},
        {"an Explorer name without a Select item",
         [] { make_explorer(menu_with("&Edit", {"&Copy"})); }, "Microsoft Internet Explorer", ""},
        {"no text on the clipboard after Select and Copy",
         [] { make_source("Notes - Memo", edit_menu(), ""); }, "Notes ", ""},
        {"Eudora reporting a length that cannot be held", [] { make_eudora(0xFFFFFFFFll); },
         "Eudora", "Global Memory for glom failed! "},
        {"a source that does not answer", make_hung_source, "Stuck ", ""},
    };
    open_glom_window();
    load_text("The text before.");
    for (const auto &c : cases) {
        CAPTURE(c.label);
        DWORD start = GetTickCount();
        capture_from(c.make, c.name);
        DWORD waited = GetTickCount() - start;
        CHECK((waited >= GLOM_ANSWER_TIMEOUT_MS - 100) == (c.make == make_hung_source));
        CHECK(waited < GLOM_ANSWER_TIMEOUT_MS + 2000);
        CHECK(std::string((const char *)document.text, document.text_length + 1) ==
              std::string("The text before.", 17));
        CHECK(document.read_pos + document.anchor_pos == 8);
        CHECK(window_text(frame_window) == "Tavrin - before");
        CHECK(clipboard_text() == "<none>");
        // A box without a caption of its own shows the system's, in its language.
        std::string shown;
        for (const auto &m : shown_messages)
            shown += m.text + (m.caption == "Glom error" ? " (Glom error)" : " ");
        CHECK(shown == c.first_message + "Problem with clipboard (Glom error)");
        destroy_sources();
    }
    stop_program();
}
