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

// The defaults' line is the one the Wine test's first start saves.
TEST(SettingsLine, TheLongestLineComesBackAsSaved) {
    Settings s;
    // Every number at its widest, the face at its longest.
    const std::string longest = repeated("-2147483648 ", 45) + repeated("W", 31) + "\n";
    EXPECT_EQ(45, parse_settings_line(&s, longest.data(), longest.size()));
    EXPECT_EQ(longest, line_of(s));
}

TEST(SettingsLine, ParsingStopsAtTheFirstValueThatIsNotANumber) {
    const std::string head = "490 100 0 0 0 255 255 255 1 2 0 1 " + repeated("0 ", 33);
    // Each case parses into the defaults: fields after the last value keep them.
    const struct {
        const char *label;
        std::string text;
        int count;
        int32_t wpm, font_height;
        std::string face_name;
    } cases[] = {
        {"face with blanks", head + "Courier New Bold\r\n", 45, 490, 100, "Courier New Bold"},
        {"face cut to 31", head + repeated("F", 40), 45, 490, 100, repeated("F", 31)},
        {"stops at letters, even glued to a number", "250 120x 7", 2, 250, 120, "Times New Roman"},
        {"stops at a lone sign", "250 - 7", 1, 250, 100, "Times New Roman"},
        {"too large holds at the limit", "99999999999999999999 -99999999999999999999", 2,
         2147483647, -2147483647 - 1, "Times New Roman"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        Settings s;
        apply_default_settings(&s);
        EXPECT_EQ(c.count, parse_settings_line(&s, c.text.data(), c.text.size()));
        EXPECT_EQ(c.wpm, s.words_per_minute);
        EXPECT_EQ(c.font_height, s.font_height);
        EXPECT_EQ(c.face_name, s.face_name);
    }
}

TEST(SettingsLine, FieldsStandInFileOrder) {
    std::string text;
    for (int i = 1; i <= 45; i++)
        text += std::to_string(i) + " ";
    Settings s;
    ASSERT_EQ(45, parse_settings_line(&s, text.data(), text.size()));
    // The record declares its 45 numbers first, in the line's order.
    int32_t field[45];
    memcpy(field, &s, sizeof field);
    for (int i = 0; i < 45; i++)
        EXPECT_EQ(i + 1, field[i]) << "field " << i;
}
