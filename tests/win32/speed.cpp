// The Speed window under Wine: its rate bar, keys and rate box, and what the
// Reader sees of a rate change.
#include "reading_windows.h"

#include "controls/rate_bar.h"
#include "reading/reader_state.h"
#include "settings/settings.h"

static HWND open_speed(int rate) {
    enter_fresh_directory();
    start_program();
    settings.words_per_minute = rate;
    run_command(CMD_SPEED);
    REQUIRE(speed_window != nullptr);
    return speed_window;
}

static HWND rate_bar() {
    return GetDlgItem(speed_window, 1020);
}

// The pixels of the rate box with its outline, copied out of a device context.
static std::vector<DWORD> box_pixels(HDC from, const speed_layout &l) {
    int width = l.box.right - l.box.left + 4, height = l.box.bottom - l.box.top + 4;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HBITMAP copy = CreateDIBSection(from, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HDC memory = CreateCompatibleDC(from);
    HGDIOBJ old = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, width, height, from, l.box.left - 2, l.box.top - 2, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> pixels((DWORD *)bits, (DWORD *)bits + width * height);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(copy);
    return pixels;
}

// Whether the rate box shows number: the screen is compared with the box as
// drawn afresh, in the Settings' colours, in a memory bitmap.
static bool shows_number(int number) {
    HDC screen = GetDC(speed_window);
    RECT client;
    GetClientRect(speed_window, &client);
    speed_layout l = layout_speed(client.right, client.bottom);
    std::vector<DWORD> shown = box_pixels(screen, l);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
    HGDIOBJ old_font = SelectObject(memory, GetCurrentObject(screen, OBJ_FONT));
    RECT box = {l.box.left, l.box.top, l.box.right, l.box.bottom};
    Rectangle(memory, box.left - 2, box.top - 2, box.right + 2, box.bottom + 2);
    COLORREF back = RGB(settings.back_red, settings.back_green, settings.back_blue);
    HBRUSH brush = CreateSolidBrush(back);
    FillRect(memory, &box, brush);
    SetBkColor(memory, back);
    SetTextColor(memory, RGB(settings.text_red, settings.text_green, settings.text_blue));
    std::string text = std::to_string(number);
    DrawTextA(memory, text.c_str(), -1, &box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    std::vector<DWORD> expected = box_pixels(memory, l);
    SelectObject(memory, old_font);
    SelectObject(memory, old_bitmap);
    DeleteObject(brush);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(speed_window, screen);
    return shown == expected;
}

// How many rate-changed notices are waiting for the Reader; they are taken
// off the queue.
static int notices_posted() {
    int count = 0;
    MSG msg;
    while (PeekMessageA(&msg, NULL, WM_COMMAND, WM_COMMAND, PM_REMOVE))
        count += msg.hwnd == reader_window && msg.wParam == CMD_GLOM;
    return count;
}

TEST_CASE("the Speed window opens at the rate, lays out by the client size, and clears on close") {
    HWND speed = open_speed(490);
    CHECK(GetScrollPos(rate_bar(), SB_CTL) == 490);
    int low = 0, high = 0;
    GetScrollRange(rate_bar(), SB_CTL, &low, &high);
    CHECK(low == 1);
    CHECK(high == 2000);
    SendMessageA(speed, WM_PAINT, 0, 0);
    CHECK(shows_number(490));
    CHECK_FALSE(shows_number(491));

    settings.words_per_minute = 2500;
    SetScrollPos(rate_bar(), SB_CTL, 7, TRUE);
    size_client(speed, 419, 109);
    RECT bar;
    GetWindowRect(rate_bar(), &bar);
    MapWindowPoints(NULL, speed, (POINT *)&bar, 2);
    CHECK(bar.left == 20);
    CHECK(bar.top == 74);
    CHECK(bar.right - bar.left == 340);
    CHECK(bar.bottom - bar.top == 20);
    CHECK(GetScrollPos(rate_bar(), SB_CTL) == 2000);
    // As the Color window asks after a change of colours.
    settings.back_red = settings.back_green = 0;
    settings.text_green = 255;
    SendMessageA(speed, WM_PAINT, 0, 0);
    CHECK(shows_number(2500));

    settings.speed_rect = window_rect{1, 2, 3, 4};
    SendMessageA(mdi_client, WM_MDIDESTROY, (WPARAM)speed, 0);
    CHECK(speed_window == nullptr);
    CHECK(settings.speed_rect.x + settings.speed_rect.y + settings.speed_rect.width +
              settings.speed_rect.height ==
          0);
    stop_program();
}

TEST_CASE("scroll codes and keys set the rate and the thumb, and tell an open Reader") {
    HWND speed = open_speed(490);
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
        {"line up at 2", WM_HSCROLL, SB_LINEUP, 2, 1, 1, 1},
        {"page up at 10", WM_HSCROLL, SB_PAGEUP, 10, 10, 1, 1},
        {"page up at 11", WM_HSCROLL, SB_PAGEUP, 11, 1, 1, 1},
        {"page up at 5 from the file", WM_HSCROLL, SB_PAGEUP, 5, 5, 1, 1},
        {"page down at 2989", WM_HSCROLL, SB_PAGEDOWN, 2989, 2999, 2000, 1},
        {"page down at 2990", WM_HSCROLL, SB_PAGEDOWN, 2990, 2990, 2000, 1},
        {"line down at 2999", WM_HSCROLL, SB_LINEDOWN, 2999, 3000, 2000, 1},
        {"line down at 3000", WM_HSCROLL, SB_LINEDOWN, 3000, 3000, 2000, 1},
        {"thumb track to 1234", WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 1234), 490, 1234, 1234, 1},
        {"thumb position", WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1234), 490, 490, 1000, 0},
        {"end scroll", WM_HSCROLL, SB_ENDSCROLL, 490, 490, 1000, 0},
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
    stop_program();
}

TEST_CASE("the Reader takes a new rate at once while it runs and ignores it while stopped") {
    HWND speed = open_speed(1);
    SendMessageA(speed, WM_HSCROLL, SB_LINEDOWN, 0);
    pump_messages(); // nothing for a closed Reader: the notice would stay queued
    CHECK(notices_posted() == 0);

    run_command(CMD_READER);
    load_text(numbered_words(400));
    run_command(CMD_START);
    // At 2 wpm the next tick would be 30 s away; at 3000 it is 20 ms away.
    SendMessageA(speed, WM_KEYDOWN, VK_END, 0);
    pump_for(300);
    CHECK(document.read_pos > 15);

    click(reader_window, 5, 5); // stops it and kills its timer
    SendMessageA(speed, WM_KEYDOWN, VK_HOME, 0);
    pump_messages();
    CHECK(running == 0);
    CHECK_FALSE(KillTimer(reader_window, 1030));
    stop_program();
}

TEST_CASE("10,000 rate steps and repaints leave no GDI object behind") {
    HWND speed = open_speed(490);
    // A visible bar takes some milliseconds to redraw its thumb under Wine;
    // the rate box is drawn all the same.
    ShowWindow(rate_bar(), SW_HIDE);
    long before = live_gdi_objects();
    for (int i = 0; i < 10000; i++) {
        SendMessageA(speed, WM_HSCROLL, i % 2 ? SB_LINEUP : SB_LINEDOWN, 0);
        SendMessageA(speed, WM_PAINT, 0, 0);
    }
    long after = live_gdi_objects();
    CHECK(after - before < 50);
    CHECK(shows_number(490));
    stop_program();
}

TEST_CASE("keys reach the Speed window as soon as it opens") {
    enter_fresh_directory();
    HWND frame = start_program();
    DestroyWindow(about_window);
    SetForegroundWindow(frame);
    settings.words_per_minute = 490;
    run_command(CMD_SPEED);
    CHECK(GetFocus() == speed_window);
    keybd_event(VK_DOWN, 0, 0, 0);
    keybd_event(VK_DOWN, 0, KEYEVENTF_KEYUP, 0);
    pump_for(100);
    CHECK(settings.words_per_minute == 491);
    stop_program();
}
