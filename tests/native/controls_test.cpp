// The Speed, Fonts and Color windows' bar steps, layouts and swatch picking.
// The steps at the bars' limits are checked on the real bars under Wine.
#include <gtest/gtest.h>
#include <limits.h>
#include <stdio.h>
#include <string>

#include "controls/color_layout.h"
#include "controls/fonts_layout.h"
#include "controls/rate_bar.h"

// What the real bars do not easily give: values from the settings file out
// of range, a whole colour page.
TEST(BarSteps, ValuesFromTheFileStayUntilAStepBringsThemBack) {
    const struct {
        const char *label;
        bar_step (*step)(int, int, unsigned);
        int from, code;
        unsigned track;
        bar_step expected; // acted, value, thumb
    } cases[] = {
        {"rate below the range, line up", step_rate, -5, BAR_LINE_UP, 0, {1, -5, 1}},
        {"rate above the range, page down", step_rate, 99999, BAR_PAGE_DOWN, 0, {1, 99999, 2999}},
        {"height below the range", font_size_step, INT_MIN, BAR_LINE_UP, 0, {1, INT_MIN, 1}},
        {"height above the range", font_size_step, INT_MAX, BAR_PAGE_DOWN, 0, {1, INT_MAX, 999}},
        {"colour page up from 244", colour_step, 244, BAR_PAGE_UP, 0, {1, 254, 254}},
        {"colour page down from 11", colour_step, 11, BAR_PAGE_DOWN, 0, {1, 1, 1}},
        {"colour above the range", colour_step, INT_MAX, BAR_LINE_UP, 0, {1, INT_MAX, INT_MAX}},
        {"colour below the range", colour_step, INT_MIN, BAR_PAGE_DOWN, 0, {1, INT_MIN, INT_MIN}},
        {"colour 300 lowered", colour_step, 300, BAR_PAGE_DOWN, 0, {1, 290, 290}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        bar_step got = c.step(c.from, c.code, c.track);
        EXPECT_EQ(c.expected.acted, got.acted);
        EXPECT_EQ(c.expected.value, got.value);
        EXPECT_EQ(c.expected.thumb, got.thumb);
    }
}

static std::string text_of(control_place p) {
    char s[64];
    snprintf(s, sizeof s, "%d,%d %dx%d", p.x, p.y, p.width, p.height);
    return s;
}

static std::string text_of(edges e) {
    char s[64];
    snprintf(s, sizeof s, "%d,%d-%d,%d", e.left, e.top, e.right, e.bottom);
    return s;
}

// Sizes that leave remainders everywhere: each division drops its own.
TEST(Layouts, DivideBeforeTheyMultiply) {
    // The Wine tests place the rate bar, the family list and the size bar at these sizes.
    EXPECT_EQ("20,12-340,42", text_of(layout_speed(419, 109).box));

    fonts_layout f = fonts_layout_for(449, 349);
    EXPECT_EQ(245, f.family_list.height);
    EXPECT_EQ("163,49-312,245", text_of(f.sample_box));
    EXPECT_EQ("327,49-414,147", text_of(f.size_box));
    EXPECT_EQ(73, f.size_font_height);

    color_layout c = color_layout_for(599, 399);
    const char *bars[] = {"34,237 70x19", "147,237 70x19", "270,237 70x19"};
    for (int i = 0; i < COLOUR_BAR_COUNT; i++)
        EXPECT_EQ(bars[i], text_of(c.bars[i])) << "bar " << i;
    EXPECT_EQ("69,294 118x19", text_of(c.text_button));
    EXPECT_EQ("236,294 118x19", text_of(c.back_button));
    const char *swatches[] = {"10,10-118,99",   "123,10-241,99",   "246,10-364,99",
                              "10,104-118,198", "123,104-241,198", "246,104-364,198"};
    for (int i = 0; i < SWATCH_COUNT; i++)
        EXPECT_EQ(swatches[i], text_of(c.swatches[i])) << "swatch " << i;
    EXPECT_EQ("407,10-569,342", text_of(c.sample));
}

TEST(SwatchAt, RowLimitsColumnGapsAndIgnoredRegions) {
    // 600 by 400: sw 120, sh 100; columns end before 130, 255 and 380.
    const struct {
        const char *label;
        int x, y, swatch;
    } cases[] = {
        {"left column at sh + 9", 60, 109, BLACK_SWATCH},
        {"left column at sh + 10", 60, 110, RED_SWATCH},
        {"middle column at sh + 4", 200, 104, WHITE_SWATCH},
        {"middle column at sh + 5", 200, 105, GREEN_SWATCH},
        {"right column at sh + 4", 300, 104, YELLOW_SWATCH},
        {"right column at sh + 5", 300, 105, BLUE_SWATCH},
        {"x = sw + 9", 129, 50, BLACK_SWATCH},
        {"x = sw + 10, between columns", 130, 50, NO_SWATCH},
        {"x = sw + 11", 131, 50, WHITE_SWATCH},
        {"x = 2 sw + 15, between columns", 255, 150, NO_SWATCH},
        {"x = 2 sw + 16", 256, 150, BLUE_SWATCH},
        {"x = 3 sw + 19", 379, 50, YELLOW_SWATCH},
        {"x = 3 sw + 20, right of the columns", 380, 50, NO_SWATCH},
        {"x = 2 (W/3), still the swatches' part", 400, 50, NO_SWATCH},
        {"x > 2 (W/3)", 401, 50, CLICK_IGNORED},
        {"y = H/2", 60, 200, RED_SWATCH},
        {"y > H/2", 60, 201, CLICK_IGNORED},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.swatch, swatch_at(c.x, c.y, 600, 400));
    }
}
