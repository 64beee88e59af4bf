// The Reader window under Wine, driven by the messages the program sends it.
#include "reading_windows.h"

#include "reading/reader.h"
#include "reading/navigator.h"

// The words shown by count timer ticks, one blank between.
static std::string ticks(int count) {
    std::string shown;
    for (int i = 0; i < count; i++) {
        SendMessageA(reader_window, WM_TIMER, 1030, 0);
        shown += (i ? " " : "") + std::string(current_word);
    }
    return shown;
}

TEST_CASE(
    "the Reader shows a word a tick, pausing on marks and cutting a word wider than it on "
    "both sides, until Stop, a click or closing; a click re-centres the Navigator and marks") {
    // At one word a minute no real tick disturbs the test's own.
    HWND reader = start_with(reader_window, {CMD_READER});
    settings.words_per_minute = 1;
    size_client(reader, 300, 200);
    // Whether the text colour shows in column x of the middle band.
    auto ink = [reader](int x) {
        HDC dc = GetDC(reader);
        bool found = false;
        for (int y = 50; y < 150; y++)
            found |= GetPixel(dc, x, y) == RGB(0, 0, 0);
        ReleaseDC(reader, dc);
        return found;
    };
    REQUIRE_FALSE(ink(0));
    run_command(CMD_START);
    CHECK(reader_holds_fine_timer() == 1);
    settings.react_to_punctuation = 1;
    settings.extra_delay = 2;
    CHECK(ticks(6) == "Welcome to Tavrin, Tavrin, Tavrin, the");
    // Counting a negative pause down would take billions of ticks.
    settings.extra_delay = -3;
    document.read_pos = 0;
    CHECK(ticks(5) == "Welcome to Tavrin, the speed");
    // Centred, the 40 letters start left of the window and end right of it.
    load_text(std::string(40, 'W'));
    ticks(1);
    CHECK(ink(0));
    CHECK(ink(299));

    // Stop is seen at the next tick, which shows nothing new; the timer stays.
    run_command(CMD_STOP);
    CHECK(ticks(1) == std::string(40, 'W'));
    CHECK(reader_holds_fine_timer() == 0);
    // KillTimer tells whether the Reader's timer is armed, and disarms it.
    CHECK(KillTimer(reader, 1030));
    // A key that moves nothing starts it again.
    SendMessageA(reader, WM_KEYDOWN, VK_SPACE, 0);
    CHECK(reader_holds_fine_timer() == 1);
    // End and Home move reading and the page together; such a key again stops it.
    SendMessageA(reader, WM_KEYDOWN, VK_END, 0);
    CHECK(document.read_pos == 39u);
    CHECK(document.anchor_pos == 39u);
    SendMessageA(reader, WM_KEYDOWN, VK_HOME, 0);
    CHECK(document.read_pos + document.anchor_pos == 0u);
    CHECK(reader_holds_fine_timer() == 1);
    SendMessageA(reader, WM_KEYDOWN, 'A', 0);
    CHECK(reader_holds_fine_timer() == 0);
    SendMessageA(reader, WM_KEYDOWN, VK_SPACE, 0);

    run_command(CMD_NAVIGATOR);
    const std::string text = numbered_words(400);
    load_text(text);
    document.read_pos = (uint32_t)text.find("word250");
    // The second click resuming shows that the first one stopped.
    click(reader, 10, 10);
    CHECK(reader_holds_fine_timer() == 0);
    CHECK_FALSE(KillTimer(reader, 1030));
    // The page starts a couple of lines above the word.
    CHECK(document.read_pos - document.anchor_pos <= 3u * chars_per_line);
    CHECK(text.compare(document.read_pos, 7, "word250") == 0);
    RECT page;
    GetClientRect(navigator_window, &page);
    const int marked = ink_pixels(navigator_window, 0, page.bottom);
    RedrawWindow(navigator_window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    CHECK(marked > ink_pixels(navigator_window, 0, page.bottom) + 7 * 10);
    click(reader, 10, 10);
    CHECK(reader_holds_fine_timer() == 1);
    CHECK(KillTimer(reader, 1030));
    CHECK(ticks(1) == "word250");
    // Closing it lets the fine timer go.
    SendMessageA(mdi_client, WM_MDIDESTROY, (WPARAM)reader, 0);
    CHECK(reader_holds_fine_timer() == 0);
    stop_program();
}

// Keeps the thread from its queue for a time, as a long repaint or a dialog
// would; the Reader's ticks meanwhile come late.
static double busy_ms;

static double seconds_now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return (double)count.QuadPart / (double)frequency.QuadPart;
}

static void CALLBACK keep_busy(HWND, UINT, UINT_PTR, DWORD) {
    const double until = seconds_now() + busy_ms / 1000;
    while (seconds_now() < until) {
    }
}

// The Speed window's notice of a new rate, as it posts it at each step.
static void CALLBACK notify_rate(HWND, UINT, UINT_PTR, DWORD) {
    PostMessageA(reader_window, WM_COMMAND, CMD_GLOM, 0);
}

TEST_CASE("ticks that come late are made up: the words shown keep to the rate set while the "
          "program is kept busy for one and a half intervals at a time, and while the rate's "
          "notices come") {
    HWND reader = start_with(reader_window, {CMD_READER});
    load_text(numbered_words(1000));
    settings.react_to_punctuation = 0;
    const struct {
        std::string label;
        int rate;
        double busy_ms, every_ms, notice_every_ms;
    } loads[] = {
        {"600 wpm, busy 150 ms every 330 ms", 600, 150, 330, 0},
        // Slow rates only: half an interval is all that stands between one and
        // a half intervals late and the two after which the schedule restarts,
        // and a busy machine adds tens of ms to a tick (10 ms at 3000 wpm).
        {"400 wpm, busy 225 ms every 500 ms", 400, 225, 500, 0},
        // Each notice re-arms the timer, which Wine fires up to 10 ms late:
        // less load, so that the ticks can still catch up at twice the rate.
        {"600 wpm, busy 150 ms every 500 ms, a notice every 30 ms", 600, 150, 500, 30},
    };
    for (const auto &l : loads) {
        CAPTURE(l.label);
        settings.words_per_minute = l.rate;
        document.read_pos = 0;
        busy_ms = l.busy_ms;
        const double start = seconds_now();
        run_command(CMD_START);
        const UINT_PTR busy = SetTimer(NULL, 0, (UINT)l.every_ms, keep_busy);
        const UINT_PTR notices =
            l.notice_every_ms ? SetTimer(NULL, 0, (UINT)l.notice_every_ms, notify_rate) : 0;
        pump_for(2500);
        KillTimer(NULL, busy);
        if (notices)
            KillTimer(NULL, notices);
        // Half a second to make up the last delay, as the rate allows.
        pump_for(500);
        const double elapsed = seconds_now() - start;
        const int shown = atoi(current_word + 4) + 1;
        const int scheduled = (int)(elapsed * l.rate / 60);
        CHECK(shown >= scheduled - 1);
        CHECK(shown <= scheduled + 1);
        click(reader, 5, 5); // stops it
    }
    stop_program();
}
