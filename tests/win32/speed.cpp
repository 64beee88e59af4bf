// The Speed window under Wine: its rate bar, keys and rate box, and what the
// Reader sees of a rate change.
#include "tool_controls.h"

#include "controls/rate_bar.h"

static HWND rate_bar() {
    return GetDlgItem(speed_window, 1020);
}

// The pixels of the rate box with its outline, copied out of a device context.
static std::vector<DWORD> box_pixels(HDC from, const edges &box) {
    int width = box.right - box.left + 4, height = box.bottom - box.top + 4;
    HBITMAP copy = CreateCompatibleBitmap(from, width, height);
    HDC memory = CreateCompatibleDC(from);
    HGDIOBJ old = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, width, height, from, box.left - 2, box.top - 2, SRCCOPY);
    SelectObject(memory, old);
    std::vector<DWORD> pixels(width * height);
    GetBitmapBits(copy, (LONG)(pixels.size() * sizeof(DWORD)), pixels.data());
    DeleteDC(memory);
    DeleteObject(copy);
    return pixels;
}

// Whether the rate box shows number: the screen is compared with the box
// drawn over it afresh, in the Settings' colours, so that it then shows number.
static bool shows_number(int number) {
    RECT client;
    GetClientRect(speed_window, &client);
    const edges box = layout_speed(client.right, client.bottom).box;
    HDC dc = GetDC(speed_window);
    std::vector<DWORD> shown = box_pixels(dc, box);
    RECT r = {box.left, box.top, box.right, box.bottom};
    Rectangle(dc, r.left - 2, r.top - 2, r.right + 2, r.bottom + 2);
    COLORREF back = RGB(settings.back_red, settings.back_green, settings.back_blue);
    HBRUSH brush = CreateSolidBrush(back);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    SetBkColor(dc, back);
    SetTextColor(dc, RGB(settings.text_red, settings.text_green, settings.text_blue));
    DrawTextA(dc, std::to_string(number).c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    const bool same = box_pixels(dc, box) == shown;
    ReleaseDC(speed_window, dc);
    return same;
}

// How many rate-changed notices are waiting for the Reader (for the thread,
// with the Reader closed); they are taken off the queue.
static int notices_posted() {
    int count = 0;
    MSG msg;
    while (PeekMessageA(&msg, NULL, WM_COMMAND, WM_COMMAND, PM_REMOVE))
        count += msg.hwnd == reader_window && msg.wParam == CMD_GLOM;
    return count;
}

TEST_CASE("the Speed window shows the rate in the reader's colours; scroll codes and keys set "
          "the rate and the thumb and tell an open Reader, which takes a new rate at once") {
    // The default rate, 490.
    HWND speed = start_with(speed_window, {CMD_SPEED});
    CHECK(GetScrollPos(rate_bar(), SB_CTL) == 490);
    SendMessageA(speed, WM_PAINT, 0, 0);
    CHECK(shows_number(490));
    CHECK_FALSE(shows_number(491));
    settings.words_per_minute = 2500;
    SetScrollPos(rate_bar(), SB_CTL, 7, TRUE);
    size_client(speed, 419, 109);
    CHECK(place_of(rate_bar()) == "20,74 340x20");
    CHECK(GetScrollPos(rate_bar(), SB_CTL) == 2000);
    // As the Color window asks after a change of colours.
    settings.back_red = settings.back_green = 0;
    settings.text_green = 255;
    SendMessageA(speed, WM_PAINT, 0, 0);
    CHECK(shows_number(2500));

    // A closed Reader is not told: nothing is posted, to no window either.
    SendMessageA(speed, WM_HSCROLL, SB_LINEDOWN, 0);
    CHECK(notices_posted() == 0);
    run_command(CMD_READER);
    // Side by side, so that the rate box shows on the screen.
    MoveWindow(reader_window, 0, 300, 200, 100, TRUE);
    MoveWindow(speed, 0, 0, 400, 250, TRUE);
    const struct {
        std::string label;
        UINT message;
        int code;
        int32_t from, to;
        int thumb; // as the bar shows it: 2000 at most
        int notices;
    } cases[] = {
        {"line up at 1", WM_HSCROLL, SB_LINEUP, 1, 1, 1, 1},
        {"page up at 10", WM_HSCROLL, SB_PAGEUP, 10, 10, 1, 1},
        {"page up at 11", WM_HSCROLL, SB_PAGEUP, 11, 1, 1, 1},
        {"page down at 2989", WM_HSCROLL, SB_PAGEDOWN, 2989, 2999, 2000, 1},
        {"page down at 2990", WM_HSCROLL, SB_PAGEDOWN, 2990, 2990, 2000, 1},
        {"line down at 2999", WM_HSCROLL, SB_LINEDOWN, 2999, 3000, 2000, 1},
        {"line down at 3000", WM_HSCROLL, SB_LINEDOWN, 3000, 3000, 2000, 1},
        {"thumb track to 1234", WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 1234), 490, 1234, 1234, 1},
        {"thumb position", WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1234), 490, 490, 1000, 0},
        {"a command is a scroll code", WM_COMMAND, SB_LINEDOWN, 490, 491, 491, 1},
        {"Left", WM_KEYDOWN, VK_LEFT, 490, 480, 480, 1},
        {"Right", WM_KEYDOWN, VK_RIGHT, 490, 500, 500, 1},
        {"Up lowers", WM_KEYDOWN, VK_UP, 490, 489, 489, 1},
        {"Down raises", WM_KEYDOWN, VK_DOWN, 490, 491, 491, 1},
        {"Page Up", WM_KEYDOWN, VK_PRIOR, 490, 480, 480, 1},
        {"Page Down", WM_KEYDOWN, VK_NEXT, 490, 500, 500, 1},
        {"End", WM_KEYDOWN, VK_END, 490, 3000, 2000, 1},
        {"Home", WM_KEYDOWN, VK_HOME, 490, 1, 1, 1},
        {"Space does nothing", WM_KEYDOWN, VK_SPACE, 490, 490, 1000, 0},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        settings.words_per_minute = c.from;
        SetScrollPos(rate_bar(), SB_CTL, 1000, TRUE);
        notices_posted();
        LPARAM from_bar = c.message == WM_HSCROLL ? (LPARAM)rate_bar() : 0;
        SendMessageA(speed, c.message, c.code, from_bar);
        CHECK(settings.words_per_minute == c.to);
        CHECK(GetScrollPos(rate_bar(), SB_CTL) == c.thumb);
        CHECK(notices_posted() == c.notices);
        if (c.notices)
            CHECK(shows_number(c.to));
    }

    settings.words_per_minute = 2;
    load_text(numbered_words(400));
    run_command(CMD_START);
    // At 2 wpm the next tick would be 30 s away; at 3000 it is 20 ms away.
    SendMessageA(speed, WM_KEYDOWN, VK_END, 0);
    pump_for(300);
    CHECK(document.read_pos > 15);
    click(reader_window, 5, 5); // stops it and kills its timer
    SendMessageA(speed, WM_KEYDOWN, VK_HOME, 0);
    pump_messages();
    CHECK_FALSE(KillTimer(reader_window, 1030));
    stop_program();
}
