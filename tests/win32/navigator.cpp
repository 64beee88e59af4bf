// The Navigator window under Wine: its page, scrolling, keys and clicks.
#include "reading_windows.h"

#include "reading/line_layout.h"
#include "reading/navigator.h"
#include "settings/settings.h"

#include <algorithm>
#include <vector>

static HWND open_navigator(int width = 400, int height = 300) {
    enter_fresh_directory();
    start_program();
    run_command(CMD_NAVIGATOR);
    REQUIRE(navigator_window != nullptr);
    size_client(navigator_window, width, height);
    return navigator_window;
}

// "w0 w1 ... w9.\r\n w10 ..." : words, phrases and paragraphs.
static std::string numbered_words(int count) {
    std::string text;
    for (int i = 0; i < count; i++)
        text += "w" + std::to_string(i) + (i % 10 == 9 ? ".\r\n" : " ");
    return text;
}

static void repaint(HWND navigator) {
    PostMessageA(navigator, WM_PAINT, 0, 0);
    pump_messages();
}

static void scroll(HWND navigator, int code, int thumb = 0) {
    SendMessageA(navigator, WM_VSCROLL, MAKEWPARAM(code, thumb), 0);
    pump_messages();
}

// Widths of the system font, which the Navigator draws in.
static std::vector<int> system_font_widths(HWND navigator) {
    std::vector<int> widths(256);
    HDC dc = GetDC(navigator);
    GetCharWidthA(dc, 0, 255, widths.data());
    ReleaseDC(navigator, dc);
    return widths;
}

static std::vector<int> widths_for_lines_up;
static int width_for_lines_up(unsigned char b) {
    return widths_for_lines_up[b];
}

static int client_width(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r.right;
}

// The x, summed from 0 as the Navigator sums it, that lands on the byte at.
static int x_of_byte(HWND navigator, int line, uint32_t at) {
    std::vector<int> widths = system_font_widths(navigator);
    int x = 0;
    for (uint32_t p = line_starts[line]; p < at; p++)
        x += widths[document.text[p]];
    return x + 1;
}

static void click_byte(HWND navigator, int line, uint32_t at) {
    click(navigator, x_of_byte(navigator, line, at), line * line_height + line_height / 2);
}

static COLORREF pixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

TEST_CASE("the page is laid out in lines that end at the first byte reaching the margin") {
    struct {
        std::string label;
        std::string text;
    } cases[] = {
        {"words and paragraphs", numbered_words(400)},
        {"one long word", std::string(5000, 'm')},
        {"blank lines and tabs",
         "one\r\n\r\n\ttwo\r\n\r\n\r\nthree\tfour\r\n" + numbered_words(300)},
    };
    HWND navigator = open_navigator();
    std::vector<int> widths = system_font_widths(navigator);
    int width = client_width(navigator);
    for (const auto &c : cases) {
        CAPTURE(c.label);
        load_text(c.text);
        REQUIRE(lines_laid_out == lines_per_page);
        CHECK(line_starts[0] == 0);
        for (unsigned line = 0; line < lines_laid_out; line++) {
            CAPTURE(line);
            int x = 2 * left_margin;
            uint32_t p = line_starts[line];
            while (p < line_starts[line + 1] && (c.text[p] == '\r' || c.text[p] == '\n'))
                p++;
            CHECK(p < line_starts[line + 1]);
            for (; p < line_starts[line + 1] && c.text[p] != '\r' && c.text[p] != '\n'; p++)
                if ((unsigned char)c.text[p] >= 32)
                    x += widths[(unsigned char)c.text[p]];
            CHECK(x < width);
            bool ended_by_break = c.text[p] == '\r' || c.text[p] == '\n';
            if (!ended_by_break)
                CHECK(x + widths[(unsigned char)c.text[p]] >= width);
        }
    }
    stop_program();
}

TEST_CASE("a resize to 32 pixels or less keeps the metrics") {
    struct {
        std::string label;
        int width, height;
        bool measured;
    } cases[] = {
        {"33 wide", 33, 200, true}, {"32 wide", 32, 200, false}, {"32 high", 200, 32, false},
        {"33 high", 200, 33, true}, {"20 by 20", 20, 20, false},
    };
    HWND navigator = open_navigator();
    // A sizing frame holds a window to the width its caption needs; without
    // one it takes any size, down to the few pixels this rule is about.
    SetWindowLongA(navigator, GWL_STYLE, GetWindowLongA(navigator, GWL_STYLE) & ~WS_THICKFRAME);
    SetWindowPos(navigator, NULL, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    for (const auto &c : cases) {
        CAPTURE(c.label);
        size_client(navigator, 400, 300);
        int cpl = chars_per_line;
        unsigned lpp = lines_per_page;
        size_client(navigator, c.width, c.height);
        RECT r;
        GetClientRect(navigator, &r);
        CHECK(r.right == c.width);
        CHECK(r.bottom == c.height);
        CHECK((chars_per_line != cpl || lines_per_page != lpp) == c.measured);
    }
    stop_program();
}

TEST_CASE("the scroll codes move the page and the thumb") {
    HWND navigator = open_navigator();
    load_text(numbered_words(3000));
    size_client(navigator, 400, 301);
    const uint32_t length = document.text_length;
    widths_for_lines_up = system_font_widths(navigator);
    struct {
        std::string label;
        int code;
        int thumb_given;
        uint32_t start;
        // What the page should start at, knowing the page painted from start.
        uint32_t (*page)(uint32_t start);
        int (*thumb)();
    } cases[] = {
        {"Line Down", SB_LINEDOWN, 0, 0, [](uint32_t) { return line_starts[1]; }, [] { return 6; }},
        {"Page Down", SB_PAGEDOWN, 0, 100, [](uint32_t) { return line_starts[lines_per_page]; },
         [] { return 8; }},
        {"Line Up", SB_LINEUP, 0, 5000,
         [](uint32_t) { return lines_up(width_for_lines_up, client_width(navigator_window)); },
         [] { return 4; }},
        {"Page Up goes back as far as Line Up", SB_PAGEUP, 0, 5000,
         [](uint32_t) { return lines_up(width_for_lines_up, client_width(navigator_window)); },
         [] { return 2; }},
        {"Page Up near the top only resets the thumb", SB_PAGEUP, 0, 5,
         [](uint32_t start) { return start; }, [] { return 0; }},
        {"Line Up at the top", SB_LINEUP, 0, 0, [](uint32_t) { return 0u; }, [] { return 0; }},
        {"Top", SB_TOP, 0, 5000, [](uint32_t) { return 0u; }, [] { return 0; }},
        {"Bottom", SB_BOTTOM, 0, 0, [](uint32_t) { return document.text_length - 1; },
         [] { return (int)scroll_max; }},
        {"thumb released", SB_THUMBPOSITION, 10, 0, [](uint32_t) { return 10u * chars_per_line; },
         [] { return 10; }},
        {"thumb tracked", SB_THUMBTRACK, 10, 700, [](uint32_t start) { return start; },
         [] { return 5; }},
        {"Line Down on the last line", SB_LINEDOWN, 0, length - 3,
         [](uint32_t) { return document.text_length - 1; }, [] { return (int)scroll_max; }},
        {"Page Down on the last lines", SB_PAGEDOWN, 0, length - 300,
         [](uint32_t) { return document.text_length - 1; }, [] { return 8; }},
        {"an unknown code", 99, 0, 700, [](uint32_t start) { return start; }, [] { return 5; }},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        document.anchor_pos = c.start;
        repaint(navigator);
        SetScrollPos(navigator, SB_VERT, 5, TRUE);
        uint32_t expected = c.page(c.start);
        scroll(navigator, c.code, c.thumb_given);
        CHECK(document.anchor_pos == expected);
        CHECK(GetScrollPos(navigator, SB_VERT) == c.thumb());
    }
    stop_program();
}

TEST_CASE("the page never starts outside the text") {
    struct {
        std::string label;
        std::string text;
        int code;
        int thumb;
        uint32_t page;
    } cases[] = {
        {"Bottom of an empty text", "", SB_BOTTOM, 0, 0},
        {"Line Down in an empty text", "", SB_LINEDOWN, 0, 0},
        {"Page Down in an empty text", "", SB_PAGEDOWN, 0, 0},
        {"thumb of the longer text before", "short text", SB_THUMBPOSITION, 400, 9},
        {"Line Down in a one-line text", "short text", SB_LINEDOWN, 0, 9},
    };
    HWND navigator = open_navigator();
    for (const auto &c : cases) {
        CAPTURE(c.label);
        load_text(numbered_words(2000));
        size_client(navigator, 400, 301);
        load_text(c.text);
        scroll(navigator, c.code, c.thumb);
        CHECK(document.anchor_pos == c.page);
        repaint(navigator);
        CHECK(lines_laid_out <= 1);
    }
    stop_program();
}

TEST_CASE("keys scroll the page like the scroll codes and leave read_pos") {
    struct {
        std::string label;
        WPARAM key;
        int code;
    } cases[] = {
        {"Page Up", VK_PRIOR, SB_PAGEUP}, {"Page Down", VK_NEXT, SB_PAGEDOWN},
        {"End", VK_END, SB_BOTTOM},       {"Home", VK_HOME, SB_TOP},
        {"Up", VK_UP, SB_LINEUP},         {"Down", VK_DOWN, SB_LINEDOWN},
        {"Left", VK_LEFT, 0xFFFF},        {"Right", VK_RIGHT, 0xFFFF},
        {"Space", VK_SPACE, 0xFFFF},
    };
    HWND navigator = open_navigator();
    load_text(numbered_words(3000));
    for (const auto &c : cases) {
        CAPTURE(c.label);
        document.anchor_pos = 6000;
        document.read_pos = 1234;
        repaint(navigator);
        scroll(navigator, c.code);
        uint32_t by_code = document.anchor_pos;
        document.anchor_pos = 6000;
        repaint(navigator);
        press(navigator, c.key);
        CHECK(document.anchor_pos == by_code);
        CHECK(document.read_pos == 1234);
    }
    stop_program();
}

TEST_CASE("a click marks the word under it and moves read_pos to its start") {
    HWND navigator = open_navigator();
    load_text("short Extraordinarily long words\r\nsecond line here");
    const COLORREF text_colour = RGB(0, 0, 0), back_colour = RGB(255, 255, 255);

    click_byte(navigator, 0, 12);
    CHECK(document.read_pos == 6);
    CHECK(std::string(highlight_word) == "Extraordinarily");
    CHECK(highlight_shown == 1);
    CHECK(highlight_line == 0);
    CHECK(pixel(navigator, highlight_x + 1, highlight_y + 1) == text_colour);
    int old_x = highlight_x;

    click_byte(navigator, 1, document.text_length - 2);
    CHECK(document.read_pos == 46);
    CHECK(std::string(highlight_word) == "here");
    CHECK(highlight_line == 1);
    CHECK(pixel(navigator, old_x + 1, 1) == back_colour);

    struct {
        std::string label;
        int x, y;
    } nowhere[] = {
        {"right of the line's end", client_width(navigator) - 4, line_height / 2},
        {"below the last line", 5, 2 * line_height + 3},
        {"far below the page", 5, 30000},
    };
    for (const auto &c : nowhere) {
        CAPTURE(c.label);
        document.read_pos = 3;
        click(navigator, c.x, c.y);
        CHECK(document.read_pos == 3);
        CHECK(highlight_shown == 0);
        CHECK(highlight_word[0] == 0);
    }
    stop_program();
}

TEST_CASE("a word begun on the line above is marked whole at the left margin") {
    HWND navigator = open_navigator();
    std::string text = "start " + std::string(200, 'y') + " after";
    load_text(text);
    REQUIRE(lines_laid_out >= 2);
    REQUIRE(line_starts[1] > 6);
    click_byte(navigator, 1, line_starts[1]);
    CHECK(document.read_pos == 6);
    // The mark runs to the word's end or the end of the clicked line.
    CHECK(std::string(highlight_word) ==
          text.substr(6, std::min<uint32_t>(200, line_starts[2] - 6)));
    CHECK(highlight_x == left_margin);
    CHECK(highlight_y == line_height);
    stop_program();
}

TEST_CASE("a paste reaches an open Navigator and is refused without one") {
    enter_fresh_directory();
    start_program();
    put_clipboard_text("Pasted into nothing");
    run_command(CMD_PASTE);
    pump_messages();
    REQUIRE(shown_messages.size() == 1);
    CHECK(shown_messages[0].text == "Problem with clipboard");
    CHECK(document_text() == welcome_text);

    run_command(CMD_NAVIGATOR);
    document.anchor_pos = 20;
    put_clipboard_text("Pasted words for the page.");
    run_command(CMD_PASTE);
    pump_messages();
    CHECK(document_text() == "Pasted words for the page.");
    CHECK(line_starts[0] == 0);
    CHECK(lines_laid_out == 1);
    CHECK(line_starts[1] == document.text_length);
    stop_program();
}

TEST_CASE("a new text keeps the scroll range until the Navigator is resized") {
    HWND navigator = open_navigator();
    load_text(numbered_words(2000));
    size_client(navigator, 400, 301);
    int low = 0, high = 0;
    GetScrollRange(navigator, SB_VERT, &low, &high);
    CHECK(high == (int)(document.text_length / chars_per_line));
    int long_range = high;

    load_text("a short text now");
    GetScrollRange(navigator, SB_VERT, &low, &high);
    CHECK(high == long_range);
    size_client(navigator, 400, 300);
    GetScrollRange(navigator, SB_VERT, &low, &high);
    CHECK(high == (int)scroll_max);
    CHECK(scroll_max == 16 / chars_per_line);
    stop_program();
}

TEST_CASE("closing the Navigator forgets its handle and placement") {
    HWND navigator = open_navigator();
    settings.navigator_rect = {1, 2, 300, 400};
    SendMessageA(mdi_client, WM_MDIDESTROY, (WPARAM)navigator, 0);
    pump_messages();
    CHECK(navigator_window == nullptr);
    CHECK(settings.navigator_rect.x == 0);
    CHECK(settings.navigator_rect.height == 0);
    stop_program();
}
