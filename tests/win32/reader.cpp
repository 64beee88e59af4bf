// The Reader window under Wine, driven by the messages the program sends it.
#include "reading_windows.h"

#include "reading/reader.h"
#include "reading/navigator.h"
#include "reading/reader_state.h"
#include "settings/settings.h"

// The frame with an open Reader that no real tick will disturb: at one word
// a minute the tests deliver the ticks themselves.
static HWND open_reader() {
    enter_fresh_directory();
    start_program();
    settings.words_per_minute = 1;
    run_command(CMD_READER);
    REQUIRE(reader_window != nullptr);
    return reader_window;
}

// One timer tick as the timer delivers it, whatever the real timer does.
static std::string tick(HWND reader) {
    SendMessageA(reader, WM_TIMER, 1030, 0);
    return current_word;
}

// Whether the Reader's timer is armed; finding out disarms it.
static bool take_reader_timer(HWND reader) {
    return KillTimer(reader, 1030) != 0;
}

// The words shown by count ticks, one blank between.
static std::string ticks(HWND reader, int count) {
    std::string shown = tick(reader);
    for (int i = 1; i < count; i++)
        shown += " " + tick(reader);
    return shown;
}

TEST_CASE("the Reader shows a word a tick, pausing on marks, until Stop or closing") {
    HWND reader = open_reader();
    CHECK(reader_holds_fine_timer() == 0);
    run_command(CMD_START);
    CHECK(reader_holds_fine_timer() == 1);
    settings.react_to_punctuation = 1;
    settings.extra_delay = 2;
    CHECK(ticks(reader, 6) == "Welcome to Tavrin, Tavrin, Tavrin, the");
    // Counting a negative pause down would take billions of ticks.
    settings.extra_delay = -3;
    document.read_pos = 0;
    CHECK(ticks(reader, 5) == "Welcome to Tavrin, the speed");

    // Stop is seen at the next tick, which shows nothing new; the timer stays.
    run_command(CMD_STOP);
    CHECK(tick(reader) == "speed");
    CHECK(reader_holds_fine_timer() == 0);
    CHECK(take_reader_timer(reader));
    run_command(CMD_START);
    SendMessageA(mdi_client, WM_MDIDESTROY, (WPARAM)reader, 0);
    pump_messages();
    CHECK(reader_window == nullptr);
    CHECK(reader_holds_fine_timer() == 0);
    stop_program();
}

TEST_CASE("a click stops the Reader, re-centres the Navigator and marks; a second resumes") {
    HWND reader = open_reader();
    run_command(CMD_NAVIGATOR);
    const std::string text = numbered_words(400);
    load_text(text);
    run_command(CMD_START);
    const uint32_t at = (uint32_t)text.find("word250");
    document.read_pos = at;

    click(reader, 10, 10);
    CHECK(running == 0);
    CHECK(reader_holds_fine_timer() == 0);
    CHECK_FALSE(take_reader_timer(reader));
    // The page starts a couple of lines above the word.
    CHECK(document.anchor_pos > 0);
    CHECK(at - document.anchor_pos <= 3u * chars_per_line);
    CHECK(highlight_shown == 1);
    CHECK(std::string(highlight_word) == "word250");

    click(reader, 10, 10);
    CHECK(running == 1);
    CHECK(reader_holds_fine_timer() == 1);
    CHECK(take_reader_timer(reader));
    CHECK(tick(reader) == "word250");
    stop_program();
}

// Whether the text colour shows in column x of the Reader's middle band.
static bool ink(HWND reader, int x) {
    HDC dc = GetDC(reader);
    bool found = false;
    for (int y = 50; y < 150; y++)
        found |= GetPixel(dc, x, y) == RGB(0, 0, 0);
    ReleaseDC(reader, dc);
    return found;
}

TEST_CASE("a word wider than the Reader is centred and cut on both sides") {
    HWND reader = open_reader();
    size_client(reader, 300, 200);
    REQUIRE_FALSE(ink(reader, 0));
    run_command(CMD_START);
    load_text(std::string(40, 'W'));
    tick(reader);
    CHECK(ink(reader, 0));
    CHECK(ink(reader, 299));
    stop_program();
}

TEST_CASE("the Reader's keys jump by phrases, go to either end, and start or stop it") {
    HWND reader = open_reader();
    load_text("One two. Three four, five.");
    const struct {
        std::string label;
        WPARAM key;
        uint32_t from, to;
    } cases[] = {
        {"Right", VK_RIGHT, 0, 8}, {"Page Down", VK_NEXT, 9, 20}, {"Down", VK_DOWN, 0, 8},
        {"Left", VK_LEFT, 15, 8},  {"Page Up", VK_PRIOR, 15, 8},  {"Up", VK_UP, 22, 20},
        {"End", VK_END, 3, 25},    {"Home", VK_HOME, 12, 0},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        document.read_pos = document.anchor_pos = c.from;
        SendMessageA(reader, WM_KEYDOWN, c.key, 0);
        CHECK(document.read_pos == c.to);
        CHECK(document.anchor_pos == c.to);
        CHECK(running == 0);
    }
    SendMessageA(reader, WM_KEYDOWN, VK_SPACE, 0);
    CHECK(running == 1);
    CHECK(take_reader_timer(reader));
    SendMessageA(reader, WM_KEYDOWN, 'X', 0);
    CHECK(running == 0);
    stop_program();
}
