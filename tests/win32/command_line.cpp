// A book named on the command line: the real tavrin.exe started with an
// argument, watched from this process as any other program may watch it,
// through its windows' texts and the pixels of its Navigation window. This
// process has no window of its own meanwhile, so the program's are found by
// their classes.
#include "open_dialog.h"
#include "reading_windows.h"

// The pixels of the window's client area as the screen shows them.
static std::vector<COLORREF> client_pixels(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, NULL, (POINT *)&r, 2);
    const int width = r.right - r.left, height = r.bottom - r.top;
    std::vector<COLORREF> pixels((size_t)width * height);
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return pixels;
}

// The Navigator's page as one of the pages drawn for reference, by name.
static std::string
page_name(HWND navigator, const std::vector<std::pair<std::string, std::vector<COLORREF>>> &pages) {
    if (!navigator)
        return "no Navigator";
    const std::vector<COLORREF> shown = client_pixels(navigator);
    for (const auto &page : pages)
        if (page.second == shown)
            return page.first;
    return "another page";
}

static BOOL CALLBACK find_static_text(HWND child, LPARAM text) {
    if (class_of(child) == "Static" && !window_text(child).empty())
        *(std::string *)text = window_text(child);
    return TRUE;
}

TEST_CASE("a book named on the command line opens after the greeting as Open opens it; a "
          "missing one gives Open's message and leaves the welcome text") {
    const std::string here = enter_fresh_directory();
    const std::string folder = here + ansi(L"\\Мои книги");
    REQUIRE(CreateDirectoryA(folder.c_str(), NULL));
    const std::string words = numbered_words(40);
    const std::string book = folder + "\\a long book.txt";
    write_whole_file(book, words);
    write_whole_file("plain.txt", words);
    // The frame and its Navigator at fixed places, clear of the About window
    // in the middle of the screen and of the message boxes.
    apply_default_settings(&settings);
    settings.save_positions = 1;
    settings.frame_rect = window_rect{0, 0, 300, 300};
    settings.navigator_rect = window_rect{0, 0, 250, 180};
    char line[SETTINGS_LINE_SIZE];
    write_whole_file("tav.dat",
                     std::string(line, format_settings_line(&settings, line, sizeof line)));

    // The pages to expect, drawn by the program in this process in the same
    // places: the welcome text, and the book opened with Open.
    std::vector<std::pair<std::string, std::vector<COLORREF>>> pages;
    start_program();
    REQUIRE(navigator_window != nullptr);
    pages.push_back({"the welcome page", client_pixels(navigator_window)});
    open_through_frame(book);
    pages.push_back({"the book's page", client_pixels(navigator_window)});
    REQUIRE(pages[0].second != pages[1].second);
    stop_program();

    char exe[MAX_PATH];
    GetModuleFileNameA(NULL, exe, sizeof exe);
    const std::string program =
        std::string(exe).substr(0, std::string(exe).rfind('\\')) + "\\tavrin.exe";
    const struct {
        std::string label, arguments, caption, message, page;
    } cases[] = {
        {"a quoted path with blanks and Cyrillic letters", "\"" + book + "\"",
         "Tavrin - File [ " + book + " ]", "", "the book's page"},
        {"a relative path, then a second argument", "plain.txt missing.txt",
         "Tavrin - File [ plain.txt ]", "", "the book's page"},
        {"a missing file", "\"" + here + "\\missing.txt\"", "Tavrin", "File open failed.",
         "the welcome page"},
        {"nothing", "", "Tavrin", "", "the welcome page"},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        // Its caption | the About window | a message box's text | the Navigator's page.
        const std::string expected = c.caption + " | shown | " + c.message + " | " + c.page;
        std::string command_line = "\"" + program + "\" " + c.arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started = {};
        REQUIRE(CreateProcessA(program.c_str(), &command_line[0], NULL, NULL, FALSE, 0, NULL,
                               here.c_str(), &startup, &started));
        // Watched until it shows what is expected, or for 20 s.
        std::string seen;
        HWND frame = 0;
        for (DWORD start = GetTickCount(); seen != expected && GetTickCount() - start < 20000;
             Sleep(100)) {
            frame = FindWindowA("TAV", NULL);
            HWND about = FindWindowA("TAV_ABOUT", NULL);
            HWND box = FindWindowA("#32770", NULL);
            HWND client = FindWindowExA(frame, NULL, "MDICLIENT", NULL);
            std::string message;
            if (box)
                EnumChildWindows(box, find_static_text, (LPARAM)&message);
            seen = window_text(frame) + " | " +
                   (about && IsWindowVisible(about) ? "shown" : "not shown") + " | " + message +
                   " | " + page_name(FindWindowExA(client, NULL, "NAVCLASS", NULL), pages);
        }
        CHECK(seen == expected);
        if (HWND box = FindWindowA("#32770", NULL))
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        PostMessageA(frame, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(started.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(started.hProcess, 1);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
}
