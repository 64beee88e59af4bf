// The settings line: format, parse, and round trips.
#include <gtest/gtest.h>

#include "settings/settings.h"

#include <string.h>
#include <string>

static std::string line_of(const Settings &s) {
    char buffer[SETTINGS_LINE_SIZE];
    size_t n = format_settings_line(&s, buffer, sizeof buffer);
    return std::string(buffer, n);
}

static Settings parsed(const std::string &text, int *count = nullptr) {
    Settings s;
    memset(&s, 0, sizeof s);
    int n = parse_settings_line(&s, text.data(), text.size());
    if (count)
        *count = n;
    return s;
}

TEST(SettingsLine, DefaultsGiveThe116ByteLine) {
    Settings s;
    apply_default_settings(&s);
    std::string expected = "490 100 0 0 0 255 255 255 1 2 ";
    for (int i = 0; i < 35; i++)
        expected += "0 ";
    expected += "Times New Roman\n";
    EXPECT_EQ(expected, line_of(s));
    EXPECT_EQ(116u, line_of(s).size());
}

TEST(SettingsLine, SavedThenLoadedIsTheSame) {
    Settings s;
    apply_default_settings(&s);
    s.frame_rect = window_rect{-4, -8, 800, 600};
    s.glom_rect = window_rect{10, 20, 300, 200};
    int count = 0;
    Settings back = parsed(line_of(s), &count);
    EXPECT_EQ(45, count);
    EXPECT_EQ(line_of(s), line_of(back));
    EXPECT_STREQ("Times New Roman", back.face_name);
}

static std::string zeros(int n) {
    std::string s;
    for (int i = 0; i < n; i++)
        s += "0 ";
    return s;
}

// Each case parses a file's text into a record that starts out all zero.
struct parse_case {
    const char *label;
    std::string text;
    int count;            // integers read
    int32_t wpm;          // words_per_minute
    int32_t frame_x;      // frame_rect.x
    int32_t html_as_text; // the 45th integer
    const char *face_name;
};

TEST(SettingsLine, ParsingTakesWhatTheFileHolds) {
    const std::string head = "490 100 0 0 0 255 255 255 1 2 0 1 ";
    const parse_case cases[] = {
        {"empty file", "", 0, 0, 0, 0, ""},
        {"only 300", "300", 1, 300, 0, 0, ""},
        {"300 and a line feed", "300\n", 1, 300, 0, 0, ""},
        {"negative frame", head + "-4 -30 640 480 " + zeros(28) + "1 Arial\n", 45, 490, -4, 1,
         "Arial"},
        {"face with blanks", head + zeros(33) + "Times New Roman\n", 45, 490, 0, 0,
         "Times New Roman"},
        {"face up to CR", head + zeros(33) + "Courier New\r\n", 45, 490, 0, 0, "Courier New"},
        {"no face", head + zeros(33), 45, 490, 0, 0, ""},
        {"face cut to 31", head + zeros(33) + std::string(40, 'F') + "\n", 45, 490, 0, 0,
         "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"},
        {"stops at a word", "250 100 x 7", 2, 250, 0, 0, ""},
        {"stops at a lone sign", "250 - 7", 1, 250, 0, 0, ""},
        {"number glued to letters", "250abc 7", 1, 250, 0, 0, ""},
        {"plus sign and blank lines", "\n\n  +120\t 5", 2, 120, 0, 0, ""},
        {"too large holds at the limit", "99999999999999999999 1", 2, 2147483647, 0, 0, ""},
        {"too small holds at the limit", "-99999999999999999999", 1, -2147483647 - 1, 0, 0, ""},
        {"smallest value itself", "-2147483648", 1, -2147483647 - 1, 0, 0, ""},
    };
    for (const parse_case &c : cases) {
        SCOPED_TRACE(c.label);
        int count = -1;
        Settings s = parsed(c.text, &count);
        EXPECT_EQ(c.count, count);
        EXPECT_EQ(c.wpm, s.words_per_minute);
        EXPECT_EQ(c.frame_x, s.frame_rect.x);
        EXPECT_EQ(c.html_as_text, s.html_as_text);
        EXPECT_STREQ(c.face_name, s.face_name);
    }
}

TEST(SettingsLine, FieldsAfterTheLastValueKeepTheirValues) {
    Settings s;
    apply_default_settings(&s);
    const std::string text = "300 50";
    EXPECT_EQ(2, parse_settings_line(&s, text.data(), text.size()));
    EXPECT_EQ(300, s.words_per_minute);
    EXPECT_EQ(50, s.font_height);
    EXPECT_EQ(255, s.back_red);
    EXPECT_EQ(2, s.extra_delay);
    EXPECT_STREQ("Times New Roman", s.face_name);
}

TEST(SettingsLine, FieldsStandInFileOrder) {
    Settings s;
    memset(&s, 0, sizeof s);
    std::string text;
    for (int i = 1; i <= 45; i++)
        text += std::to_string(i) + " ";
    text += "Face\n";
    ASSERT_EQ(45, parse_settings_line(&s, text.data(), text.size()));
    const struct {
        const char *label;
        int32_t expected, actual;
    } fields[] = {
        {"words_per_minute", 1, s.words_per_minute},
        {"font_height", 2, s.font_height},
        {"text_blue", 5, s.text_blue},
        {"back_red", 6, s.back_red},
        {"react_to_punctuation", 9, s.react_to_punctuation},
        {"extra_delay", 10, s.extra_delay},
        {"save_on_exit", 11, s.save_on_exit},
        {"save_positions", 12, s.save_positions},
        {"frame_rect.x", 13, s.frame_rect.x},
        {"frame_rect.height", 16, s.frame_rect.height},
        {"navigator_rect.x", 17, s.navigator_rect.x},
        {"preferences_rect.x", 21, s.preferences_rect.x},
        {"color_rect.x", 25, s.color_rect.x},
        {"speed_rect.x", 29, s.speed_rect.x},
        {"fonts_rect.x", 33, s.fonts_rect.x},
        {"reader_rect.x", 37, s.reader_rect.x},
        {"glom_rect.x", 41, s.glom_rect.x},
        {"glom_rect.height", 44, s.glom_rect.height},
        {"html_as_text", 45, s.html_as_text},
    };
    for (const auto &f : fields)
        EXPECT_EQ(f.expected, f.actual) << f.label;
}

TEST(SettingsLine, ExtremeValuesRoundTripAndFitTheBuffer) {
    // Every integer at its widest: the longest line the program can write.
    std::string widest;
    for (int i = 0; i < 45; i++)
        widest += "-2147483648 ";
    widest += std::string(FACE_NAME_SIZE - 1, 'W') + "\n";
    int count = 0;
    Settings s = parsed(widest, &count);
    ASSERT_EQ(45, count);
    std::string line = line_of(s);
    EXPECT_EQ(widest, line);
    EXPECT_EQ(572u, line.size());
    EXPECT_EQ('\n', line.back());
    Settings back = parsed(line);
    EXPECT_EQ(line, line_of(back));
}

TEST(SettingsLine, DefaultsAreTheBuiltInValues) {
    Settings s;
    memset(&s, 0x55, sizeof s);
    apply_default_settings(&s);
    EXPECT_EQ(490, s.words_per_minute);
    EXPECT_EQ(100, s.font_height);
    EXPECT_EQ(0, s.text_red + s.text_green + s.text_blue);
    EXPECT_EQ(255 * 3, s.back_red + s.back_green + s.back_blue);
    EXPECT_EQ(1, s.react_to_punctuation);
    EXPECT_EQ(2, s.extra_delay);
    EXPECT_EQ(0, s.save_on_exit + s.save_positions + s.html_as_text);
    EXPECT_EQ(0, s.frame_rect.width + s.glom_rect.height);
    EXPECT_EQ(1, s.font_charset);
    EXPECT_EQ(0, s.font_width + s.font_escapement + s.font_orientation);
}
