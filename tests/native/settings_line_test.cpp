// The settings line: parsing what a file holds, and save-then-load round trips.
#include <gtest/gtest.h>

#include "settings/settings.h"

#include <string.h>
#include <string>

static std::string line_of(const Settings &s) {
    char buffer[SETTINGS_LINE_SIZE];
    return std::string(buffer, format_settings_line(&s, buffer, sizeof buffer));
}

static std::string repeated(const std::string &item, int n) {
    std::string s;
    for (int i = 0; i < n; i++)
        s += item;
    return s;
}

TEST(SettingsLine, SavedThenLoadedGivesTheSameLine) {
    const struct {
        const char *label;
        std::string line;
    } cases[] = {
        {"defaults, 116 bytes",
         "490 100 0 0 0 255 255 255 1 2 " + repeated("0 ", 35) + "Times New Roman\n"},
        {"frame partly off the screen",
         "490 100 0 0 0 255 255 255 1 2 0 1 -4 -30 640 480 " + repeated("7 ", 29) + "Arial\n"},
        {"the longest line, 572 bytes", repeated("-2147483648 ", 45) + repeated("W", 31) + "\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        Settings s;
        memset(&s, 0, sizeof s);
        EXPECT_EQ(45, parse_settings_line(&s, c.line.data(), c.line.size()));
        EXPECT_EQ(c.line, line_of(s));
    }
    Settings defaults;
    apply_default_settings(&defaults);
    EXPECT_EQ(cases[0].line, line_of(defaults));
}

TEST(SettingsLine, ParsingStopsAtTheFirstValueThatIsNotANumber) {
    const std::string head = "490 100 0 0 0 255 255 255 1 2 0 1 ";
    // Each case parses into the defaults: fields after the last value keep them.
    const struct {
        const char *label;
        std::string text;
        int count;
        int32_t wpm, font_height, frame_x;
        const char *face_name;
    } cases[] = {
        {"empty file", "", 0, 490, 100, 0, "Times New Roman"},
        {"only 300", "300", 1, 300, 100, 0, "Times New Roman"},
        {"face with blanks", head + repeated("0 ", 33) + "Courier New Bold\r\n", 45, 490, 100, 0,
         "Courier New Bold"},
        {"no face", head + repeated("0 ", 33), 45, 490, 100, 0, ""},
        {"face cut to 31", head + repeated("0 ", 33) + repeated("F", 40), 45, 490, 100, 0,
         "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"},
        {"stops at a word", "250 120 x 7", 2, 250, 120, 0, "Times New Roman"},
        {"stops at a lone sign", "250 - 7", 1, 250, 100, 0, "Times New Roman"},
        {"number glued to letters", "250abc 7", 1, 250, 100, 0, "Times New Roman"},
        {"plus sign, tabs and line feeds", "\n\n  +120\t 5", 2, 120, 5, 0, "Times New Roman"},
        {"too large holds at the limit", "99999999999999999999 -99999999999999999999", 2,
         2147483647, -2147483647 - 1, 0, "Times New Roman"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        Settings s;
        apply_default_settings(&s);
        EXPECT_EQ(c.count, parse_settings_line(&s, c.text.data(), c.text.size()));
        EXPECT_EQ(c.wpm, s.words_per_minute);
        EXPECT_EQ(c.font_height, s.font_height);
        EXPECT_EQ(c.frame_x, s.frame_rect.x);
        EXPECT_STREQ(c.face_name, s.face_name);
        EXPECT_EQ(255, s.back_red);
    }
}

TEST(SettingsLine, FieldsStandInFileOrder) {
    std::string text;
    for (int i = 1; i <= 45; i++)
        text += std::to_string(i) + " ";
    Settings s;
    ASSERT_EQ(45, parse_settings_line(&s, text.data(), text.size()));
    const int32_t expected[] = {1, 10, 12, 13, 16, 17, 21, 25, 29, 33, 37, 41, 44, 45};
    const int32_t actual[] = {s.words_per_minute,   s.extra_delay,       s.save_positions,
                              s.frame_rect.x,       s.frame_rect.height, s.navigator_rect.x,
                              s.preferences_rect.x, s.color_rect.x,      s.speed_rect.x,
                              s.fonts_rect.x,       s.reader_rect.x,     s.glom_rect.x,
                              s.glom_rect.height,   s.html_as_text};
    for (size_t i = 0; i < sizeof expected / sizeof expected[0]; i++)
        EXPECT_EQ(expected[i], actual[i]) << "field " << i;
}
