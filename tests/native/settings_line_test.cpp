// The settings line: format, parse, and round trips.
#include <gtest/gtest.h>

#include "settings/settings.h"

#include <string.h>
#include <string>

static std::string line_of(const Settings &s)
{
    char buffer[SETTINGS_LINE_SIZE];
    size_t n = format_settings_line(&s, buffer, sizeof buffer);
    return std::string(buffer, n);
}

static Settings parsed(const std::string &text, int *count = nullptr)
{
    Settings s;
    memset(&s, 0, sizeof s);
    int n = parse_settings_line(&s, text.data(), text.size());
    if (count)
        *count = n;
    return s;
}

TEST(SettingsLine, DefaultsGiveThe116ByteLine)
{
    Settings s;
    apply_default_settings(&s);
    std::string expected = "490 100 0 0 0 255 255 255 1 2 ";
    for (int i = 0; i < 35; i++)
        expected += "0 ";
    expected += "Times New Roman\n";
    EXPECT_EQ(expected, line_of(s));
    EXPECT_EQ(116u, line_of(s).size());
}

TEST(SettingsLine, SavedThenLoadedIsTheSame)
{
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
