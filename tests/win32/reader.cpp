// The Reader window under Wine, driven by the messages the program sends it.
#include "reading_windows.h"

#include "reading/reader.h"
#include "reading/navigator.h"
#include "settings/settings.h"

#include <vector>

// The frame with an open Reader that no real tick will disturb: at one word
// a minute the tests deliver the ticks themselves.
static HWND open_reader(int words_per_minute = 1) {
    enter_fresh_directory();
    start_program();
    settings.words_per_minute = words_per_minute;
    run_command(CMD_READER);
    REQUIRE(reader_window != nullptr);
    return reader_window;
}

static std::vector<std::string> ticks(HWND reader, int count) {
    std::vector<std::string> words;
    for (int i = 0; i < count; i++)
        words.push_back(tick(reader));
    return words;
}

TEST_CASE("started from the menu, the Reader flashes the welcome text word by word") {
    HWND reader = open_reader();
    CHECK(running == 0);
    CHECK(reader_holds_fine_timer() == 0);
    run_command(CMD_START);
    CHECK(running == 1);
    CHECK(reader_holds_fine_timer() == 1);

    struct {
        std::string label;
        int react;
        int delay;
        std::vector<std::string> words;
    } cases[] = {
        {"a comma holds its word 1 + 2 ticks",
         1,
         2,
         {"Welcome", "to", "Tavrin,", "Tavrin,", "Tavrin,", "the", "speed"}},
        {"no reaction, no pause", 0, 2, {"Welcome", "to", "Tavrin,", "the", "speed", "reading"}},
        {"a negative delay is no delay", 1, -3, {"Welcome", "to", "Tavrin,", "the", "speed"}},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        settings.react_to_punctuation = c.react;
        settings.extra_delay = c.delay;
        document.read_pos = 0;
        pause_ticks = 0;
        CHECK(ticks(reader, (int)c.words.size()) == c.words);
    }
    stop_program();
}

TEST_CASE("the end of the text gives empty words and the Reader keeps going") {
    HWND reader = open_reader();
    run_command(CMD_START);
    load_text("last one.");
    settings.extra_delay = 0;
    CHECK(ticks(reader, 4) == std::vector<std::string>{"last", "one.", "", ""});
    CHECK(document.read_pos == 9);
    CHECK(running == 1);
    stop_program();
}

TEST_CASE("the real timer steps the Reader at the rate set") {
    HWND reader = open_reader(3000);
    run_command(CMD_START);
    pump_for(400);
    CHECK(document.read_pos > 20);
    CHECK(take_reader_timer(reader));
    stop_program();
}

TEST_CASE("Stop from the menu stops at the next tick and leaves the timer armed") {
    HWND reader = open_reader();
    run_command(CMD_START);
    CHECK(tick(reader) == "Welcome");
    run_command(CMD_STOP);
    CHECK(running == 0);
    CHECK(tick(reader) == "Welcome");
    CHECK(reader_holds_fine_timer() == 0);
    CHECK(take_reader_timer(reader));
    stop_program();
}

TEST_CASE("a rate change re-arms a running Reader and leaves a stopped one stopped") {
    HWND reader = open_reader();
    PostMessageA(reader, WM_COMMAND, CMD_GLOM, 0);
    pump_messages();
    CHECK(running == 0);
    CHECK_FALSE(take_reader_timer(reader));

    run_command(CMD_START);
    CHECK(take_reader_timer(reader));
    PostMessageA(reader, WM_COMMAND, CMD_GLOM, 0);
    pump_messages();
    CHECK(take_reader_timer(reader));
    stop_program();
}

TEST_CASE("keys jump by phrases, to the ends, or start and stop the Reader") {
    struct {
        std::string label;
        WPARAM key;
        uint32_t read_pos;
        uint32_t read_pos_after;
        uint32_t anchor_after;
        int running_after;
    } cases[] = {
        // "One. Two, three four. Five" : phrase ends after 3, 8 and 20.
        {"Page Down", VK_NEXT, 0, 4, 4, 0},
        {"Right", VK_RIGHT, 5, 9, 9, 0},
        {"Down", VK_DOWN, 10, 21, 21, 0},
        {"Page Up", VK_PRIOR, 15, 9, 9, 0},
        {"Left", VK_LEFT, 22, 21, 21, 0},
        {"Up with no phrase before", VK_UP, 3, 3, 0, 0},
        {"End", VK_END, 5, 25, 25, 0},
        {"Home", VK_HOME, 12, 0, 0, 0},
        {"Space starts", VK_SPACE, 12, 12, 0, 1},
        {"F5 starts", VK_F5, 12, 12, 0, 1},
    };
    HWND reader = open_reader();
    load_text("One. Two, three four. Five");
    for (const auto &c : cases) {
        CAPTURE(c.label);
        running = 0;
        document.read_pos = c.read_pos;
        document.anchor_pos = 0;
        press(reader, c.key);
        CHECK(document.read_pos == c.read_pos_after);
        CHECK(document.anchor_pos == c.anchor_after);
        CHECK(running == c.running_after);
    }
    stop_program();
}

TEST_CASE("a key stops a running Reader but leaves its timer armed, and End on no text is 0") {
    HWND reader = open_reader();
    run_command(CMD_START);
    press(reader, 'A');
    CHECK(running == 0);
    CHECK(recentre_navigator == 0);
    CHECK(reader_holds_fine_timer() == 0);
    CHECK(take_reader_timer(reader));

    load_text("");
    document.read_pos = 7;
    press(reader, VK_END);
    CHECK(document.read_pos == 0);
    CHECK(document.anchor_pos == 0);
    stop_program();
}

TEST_CASE("a key that moves the Reader makes an open Navigator redraw from the new place") {
    HWND reader = open_reader();
    run_command(CMD_NAVIGATOR);
    load_text(std::string(3000, 'x') + ". End of it");
    press(reader, VK_END);
    CHECK(line_starts[0] == document.text_length - 1);
    press(reader, VK_HOME);
    CHECK(line_starts[0] == 0);
    stop_program();
}

TEST_CASE("a click stops the Reader and re-centres the Navigator; a second resumes") {
    HWND reader = open_reader();
    run_command(CMD_NAVIGATOR);
    std::string text;
    for (int i = 0; i < 400; i++)
        text += "word" + std::to_string(i) + (i % 10 == 9 ? ".\r\n" : " ");
    load_text(text);
    run_command(CMD_START);
    document.read_pos = (uint32_t)text.find("word250");

    click(reader, 10, 10);
    CHECK(running == 0);
    CHECK(recentre_navigator == 0);
    CHECK_FALSE(take_reader_timer(reader));
    CHECK(reader_holds_fine_timer() == 0);
    size_t back = text.find("word250") - 2 * chars_per_line;
    CHECK(document.anchor_pos == text.find_last_of(" \r\n", back) + 1);
    REQUIRE(highlight_shown == 1);
    // With no click in the Navigator yet, the word marked is the first of the
    // line that holds the reading position, and reading goes on from there.
    CHECK(line_starts[highlight_line] <= text.find("word250"));
    CHECK(text.find("word250") < line_starts[highlight_line + 1]);
    CHECK(document.read_pos == (uint32_t)highlight_pos);
    CHECK(text.compare(highlight_pos, strlen(highlight_word), highlight_word) == 0);

    uint32_t resume_at = document.read_pos;
    click(reader, 10, 10);
    CHECK(running == 1);
    CHECK(reader_holds_fine_timer() == 1);
    CHECK(take_reader_timer(reader));
    CHECK(tick(reader) == std::string(highlight_word));
    CHECK(document.read_pos > resume_at);
    stop_program();
}

// Counts the pixels of the text colour in columns first to last of the
// Reader's middle band.
static int text_pixels(HWND reader, int first, int last) {
    HDC dc = GetDC(reader);
    RECT r;
    GetClientRect(reader, &r);
    int count = 0;
    for (int x = first; x <= last; x++)
        for (int y = r.bottom / 4; y < r.bottom * 3 / 4; y++)
            count += GetPixel(dc, x, y) == RGB(0, 0, 0);
    ReleaseDC(reader, dc);
    return count;
}

TEST_CASE("a word wider than the Reader is centred and cut on both sides") {
    struct {
        std::string label;
        const char *text;
        bool cut;
    } cases[] = {
        {"40 letters", "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", true},
        {"a short word", "to", false},
    };
    HWND reader = open_reader();
    size_client(reader, 300, 200);
    run_command(CMD_START);
    for (const auto &c : cases) {
        CAPTURE(c.label);
        load_text(c.text);
        tick(reader);
        CHECK((text_pixels(reader, 0, 0) > 0) == c.cut);
        CHECK((text_pixels(reader, 299, 299) > 0) == c.cut);
        CHECK(text_pixels(reader, 120, 180) > 0);
    }
    stop_program();
}

TEST_CASE("closing the Reader clears its word, its placement and its timer") {
    HWND reader = open_reader();
    run_command(CMD_START);
    tick(reader);
    settings.reader_rect = {10, 20, 300, 200};
    SendMessageA(mdi_client, WM_MDIDESTROY, (WPARAM)reader, 0);
    pump_messages();
    CHECK(reader_window == nullptr);
    CHECK(current_word[0] == 0);
    CHECK(settings.reader_rect.width == 0);
    CHECK(settings.reader_rect.x == 0);
    CHECK(reader_holds_fine_timer() == 0);

    run_command(CMD_READER);
    CHECK(running == 0);
    stop_program();
}
