// The Glom window and the capture, with source windows the tests make: in
// this process where a menu must be read (Wine reads no other process's
// menu), and a small program of their own as a source in another process.
#include "reading_windows.h"

#include "glom/glom.h"
#include "glom/glom_sources.h"
#include "glom/glom_capture.h"

#include <map>
#include <string.h>

enum { SELECT_ID = 40, COPY_ID = 41 };

// What each test source's Copy leaves on the clipboard (nothing when empty),
// the one window that reports a made-up length for its text, and the one
// that answers its commands too late.
static std::map<HWND, std::string> copies;
static HWND lying_window, hung_window;
static LRESULT lying_length;
static HANDLE hung_thread;               // the hung source's, while it runs
static PROCESS_INFORMATION other_source; // the source program, while it runs

static LRESULT CALLBACK test_source_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && window == hung_window) {
        Sleep(GLOM_ANSWER_TIMEOUT_MS + 3000); // past the longest wait the test allows
        PostQuitMessage(0);                   // ends its thread, and the window with it
    }
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
    std::string command = "\"" + std::string(exe) + "\" Read across processes.";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    INFO("CreateProcessA error " << GetLastError() << " for " << exe); // read on failure
    REQUIRE(
        CreateProcessA(exe, &command[0], NULL, NULL, 0, 0, NULL, NULL, &startup, &other_source));
    WaitForInputIdle(other_source.hProcess, 5000); // its windows are made
}

// A source that answers its first command too late: its window lives on a
// thread of its own, which pumps messages until then.
static DWORD WINAPI run_hung_source(void *made) {
    hung_window = make_source("Stuck - Memo", edit_menu());
    SetEvent((HANDLE)made);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}

static void make_hung_source() {
    HANDLE made = CreateEventA(NULL, TRUE, FALSE, NULL);
    hung_thread = CreateThread(NULL, 0, run_hung_source, made, 0, NULL);
    REQUIRE(WaitForSingleObject(made, 5000) == WAIT_OBJECT_0);
    CloseHandle(made);
}

// Ends every source; a child goes with its parent, the hung one with its thread.
static void destroy_sources() {
    if (hung_thread) {
        CHECK(WaitForSingleObject(hung_thread, 5000) == WAIT_OBJECT_0);
        CloseHandle(hung_thread);
        hung_thread = hung_window = 0;
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
    SendDlgItemMessageA(glom_window, id, BM_CLICK, 0, 0);
    pump_messages();
}

static std::string list_entries() {
    std::string entries;
    char entry[128];
    for (int i = 0;
         SendDlgItemMessageA(glom_window, GLOM_LIST_ID, LB_GETTEXT, i, (LPARAM)entry) >= 0; i++)
        entries += entry + std::string("|");
    return entries;
}

TEST_CASE("the list names the programs that qualify; Refresh builds it again and empties the "
          "clipboard; a capture replaces the Document and its positions, names the source and lets "
          "a running Reader go on; a failed one changes nothing, and says so in time") {
    make_source("Report - Microsoft Word", NULL);
    make_source("Home - Microsoft Internet Explorer", NULL);
    make_source("Microsoft Internet Explorer shows Microsoft Word", NULL);
    HWND notes = make_source("Notes - Memo", edit_menu());
    make_source("Ledger - Sums", menu_with("&Edit", {"Select &All", "&Copy"}));
    make_source("Balance", menu_with("Cre&dit", {"&Copy", "Select &All"}));
    make_source("-Dash - first", edit_menu());
    make_source("", edit_menu());
    start_with(glom_window, {CMD_GLOM});
    CHECK(list_entries() ==
          "|Balance|Notes |Microsoft Word|Microsoft Internet Explorer|Microsoft Word|");
    DestroyWindow(notes);
    for (int i = 0; i < 2; i++) {
        put_clipboard_text("Text on the clipboard.");
        press(GLOM_REFRESH_ID);
        CHECK(clipboard_text() == "<none>");
    }
    CHECK(list_entries() == "|Balance|Microsoft Word|Microsoft Internet Explorer|Microsoft Word|");
    destroy_sources();

    const std::string problem = "Problem with clipboard (Glom error)";
    const struct {
        std::string label;
        void (*make)();
        std::string name, text, messages; // the Document's text after it, a failure's messages
    } cases[] = {
        {"Word, by its name",
         [] { make_source("Report - Microsoft Word", edit_menu(), "Word words."); },
         "Microsoft Word", "Word words.", ""},
        {"Explorer, through its page view, two levels down",
         [] {
             HWND top = make_source("Home - Microsoft Internet Explorer", edit_menu());
             HWND shell = make_source("", NULL, "Shell words.", top);
             make_source("", NULL, "Page words.", shell, "HTML_Internet Explorer");
         },
         "Microsoft Internet Explorer", "Page words.", ""},
        {"a program by its entry", [] { make_source("Notes - Memo", edit_menu(), "Note words."); },
         "Notes ", "Note words.", ""},
        {"of two matching windows the one visited last, and Word matches any name",
         [] {
             make_source("Letter - Microsoft Word", edit_menu(), "Word words.");
             make_source("Notes - Memo", edit_menu(), "Note words.");
         },
         "Notes ", "Word words.", ""},
        {"Eudora's message window, two levels down, reporting more than it copies",
         [] { make_eudora(500); }, "Eudora", "View words.", ""},
        {"Eudora without child windows gives an empty text",
         [] { make_source("Eudora Light", edit_menu(), "Menu words."); }, "Eudora", "", ""},
        {"Eudora's In mailbox in another process, three levels down", run_other_source, "Eudora",
         "Read across processes.", ""},
        {"no title holds the name", [] {}, "Nobody here", "Text before.", problem},
        {"a Word name without a Select item",
         [] { make_source("Report - Microsoft Word", menu_with("&Edit", {"&Copy"}), "W."); },
         "Microsoft Word", "Text before.", problem},
        {"no text on the clipboard after Select and Copy",
         [] { make_source("Notes - Memo", edit_menu(), ""); }, "Notes ", "Text before.", problem},
        {"Eudora reporting a length that cannot be held", [] { make_eudora(0xFFFFFFFFll); },
         "Eudora", "Text before.", "Global Memory for glom failed! " + problem},
        {"a source that does not answer", make_hung_source, "Stuck ", "Text before.", problem},
    };
    // A running Reader that only the test's own ticks move.
    settings.words_per_minute = 1;
    run_command(CMD_READER);
    run_command(CMD_START);
    for (const auto &c : cases) {
        CAPTURE(c.label);
        bool failed = !c.messages.empty();
        load_text("Text before.");
        // Makes the source windows, chooses the name (the keyboard test picks
        // one in the list) and presses "Glom", from a caption, positions and a
        // clipboard text that a capture changes.
        c.make();
        lstrcpyA(glom_name, c.name.c_str());
        SetWindowTextA(frame_window, "Tavrin - before");
        document.read_pos = document.anchor_pos = 4;
        put_clipboard_text("Text before.");
        shown_messages.clear();
        DWORD start = GetTickCount();
        press(GLOM_BUTTON_ID);
        DWORD waited = GetTickCount() - start;
        CHECK((waited >= GLOM_ANSWER_TIMEOUT_MS - 100) == (c.make == make_hung_source));
        CHECK(waited < GLOM_ANSWER_TIMEOUT_MS + 2000);
        CHECK(std::string((const char *)document.text, document.text_length + 1) == c.text + '\0');
        CHECK(document.read_pos + document.anchor_pos == (failed ? 8u : 0u));
        CHECK(window_text(frame_window) ==
              (failed ? "Tavrin - before" : "Tavrin - Glom [ " + c.name + " ]"));
        // A box without a caption of its own shows the system's, in its language.
        std::string shown;
        for (const auto &m : shown_messages)
            shown += m.text + (m.caption == "Glom error" ? " (Glom error)" : " ");
        CHECK(shown == c.messages);
        if (failed)
            CHECK(clipboard_text() == "<none>");
        // The Reader goes on from the new text's start, or from where it was.
        SendMessageA(reader_window, WM_TIMER, 1030, 0);
        CHECK(current_word == (failed ? "before." : c.text.substr(0, c.text.find(' '))));
        destroy_sources();
    }
    stop_program();
}
