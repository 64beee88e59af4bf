// The Navigator window under Wine: its page, scrolling, keys and clicks.
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
        {"a thumb from a longer text", "short text", WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 400),
         0, 9},
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

TEST_CASE("a paste reaches an open Navigator; a click marks a word and moves read_pos to it") {
    HWND navigator = open_navigator();
    document.anchor_pos = 20;
    put_clipboard_text("short Extraordinarily long words\r\nsecond line here");
    run_command(CMD_PASTE);
    CHECK(line_starts[0] == 0);
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
