// The Fonts and Color windows' steps, layouts and swatch picking.
#include <gtest/gtest.h>
#include <limits.h>
#include <stdio.h>
#include <string>

#include "controls/color_layout.h"
#include "controls/fonts_layout.h"

struct step_case {
    const char *label;
    int from, code;
    unsigned track;
    bar_step expected; // acted, value, thumb (the value where nothing acted)
};

static void check_steps(const step_case *cases, size_t count,
                        bar_step (*step)(int, int, unsigned)) {
    for (size_t i = 0; i < count; i++) {
        const step_case &c = cases[i];
        SCOPED_TRACE(c.label);
        bar_step got = step(c.from, c.code, c.track);
        EXPECT_EQ(c.expected.acted, got.acted);
        EXPECT_EQ(c.expected.value, got.value);
        EXPECT_EQ(c.expected.thumb, got.thumb);
    }
}

TEST(FontSizeStep, StaysWithinOneToAThousand) {
    const step_case cases[] = {
        {"line up at 1 keeps 1", 1, BAR_LINE_UP, 0, {1, 1, 1}},
        {"line up at 2", 2, BAR_LINE_UP, 0, {1, 1, 1}},
        {"page up at 10 keeps 10, thumb to 1", 10, BAR_PAGE_UP, 0, {1, 10, 1}},
        {"page up at 11", 11, BAR_PAGE_UP, 0, {1, 1, 1}},
        {"page down at 989", 989, BAR_PAGE_DOWN, 0, {1, 999, 999}},
        {"page down at 990 keeps 990, thumb to 999", 990, BAR_PAGE_DOWN, 0, {1, 990, 999}},
        {"line down at 999", 999, BAR_LINE_DOWN, 0, {1, 1000, 1000}},
        {"line down at 1000 keeps it, thumb to 999", 1000, BAR_LINE_DOWN, 0, {1, 1000, 999}},
        {"End", 100, BAR_BOTTOM, 0, {1, 1000, 1000}},
        {"Home", 100, BAR_TOP, 0, {1, 1, 1}},
        {"drag", 100, BAR_THUMB_TRACK, 650, {1, 650, 650}},
        {"thumb released", 100, BAR_THUMB_POSITION, 650, {0, 100, 100}},
        {"end of scrolling", 100, BAR_END_SCROLL, 0, {0, 100, 100}},
        {"an unknown code", 100, 9, 0, {0, 100, 100}},
        {"a height from the file below the range", INT_MIN, BAR_LINE_UP, 0, {1, INT_MIN, 1}},
        {"a height from the file above the range", INT_MAX, BAR_PAGE_DOWN, 0, {1, INT_MAX, 999}},
    };
    check_steps(cases, sizeof cases / sizeof cases[0], font_size_step);
}

TEST(ColourStep, LeftRaisesRightLowersWithinZeroTo255) {
    const step_case cases[] = {
        {"left arrow at 254", 254, BAR_LINE_UP, 0, {1, 255, 255}},
        {"left arrow at 255 stays, thumb to 255", 255, BAR_LINE_UP, 0, {1, 255, 255}},
        {"right arrow at 1", 1, BAR_LINE_DOWN, 0, {1, 0, 0}},
        {"right arrow at 0 stays", 0, BAR_LINE_DOWN, 0, {1, 0, 0}},
        {"left of the thumb at 250", 250, BAR_PAGE_UP, 0, {1, 255, 255}},
        {"left of the thumb at 244", 244, BAR_PAGE_UP, 0, {1, 254, 254}},
        {"left of the thumb at 255", 255, BAR_PAGE_UP, 0, {1, 255, 255}},
        {"right of the thumb at 5", 5, BAR_PAGE_DOWN, 0, {1, 0, 0}},
        {"right of the thumb at 11", 11, BAR_PAGE_DOWN, 0, {1, 1, 1}},
        {"Home", 128, BAR_TOP, 0, {1, 0, 0}},
        {"End", 128, BAR_BOTTOM, 0, {1, 255, 255}},
        {"drag", 0, BAR_THUMB_TRACK, 77, {1, 77, 77}},
        {"thumb released", 9, BAR_THUMB_POSITION, 77, {0, 9, 9}},
        {"end of scrolling", 9, BAR_END_SCROLL, 0, {0, 9, 9}},
        {"from the file, above the range", INT_MAX, BAR_LINE_UP, 0, {1, INT_MAX, INT_MAX}},
        {"from the file, below the range", INT_MIN, BAR_PAGE_DOWN, 0, {1, INT_MIN, INT_MIN}},
        {"from the file, 300 lowered", 300, BAR_PAGE_DOWN, 0, {1, 290, 290}},
    };
    check_steps(cases, sizeof cases / sizeof cases[0], colour_step);
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
    fonts_layout f = fonts_layout_for(449, 349);
    EXPECT_EQ("29,49 87x245", text_of(f.family_list));
    EXPECT_EQ("327,196 87x49", text_of(f.size_bar));
    EXPECT_EQ("163,49-312,245", text_of(f.sample_box));
    EXPECT_EQ("327,49-414,147", text_of(f.size_box));
    EXPECT_EQ(73, f.size_font_height);

    color_layout c = color_layout_for(599, 399);
    EXPECT_EQ(118, c.column_width);
    EXPECT_EQ(99, c.row_height);
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
        {"top left", 60, 50, BLACK_SWATCH},
        {"left column at sh + 5", 60, 105, BLACK_SWATCH},
        {"left column at sh + 9", 60, 109, BLACK_SWATCH},
        {"left column at sh + 10", 60, 110, RED_SWATCH},
        {"middle column at sh + 4", 200, 104, WHITE_SWATCH},
        {"middle column at sh + 5", 200, 105, GREEN_SWATCH},
        {"middle column at sh + 9", 200, 109, GREEN_SWATCH},
        {"right column at sh + 4", 300, 104, YELLOW_SWATCH},
        {"right column at sh + 9", 300, 109, BLUE_SWATCH},
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
