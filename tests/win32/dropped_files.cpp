// Files dropped on the program's windows, as the system hands them over: a
// WM_DROPFILES with a block of dropped files, sent to the window that takes
// files nearest the point of the drop.
#include "open_dialog.h"
#include "reading_windows.h"

#include <shlobj.h>

// The block of dropped files: a DROPFILES header, then the ANSI paths, each
// zero-terminated, and one zero more.
static HDROP dropped_files(const std::vector<std::string> &paths, POINT at) {
    std::string names;
    for (const std::string &p : paths)
        names += p + '\0';
    names += '\0';
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    DROPFILES *header = (DROPFILES *)GlobalLock(block);
    header->pFiles = sizeof(DROPFILES);
    header->pt = at;
    memcpy((char *)header + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(block);
    return (HDROP)block;
}

// Drops the files on the middle of the window as the system does: to the
// first window that takes files, from the one under the point up through its
// parents. 0 when none takes them.
static HWND drop_on(HWND window, const std::vector<std::string> &paths) {
    RECT r;
    GetWindowRect(window, &r);
    POINT at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    HWND target = WindowFromPoint(at);
    while (target && !(GetWindowLongA(target, GWL_EXSTYLE) & WS_EX_ACCEPTFILES))
        target = GetParent(target);
    if (!target)
        return 0;
    ScreenToClient(target, &at);
    shown_messages.clear();
    PostMessageA(target, WM_DROPFILES, (WPARAM)dropped_files(paths, at), 0);
    pump_messages();
    return target;
}

TEST_CASE("a file dropped on any of the program's windows is opened as Open opens it, the first "
          "of several; a folder or an empty file is refused with the usual message") {
    const std::string here = enter_fresh_directory();
    const std::string folder = here + ansi(L"\\Книги и статьи");
    REQUIRE(CreateDirectoryA(folder.c_str(), NULL));
    const std::string book = folder + "\\first book.txt", other = here + "\\other.txt";
    const std::string empty = here + "\\empty.txt", accented = here + "\\cafe.txt";
    write_whole_file(book, "Call me Ishmael.");
    write_whole_file(other, "It was a bright cold day.");
    write_whole_file(empty, "");
    write_whole_file(accented, "caf\xE9 au lait");
    HWND frame = start_program();
    const std::string before = "Tavrin";
    const struct {
        std::string label;
        int command; // the window dropped on: opened by this command, or the frame's client area
        std::string file, second;                 // second: another file dropped after it
        std::string messages, caption_file, text; // no caption_file: the caption stays
    } cases[] = {
        {"a book on the frame's empty client area", 0, book, "", "", book, "Call me Ishmael."},
        {"two books on the Navigator: the first", CMD_NAVIGATOR, other, book, "", other,
         "It was a bright cold day."},
        {"a book on the Reader", CMD_READER, book, "", "", book, "Call me Ishmael."},
        {"a folder on the Speed window", CMD_SPEED, folder, "", "[File open failed.]", "",
         "Call me Ishmael."},
        {"an empty file on the Fonts list", CMD_FONTS, empty, "", "[Zero bytes read.]", "",
         "Call me Ishmael."},
        {"an accented text on the Color window", CMD_COLOR, accented, "",
         "[UNKNOWN file type, opening as text]", accented, "caf\xE9 au lait"},
        {"a book on the Preferences window", CMD_PREFERENCES, book, "", "", book,
         "Call me Ishmael."},
        {"another on the Glom window", CMD_GLOM, other, "", "", other, "It was a bright cold day."},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        if (c.command)
            run_command(c.command);
        SetWindowTextA(frame, before.c_str());
        HWND on = c.command ? (HWND)SendMessageA(mdi_client, WM_MDIGETACTIVE, 0, 0) : mdi_client;
        std::vector<std::string> files = {c.file};
        if (!c.second.empty())
            files.push_back(c.second);
        CHECK(drop_on(on, files) == frame);
        CHECK(shown_message_texts() == c.messages);
        CHECK(window_text(frame) ==
              (c.caption_file.empty() ? before : "Tavrin - File [ " + c.caption_file + " ]"));
        CHECK(std::string((const char *)document.text, document.text_length) == c.text);
    }
    stop_program();
}
