// The Navigator window under Wine: its page, scrolling, keys and clicks.
#include "open_dialog.h"
#include "reading_windows.h"

#include "reading/navigator.h"

static HWND open_navigator() {
    enter_fresh_directory();
    start_program();
    run_command(CMD_NAVIGATOR);
    REQUIRE(navigator_window != nullptr);
    size_client(navigator_window, 400, 300);
    return navigator_window;
}

TEST_CASE("a resize to 32 pixels or less in either direction keeps the metrics") {
    HWND navigator = open_navigator();
    // A sizing frame holds a window to the width its caption needs; without
    // one it takes any size, down to the few pixels this rule is about.
    SetWindowLongA(navigator, GWL_STYLE, GetWindowLongA(navigator, GWL_STYLE) & ~WS_THICKFRAME);
    SetWindowPos(navigator, NULL, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    const int wide = chars_per_line;
    size_client(navigator, 200, 32);
    CHECK(chars_per_line == wide);
    size_client(navigator, 32, 200);
    CHECK(chars_per_line == wide);
    size_client(navigator, 33, 200);
    CHECK(chars_per_line < wide);
    stop_program();
}

TEST_CASE("keys and the scroll bar move the page within the text and leave read_pos") {
    const std::string words = numbered_words(2000);
    const uint32_t last = (uint32_t)words.size() - 1;
    const struct {
        std::string label, text;
        UINT message;
        WPARAM wparam;
        uint32_t anchor, page;
    } cases[] = {
        {"Page Up near the top", words, WM_KEYDOWN, VK_PRIOR, 5, 5},
        {"End", words, WM_KEYDOWN, VK_END, 0, last},
        {"Line Down on the last line", words, WM_VSCROLL, SB_LINEDOWN, last - 2, last},
        {"Bottom of an empty text", "", WM_VSCROLL, SB_BOTTOM, 0, 0},
        {"Line Down in an empty text", "", WM_VSCROLL, SB_LINEDOWN, 0, 0},
    };
    HWND navigator = open_navigator();
    for (const auto &c : cases) {
        CAPTURE(c.label);
        load_text(c.text);
        document.anchor_pos = c.anchor;
        document.read_pos = 3;
        RedrawWindow(navigator, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        SendMessageA(navigator, c.message, c.wparam, 0);
        CHECK(document.anchor_pos == c.page);
        CHECK(document.read_pos == 3);
    }
    stop_program();
}

TEST_CASE("Line and Page Up and Down from the middle of a text move the page and the thumb") {
    const struct {
        std::string label;
        WPARAM code;
        int thumb; // from 500
    } cases[] = {
        {"Line Down: the second line at the top", SB_LINEDOWN, 501},
        {"Page Down: the line after the page at the top", SB_PAGEDOWN, 503},
        {"Line Up: one line's worth of bytes back", SB_LINEUP, 499},
        {"Page Up: the same line's worth back", SB_PAGEUP, 497},
    };
    HWND navigator = open_navigator();
    const std::string words = numbered_words(20000);
    load_text(words);
    const uint32_t middle = (uint32_t)words.find("word10000 ");
    uint32_t line_up_top = 0;
    for (const auto &c : cases) {
        CAPTURE(c.label);
        document.anchor_pos = middle;
        SetScrollPos(navigator, SB_VERT, 500, FALSE);
        RedrawWindow(navigator, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        const uint32_t second_line = line_starts[1], next_page = line_starts[lines_per_page];
        SendMessageA(navigator, WM_VSCROLL, c.code, 0);
        CHECK(line_starts[0] == document.anchor_pos);
        CHECK(GetScrollPos(navigator, SB_VERT) == c.thumb);
        if (c.code == SB_LINEDOWN)
            CHECK(document.anchor_pos == second_line);
        else if (c.code == SB_PAGEDOWN)
            CHECK(document.anchor_pos == next_page);
        else if (c.code == SB_LINEUP) {
            line_up_top = document.anchor_pos;
            CHECK(middle - document.anchor_pos > (uint32_t)chars_per_line / 2);
            CHECK(middle - document.anchor_pos < 2 * (uint32_t)chars_per_line);
        } else
            CHECK(document.anchor_pos == line_up_top);
    }
    stop_program();
}

TEST_CASE("a click marks a word and moves read_pos to it") {
    HWND navigator = open_navigator();
    load_text("short Extraordinarily long words\r\nsecond line here");
    HDC dc = GetDC(navigator);
    SIZE before = {0, 0};
    GetTextExtentPoint32A(dc, "short Extra", 11, &before);
    click(navigator, before.cx + 1, line_height / 2);
    CHECK(document.read_pos == 6);
    CHECK(std::string(highlight_word) == "Extraordinarily");
    // Marked in inverted colours: text colour behind the word.
    CHECK(GetPixel(dc, highlight_x + 1, highlight_y + 1) == RGB(0, 0, 0));
    ReleaseDC(navigator, dc);
    // Right of the line's end there is no word.
    click(navigator, 396, line_height / 2);
    CHECK(document.read_pos == 6);
    CHECK(highlight_shown == 0);
    stop_program();
}

// A pointer at screen point x, y, with the button event given (0 for a move).
static void mouse_input(int x, int y, DWORD button) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
    SendInput(1, &input, sizeof input);
}

// Drags the thumb with the mouse to a fraction of its travel (past 1 the
// pointer leaves the bar's end) and lets it go there.
static void drag_thumb(HWND window, double fraction) {
    SCROLLBARINFO bar = {};
    bar.cbSize = sizeof bar;
    REQUIRE(GetScrollBarInfo(window, OBJID_VSCROLL, &bar));
    const RECT &r = bar.rcScrollBar;
    int x = (r.left + r.right) / 2, thumb = bar.xyThumbBottom - bar.xyThumbTop;
    int travel = r.bottom - r.top - 2 * bar.dxyLineButton - thumb;
    int to = r.top + bar.dxyLineButton + thumb / 2 + (int)(fraction * travel);
    mouse_input(x, r.top + bar.xyThumbTop + thumb / 2, MOUSEEVENTF_LEFTDOWN);
    mouse_input(x, to, 0);
    mouse_input(x, to, MOUSEEVENTF_LEFTUP);
    pump_messages();
}

static int scroll_range_top(HWND window) {
    int low = -1, high = -1;
    GetScrollRange(window, SB_VERT, &low, &high);
    return low == 0 ? high : -1;
}

TEST_CASE("the scroll bar follows each new text, and its thumb reaches all of a long one") {
    HWND navigator = open_navigator();
    char here[MAX_PATH];
    GetCurrentDirectoryA(sizeof here, here);
    // Over 11 MB: a range far beyond the 16 bits a scroll message carries.
    const std::string long_text = numbered_words(1000000), short_text = numbered_words(300);
    const std::string pasted = numbered_words(900), welcome = welcome_text;
    write_whole_file("long.txt", long_text);
    write_whole_file("short.txt", short_text);
    write_sparse_file("huge.txt", (4ull << 30) + 5);
    const struct {
        std::string label, file; // no file: the text is pasted
        size_t length;
    } texts[] = {
        {"a short file", "short.txt", short_text.size()},
        {"a file refused for its size", "huge.txt", welcome.size()},
        {"a paste", "", pasted.size()},
        {"a missing file", "missing.txt", welcome.size()},
        {"a long file", "long.txt", long_text.size()},
    };
    for (const auto &t : texts) {
        CAPTURE(t.label);
        if (t.file.empty()) {
            put_clipboard_text(pasted);
            run_command(CMD_PASTE);
        } else
            open_through_frame(std::string(here) + "\\" + t.file);
        REQUIRE(document.text_length == t.length);
        CHECK(scroll_range_top(navigator) == (int)(t.length / chars_per_line));
        CHECK(GetScrollPos(navigator, SB_VERT) == 0);
        CHECK(line_starts[0] == 0);
        SendMessageA(navigator, WM_KEYDOWN, VK_END, 0);
        CHECK(GetScrollPos(navigator, SB_VERT) == (int)(t.length / chars_per_line));
    }
    const struct {
        std::string label;
        double fraction, lowest, highest;
    } drags[] = {{"to the middle", 0.5, 0.45, 0.55}, {"past the end of its travel", 1.1, 0.999, 1}};
    for (const auto &d : drags) {
        CAPTURE(d.label);
        drag_thumb(navigator, d.fraction);
        const double at = (double)document.anchor_pos / document.text_length;
        CHECK(at >= d.lowest);
        CHECK(at <= d.highest);
        CHECK(line_starts[0] == document.anchor_pos);
        CHECK(GetScrollPos(navigator, SB_VERT) == (int)(document.anchor_pos / chars_per_line));
    }
    const std::string last_line = line_text;
    CHECK(last_line.substr(last_line.size() > 11 ? last_line.size() - 11 : 0) == "word999999.");
    stop_program();
}
