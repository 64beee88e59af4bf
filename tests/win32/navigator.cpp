// The Navigator window under Wine: its page, scrolling, keys and clicks.
#include "open_dialog.h"
#include "reading_windows.h"

#include "reading/navigator.h"

TEST_CASE("a click marks the word under it and moves read_pos there, right of a line's end "
          "none; a resize to 32 pixels or less in either direction keeps the metrics") {
    HWND navigator = start_with(navigator_window, {CMD_NAVIGATOR});
    size_client(navigator, 400, 300);
    load_text("short Extraordinarily long words\r\nsecond line here");
    const int line = system_line_height(navigator);
    const int plain = ink_pixels(navigator, 0, line);
    // x 100 falls inside the long word, whatever the font's widths; marked,
    // it is a block of ink as wide as its fifteen letters.
    click(navigator, 100, line / 2);
    CHECK(document.read_pos == 6);
    CHECK(ink_pixels(navigator, 0, line) > plain + 15 * line * 2);
    click(navigator, 396, line / 2);
    CHECK(document.read_pos == 6);
    CHECK(ink_pixels(navigator, 0, line) == plain);

    // A sizing frame holds a window to the width its caption needs; without
    // one it takes any size, down to the few pixels this rule is about.
    SetWindowLongA(navigator, GWL_STYLE, GetWindowLongA(navigator, GWL_STYLE) & ~WS_THICKFRAME);
    SetWindowPos(navigator, NULL, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    // The scroll range is the text's length over the characters a line holds.
    load_text(std::string(20000, 'x'));
    auto range = [navigator]() {
        int low = 0, high = 0;
        GetScrollRange(navigator, SB_VERT, &low, &high);
        return high;
    };
    const int wide = range();
    size_client(navigator, 200, 32);
    CHECK(range() == wide);
    size_client(navigator, 32, 200);
    CHECK(range() == wide);
    size_client(navigator, 33, 200);
    CHECK(range() > wide);
    stop_program();
}

// Drags the thumb with the mouse to a fraction of its travel (past 1 the
// pointer leaves the bar's end) and lets it go there.
static void drag_thumb(HWND window, double fraction) {
    SCROLLBARINFO bar = {};
    bar.cbSize = sizeof bar;
    REQUIRE(GetScrollBarInfo(window, OBJID_VSCROLL, &bar));
    const RECT &r = bar.rcScrollBar;
    const int thumb = bar.xyThumbBottom - bar.xyThumbTop;
    const int travel = r.bottom - r.top - 2 * bar.dxyLineButton - thumb;
    const int to = r.top + bar.dxyLineButton + thumb / 2 + (int)(fraction * travel);
    // Pressed on the thumb, moved, let go: screen points in 1/65536 of the screen.
    const int x = ((r.left + r.right) / 2 * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
    auto at = [](int y) { return (y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN); };
    const DWORD move = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    mouse_event(move | MOUSEEVENTF_LEFTDOWN, x, at(r.top + bar.xyThumbTop + thumb / 2), 0, 0);
    mouse_event(move, x, at(to), 0, 0);
    mouse_event(move | MOUSEEVENTF_LEFTUP, x, at(to), 0, 0);
    pump_messages();
}

// How the page drawn last ends, from the lines laid out on it.
static std::string page_ending() {
    unsigned shown = 0;
    while (shown < lines_per_page && line_starts[shown + 1] > line_starts[shown])
        shown++;
    if (line_starts[shown] < document.text_length)
        return "the text goes on";
    if (shown == lines_per_page)
        return "a full page to the end";
    return document.anchor_pos == 0 ? "the whole text" : "part of a page to the end";
}

TEST_CASE("the scroll bar follows each new text; scroll codes, keys and the thumb move the page "
          "and the thumb within a long one and leave read_pos; the end shows a full last page") {
    HWND navigator = start_with(navigator_window, {CMD_NAVIGATOR});
    size_client(navigator, 400, 300);
    const std::string here = enter_fresh_directory() + "\\";
    // Over 11 MB: a range far beyond the 16 bits a scroll message carries.
    const std::string long_text = numbered_words(1000000), short_text = numbered_words(300);
    const std::string pasted = numbered_words(900), welcome = welcome_text;
    write_whole_file("long.txt", long_text);
    write_whole_file("short.txt", short_text);
    const struct {
        std::string label, file, paste; // no file: the text is pasted
        size_t length;
        std::string last_page;
    } texts[] = {
        {"a short file", "short.txt", "", short_text.size(), "a full page to the end"},
        {"a paste", "", pasted, pasted.size(), "a full page to the end"},
        {"an empty paste", "", "", 0, "the whole text"},
        {"a missing file", "missing.txt", "", welcome.size(), "the whole text"},
        {"a long file", "long.txt", "", long_text.size(), "a full page to the end"},
    };
    for (const auto &t : texts) {
        CAPTURE(t.label);
        if (t.file.empty()) {
            put_clipboard_text(t.paste);
            run_command(CMD_PASTE);
        } else
            open_through_frame(here + t.file);
        REQUIRE(document.text_length == t.length);
        const int end = (int)(t.length / chars_per_line);
        int low = -1, high = -1;
        GetScrollRange(navigator, SB_VERT, &low, &high);
        CHECK(high == end);
        CHECK(GetScrollPos(navigator, SB_VERT) == 0);
        CHECK(line_starts[0] == 0);
        // Page Down from the top of a text of a few pages never shows a page
        // part empty, and stops on the last page with the thumb at its end.
        uint32_t last_top = 0;
        for (int presses = 0; t.length < 10000 && presses < 100; presses++) {
            SendMessageA(navigator, WM_KEYDOWN, VK_NEXT, 0);
            CHECK(page_ending() != "part of a page to the end");
            last_top = document.anchor_pos;
        }
        if (t.length < 10000)
            CHECK(GetScrollPos(navigator, SB_VERT) == end);
        // End, then Line and Page Down on the last page: the page stays, with
        // the text's last line at its bottom; the thumb at its end.
        for (WPARAM key : {VK_END, VK_DOWN, VK_NEXT}) {
            SendMessageA(navigator, WM_KEYDOWN, key, 0);
            CHECK(GetScrollPos(navigator, SB_VERT) == end);
            CHECK(page_ending() == t.last_page);
            if (t.length < 10000)
                CHECK(document.anchor_pos == last_top);
        }
    }

    const uint32_t middle = (uint32_t)long_text.find("word500000 ");
    // From the page at the middle: Down goes to a line laid out there, Up one
    // line's worth of bytes back, by their widths alone.
    document.anchor_pos = middle;
    RedrawWindow(navigator, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    const uint32_t second = line_starts[1], after = line_starts[lines_per_page];
    const uint32_t up_low = middle - 2 * chars_per_line, up_high = middle - chars_per_line / 2;
    const struct {
        std::string label;
        UINT message;
        WPARAM code;
        uint32_t from;
        int thumb;                // from 500
        uint32_t lowest, highest; // the new top
    } moves[] = {
        {"Line Down: the second line", WM_VSCROLL, SB_LINEDOWN, middle, 501, second, second},
        {"Page Down: the line after the page", WM_VSCROLL, SB_PAGEDOWN, middle, 503, after, after},
        {"Line Up", WM_VSCROLL, SB_LINEUP, middle, 499, up_low, up_high},
        {"Page Up: a line's worth too", WM_VSCROLL, SB_PAGEUP, middle, 497, up_low, up_high},
        {"Page Up near the top", WM_KEYDOWN, VK_PRIOR, 5, 0, 5, 5},
    };
    for (const auto &m : moves) {
        CAPTURE(m.label);
        document.anchor_pos = m.from;
        document.read_pos = 3;
        SetScrollPos(navigator, SB_VERT, 500, FALSE);
        RedrawWindow(navigator, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        SendMessageA(navigator, m.message, m.code, 0);
        CHECK(document.anchor_pos >= m.lowest);
        CHECK(document.anchor_pos <= m.highest);
        CHECK(GetScrollPos(navigator, SB_VERT) == m.thumb);
        CHECK(document.read_pos == 3);
    }

    // Let go past the end, the thumb stays at its end and the page is the
    // last full one.
    int low = -1, high = -1;
    GetScrollRange(navigator, SB_VERT, &low, &high);
    const struct {
        std::string label;
        double fraction, lowest, highest;
        std::string ending;
    } drags[] = {{"to the middle", 0.5, 0.45, 0.55, "the text goes on"},
                 {"past the end of its travel", 1.1, 0.999, 1, "a full page to the end"}};
    for (const auto &d : drags) {
        CAPTURE(d.label);
        drag_thumb(navigator, d.fraction);
        const double at = (double)document.anchor_pos / document.text_length;
        CHECK(at >= d.lowest);
        CHECK(at <= d.highest);
        CHECK(line_starts[0] == document.anchor_pos);
        CHECK(page_ending() == d.ending);
        CHECK(GetScrollPos(navigator, SB_VERT) ==
              (d.fraction > 1 ? high : (int)(document.anchor_pos / chars_per_line)));
    }

    stop_program();
}

TEST_CASE("the wheel scrolls the page by the system's lines a notch with the thumb following, "
          "in a short text and a long one; at the end the last page stays") {
    HWND navigator = start_with(navigator_window, {CMD_NAVIGATOR});
    size_client(navigator, 400, 300);
    UINT per_notch = 0;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &per_notch, 0);
    REQUIRE(per_notch > 0);
    REQUIRE(per_notch < lines_per_page);
    const std::string long_text = numbered_words(1000000), short_text = "a few words";
    const uint32_t middle = (uint32_t)long_text.find("word500000 ");
    const struct {
        std::string label;
        const std::string &text;
        uint32_t from;   // the page's top before; past the end: the last page
        int turn, turns; // one turn of the wheel, and how many
        int lines;       // down by the lines laid out (negative: up by as many lines' worth)
    } cases[] = {
        {"a notch down", long_text, middle, -WHEEL_DELTA, 1, (int)per_notch},
        {"a notch up", long_text, middle, WHEEL_DELTA, 1, -(int)per_notch},
        {"two notches down", long_text, middle, -2 * WHEEL_DELTA, 1, 2 * (int)per_notch},
        {"two half notches make one", long_text, middle, -WHEEL_DELTA / 2, 2, (int)per_notch},
        {"a notch down on the last page", long_text, UINT32_MAX, -WHEEL_DELTA, 1, 0},
        {"a notch down in a text that fits", short_text, 0, -WHEEL_DELTA, 1, 0},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        if (document.text_length != c.text.size())
            load_text(c.text);
        int low = -1, high = -1;
        GetScrollRange(navigator, SB_VERT, &low, &high);
        if (c.from == UINT32_MAX)
            SendMessageA(navigator, WM_VSCROLL, SB_BOTTOM, 0);
        else {
            document.anchor_pos = c.from;
            SetScrollPos(navigator, SB_VERT, (int)(c.from / chars_per_line), FALSE);
            RedrawWindow(navigator, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        const uint32_t before = document.anchor_pos;
        const uint32_t below = line_starts[c.lines > 0 ? c.lines : 0];
        const int thumb = GetScrollPos(navigator, SB_VERT);
        for (int i = 0; i < c.turns; i++)
            turn_wheel(navigator, c.turn);
        pump_messages();
        if (c.lines > 0)
            CHECK(document.anchor_pos == below);
        else if (c.lines < 0) {
            CHECK(document.anchor_pos < before - (uint32_t)(-c.lines) * chars_per_line / 2);
            CHECK(document.anchor_pos > before - (uint32_t)(-c.lines) * chars_per_line * 2);
        } else
            CHECK(document.anchor_pos == before);
        CHECK(GetScrollPos(navigator, SB_VERT) == (c.lines ? thumb + c.lines : high));
        CHECK(page_ending() != "part of a page to the end");
    }
    stop_program();
}
