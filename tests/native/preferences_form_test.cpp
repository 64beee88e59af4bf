// The Preferences window's controls as data, their layout, and the reading of
// the extra delay from the edit field's text.
#include <gtest/gtest.h>

#include "settings/preferences_form.h"
#include "settings/settings.h"

#include <string>

TEST(PreferencesForm, ControlsStandInOneColumnOfRows) {
    // 419 x 262: a twentieth is 20 and a twenty-fifth 10, remainders dropped.
    const struct {
        int id;
        control_place place;
    } cases[] = {
        {PREF_SAVE_NOW, {20, 10, 100, 30}},      {PREF_SAVE_POSITIONS, {20, 50, 300, 30}},
        {PREF_SAVE_ON_EXIT, {20, 90, 300, 30}},  {PREF_REACT, {20, 130, 300, 30}},
        {PREF_DELAY_LABEL, {20, 170, 120, 30}},  {PREF_DELAY_EDIT, {180, 170, 200, 30}},
        {PREF_HTML_AS_TEXT, {20, 210, 300, 30}},
    };
    for (int i = 0; i < PREF_CONTROL_COUNT; i++) {
        SCOPED_TRACE(preferences_controls[i].text);
        EXPECT_EQ(cases[i].id, preferences_controls[i].id);
        control_place p = place_preferences_control(&preferences_controls[i], 419, 262);
        EXPECT_EQ(cases[i].place.x, p.x);
        EXPECT_EQ(cases[i].place.y, p.y);
        EXPECT_EQ(cases[i].place.width, p.width);
        EXPECT_EQ(cases[i].place.height, p.height);
    }
}

TEST(PreferencesForm, ExtraDelayIsReadAsAtoiReadsNineCharacters) {
    const struct {
        const char *label;
        std::string text;
        int32_t delay;
    } cases[] = {
        {"digits then letters", "12abc", 12},
        {"letters alone", "abc", 0},
        {"blanks before", "  7", 7},
        {"tab and line feed before", "\t\n5", 5},
        {"negative", "-3", -3},
        {"plus sign", "+4", 4},
        {"a sign alone", "-", 0},
        {"sign then blank", "- 3", 0},
        {"empty", "", 0},
        {"twelve digits, cut to nine", "123456789012", 123456789},
        {"nine blanks hide the number", "         42", 0},
        {"10,000 characters", std::string(10000, '9'), 999999999},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.delay, read_extra_delay(c.text.c_str()));
    }
}

TEST(PreferencesForm, ANumberBeyond32BitsIsHeldAtTheLimit) {
    const std::string text[] = {"99999999999x", "-99999999999"};
    EXPECT_EQ(2147483647, integer_from_text(text[0].data(), text[0].size()));
    EXPECT_EQ(-2147483647 - 1, integer_from_text(text[1].data(), text[1].size()));
}
