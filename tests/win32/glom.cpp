// The Glom window and the capture, with source windows the tests make: in
// this process where a menu must be read (Wine reads no other process's
// menu), and a small program of their own as a source in another process.
#include "reading_windows.h"

#include "glom/glom.h"
#include "glom/glom_capture.h"
#include "reading/reader_state.h"
#include "settings/settings.h"

#include <map>
#include <stdio.h>
#include <string.h>

enum { SELECT_ID = 40, COPY_ID = 41 };

// A test source window: the text its Copy leaves on the clipboard (none when
// empty) and the length it reports for its text (its own when -2).
struct test_source {
    std::string copies;
    long long reported_length = -2;
};
static std::map<HWND, test_source> sources;
static std::vector<HWND> made_windows;
static HANDLE let_go; // a hung source waits for it in its command handler

static LRESULT CALLBACK test_source_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && let_go)
        WaitForSingleObject(let_go, 20000);
    auto s = sources.find(window);
    if (s != sources.end() && message == WM_COMMAND && LOWORD(wparam) == COPY_ID &&
        !s->second.copies.empty())
        put_clipboard_text(s->second.copies);
    if (s != sources.end() && message == WM_GETTEXTLENGTH && s->second.reported_length > -2)
        return (LRESULT)s->second.reported_length;
    return DefWindowProcA(window, message, wparam, lparam);
}

// A menu bar with one popup of the given items; only Select and Copy have
// commands the sources act on.
static HMENU menu_with(const char *popup, std::vector<const char *> items) {
    HMENU bar = CreateMenu(), sub = CreatePopupMenu();
    for (const char *item : items)
        AppendMenuA(sub, MF_STRING,
                    strstr(item, "elect") ? SELECT_ID
                    : strstr(item, "opy") ? COPY_ID
                                          : 0,
                    item);
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)sub, popup);
    return bar;
}

static HMENU edit_menu() {
    return menu_with("&Edit", {"&Undo", "&Copy", "Select &All"});
}

// A source window, top-level when parent is 0; the newest top-level window
// stands first in the system's order.
static HWND make_source(const char *title, HMENU menu, const std::string &copies = "",
                        HWND parent = NULL, const char *class_name = "GLOMTESTSOURCE") {
    for (const char *name : {"GLOMTESTSOURCE", "HTML_Internet Explorer"}) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = test_source_proc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    HWND window = CreateWindowExA(0, class_name, title, parent ? WS_CHILD : WS_OVERLAPPEDWINDOW, 0,
                                  0, 200, 100, parent, menu, GetModuleHandleA(NULL), NULL);
    REQUIRE(window != nullptr);
    sources[window].copies = copies;
    if (!parent)
        made_windows.push_back(window);
    return window;
}

// Internet Explorer: its page view, two levels down, handles the commands.
static void make_explorer(HMENU menu) {
    HWND top = make_source("Home - Microsoft Internet Explorer", menu, "Frame words.");
    make_source("", NULL, "Page words.", make_source("", NULL, "Shell words.", top),
                "HTML_Internet Explorer");
}

// Eudora: a mailbox window holding a view holding a message window.
static void make_eudora(const char *mailbox_title, long long view_reports = -2) {
    HWND mailbox = make_source(mailbox_title, NULL, "", make_source("Eudora Light", NULL));
    HWND view = make_source("View words.", NULL, "", mailbox);
    sources[view].reported_length = view_reports;
    make_source("Message words.", NULL, "", view);
}

static void destroy_sources() {
    for (HWND w : made_windows)
        DestroyWindow(w);
    made_windows.clear();
    sources.clear();
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

static std::string document_text() {
    CHECK(document.text[document.text_length] == 0);
    return std::string((const char *)document.text, document.text_length);
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
    const char *all = "Microsoft Word||Balance|Notes |Microsoft Word|Microsoft Internet Explorer|"
                      "Microsoft Word|";
    CHECK(list_entries() == all);
    DestroyWindow(notes);
    for (int i = 0; i < 2; i++) {
        put_clipboard_text("Text on the clipboard.");
        press(GLOM_REFRESH_ID);
        CHECK(clipboard_text() == "<none>");
    }
    CHECK(list_entries() == "Microsoft Word||Balance|Microsoft Word|Microsoft Internet Explorer|"
                            "Microsoft Word|");

    // On a client area of 610 by 355; the list box keeps to whole rows and
    // drops its scroll bar's style while it needs none.
    const struct {
        int id;
        LONG style;
        const char *place;
    } controls[] = {
        {GLOM_LIST_ID, 0x50A10003, "10,50 430"},
        {GLOM_BUTTON_ID, 0x50010001, "450,105 600,210"},
        {GLOM_REFRESH_ID, 0x50010000, "450,245 600,350"},
    };
    size_client(glom_window, 610, 355);
    for (const auto &c : controls) {
        CAPTURE(c.id);
        HWND control = GetDlgItem(glom_window, c.id);
        CHECK((GetWindowLongA(control, GWL_STYLE) | WS_VSCROLL) == (c.style | WS_VSCROLL));
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(NULL, glom_window, (POINT *)&r, 2);
        char place[64];
        snprintf(place, sizeof place, "%ld,%ld %ld,%ld", r.left, r.top, r.right, r.bottom);
        CHECK(std::string(place).substr(0, strlen(c.place)) == c.place);
    }
    CHECK(shown_messages.empty());
    destroy_sources();
    stop_program();
}

TEST_CASE("a capture replaces the Document and its positions, names the source in the caption, "
          "and a running Reader goes on from the new text's start") {
    const struct {
        std::string label;
        void (*make)();
        std::string name, text, clipboard;
    } cases[] = {
        {"Word, by its name",
         [] { make_source("Report - Microsoft Word", edit_menu(), "Word words."); },
         "Microsoft Word", "Word words.", "Word words."},
        {"Explorer, through its page view", [] { make_explorer(edit_menu()); },
         "Microsoft Internet Explorer", "Page words.", "Page words."},
        {"a program by its entry", [] { make_source("Notes - Memo", edit_menu(), "Note words."); },
         "Notes ", "Note words.", "Note words."},
        {"a Word window visited after the chosen one wins",
         [] {
             make_source("Letter - Microsoft Word", edit_menu(), "Word words.");
             make_source("Notes - Memo", edit_menu(), "Note words.");
         },
         "Notes ", "Word words.", "Word words."},
        {"of two matching windows the one visited last",
         [] {
             make_source("Notes - One", edit_menu(), "First words.");
             make_source("Notes - Two", edit_menu(), "Second words.");
         },
         "Notes ", "First words.", "First words."},
        {"copied text up to its zero byte",
         [] { make_source("Notes - Memo", edit_menu(), std::string("Zero\0after", 10)); }, "Notes ",
         "Zero", "Zero"},
        {"Eudora's In mailbox, three levels down", [] { make_eudora("Mb - [In]"); }, "Eudora",
         "Message words.", "<none>"},
        {"Eudora's message window, two levels down", [] { make_eudora("Re - [Hi]"); }, "Eudora",
         "View words.", "<none>"},
        {"Eudora reporting more than it copies", [] { make_eudora("Re - [Hi]", 500); }, "Eudora",
         "View words.", "<none>"},
        {"Eudora without child windows gives an empty text",
         [] { make_source("Eudora Light", edit_menu(), "Menu words."); }, "Eudora", "", "<none>"},
    };
    open_glom_window();
    // A running Reader that only the test's own ticks move.
    settings.words_per_minute = 1;
    run_command(CMD_READER);
    run_command(CMD_START);
    for (const auto &c : cases) {
        CAPTURE(c.label);
        capture_from(c.make, c.name);
        CHECK(document_text() == c.text);
        CHECK(document.read_pos + document.anchor_pos == 0);
        CHECK(window_text(frame_window) == "Tavrin - Glom [ " + c.name + " ]");
        CHECK(clipboard_text() == c.clipboard);
        CHECK(shown_messages.empty());
        CHECK(running == 1);
        SendMessageA(reader_window, WM_TIMER, 1030, 0);
        CHECK(current_word == c.text.substr(0, c.text.find(' ')));
        destroy_sources();
    }
    stop_program();
}

// A source that stops answering once given a command: its window lives on a
// thread of its own, which the test lets go afterwards.
static DWORD WINAPI run_hung_source(void *made) {
    make_source("Stuck - Memo", edit_menu());
    SetEvent((HANDLE)made);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0 && msg.message != WM_CLOSE)
        DispatchMessageA(&msg);
    destroy_sources();
    return 0;
}

TEST_CASE("a failed capture leaves the Document, its positions and the caption, empties and "
          "closes the clipboard, and says so") {
    const struct {
        std::string label;
        void (*make)();
        std::string name;
        std::string memory_message; // before "Problem with clipboard"
    } cases[] = {
        {"no title holds the name", [] {}, "Nobody here", ""},
        {"a Word name without a Select item",
         [] { make_source("Report - Microsoft Word", menu_with("&Edit", {"&Copy"}), "W."); },
         "Microsoft Word", ""},
        {"an Explorer name without a Select item",
         [] { make_explorer(menu_with("&Edit", {"&Copy"})); }, "Microsoft Internet Explorer", ""},
        {"no text on the clipboard after Select and Copy",
         [] { make_source("Notes - Memo", edit_menu(), ""); }, "Notes ", ""},
        {"Eudora reporting a length that cannot be held",
         [] { make_eudora("Re - [Hi]", 0xFFFFFFFFll); }, "Eudora",
         "Global Memory for glom failed!"},
    };
    open_glom_window();
    load_text("The text before.");
    for (const auto &c : cases) {
        CAPTURE(c.label);
        capture_from(c.make, c.name);
        CHECK(document_text() == "The text before.");
        CHECK(document.read_pos + document.anchor_pos == 8);
        CHECK(window_text(frame_window) == "Tavrin - before");
        CHECK(clipboard_text() == "<none>");
        // A box without a caption of its own shows the system's, in its language.
        std::string shown;
        for (const auto &m : shown_messages)
            shown += m.text + " / " + (m.caption == "Glom error" ? m.caption : "default") + "\n";
        CHECK(shown == (c.memory_message.empty() ? "" : c.memory_message + " / default\n") +
                           "Problem with clipboard / Glom error\n");
        destroy_sources();
    }

    // A source that hangs costs the time limit once, and nothing else.
    let_go = CreateEventA(NULL, TRUE, FALSE, NULL);
    HANDLE made = CreateEventA(NULL, TRUE, FALSE, NULL);
    DWORD thread_id;
    HANDLE thread = CreateThread(NULL, 0, run_hung_source, made, 0, &thread_id);
    REQUIRE(WaitForSingleObject(made, 5000) == WAIT_OBJECT_0);
    DWORD start = GetTickCount();
    capture_from([] {}, "Stuck ");
    DWORD waited = GetTickCount() - start;
    SetEvent(let_go);
    CHECK(waited >= GLOM_ANSWER_TIMEOUT_MS - 100);
    CHECK(waited < GLOM_ANSWER_TIMEOUT_MS + 2000);
    CHECK(document_text() == "The text before.");
    CHECK(clipboard_text() == "<none>");
    CHECK(shown_messages.size() == 1);
    PostThreadMessageA(thread_id, WM_CLOSE, 0, 0);
    CHECK(WaitForSingleObject(thread, 5000) == WAIT_OBJECT_0);
    CloseHandle(thread);
    CloseHandle(made);
    CloseHandle(let_go);
    let_go = 0;
    stop_program();
}

TEST_CASE("Eudora in another process is read from its window; the clipboard it left is emptied") {
    open_glom_window();
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, sizeof path);
    strcpy(strrchr(path, '\\') + 1, "tavrin_glom_source.exe Mb - [In]|Read across processes.");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION source = {};
    REQUIRE(CreateProcessA(NULL, path, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &source));
    for (int i = 0; i < 500 && !FindWindowA("GLOMSOURCE", NULL); i++)
        Sleep(10);
    CHECK(clipboard_text() == "Left by the source");
    capture_from([] {}, "Eudora");
    CHECK(document_text() == "Read across processes.");
    CHECK(window_text(frame_window) == "Tavrin - Glom [ Eudora ]");
    CHECK(clipboard_text() == "<none>");
    PostMessageA(FindWindowA("GLOMSOURCE", NULL), WM_CLOSE, 0, 0);
    if (WaitForSingleObject(source.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(source.hProcess, 1);
    CloseHandle(source.hThread);
    CloseHandle(source.hProcess);
    stop_program();
}
