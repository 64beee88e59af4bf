// The Speed window's arithmetic: a scroll code's effect on the rate and the
// thumb, and the places of the rate bar and the rate box.
#include <gtest/gtest.h>

#include "controls/rate_bar.h"

TEST(RateBar, EachCodeGivesItsRateAndThumb) {
    const struct {
        const char *label;
        int32_t rate;
        int code;
        unsigned thumb_position;
        int handled;
        int32_t new_rate;
        int thumb;
    } cases[] = {
        {"line up", 490, RATE_LINE_UP, 0, 1, 489, 489},
        {"line up at 1 stays", 1, RATE_LINE_UP, 0, 1, 1, 1},
        {"line up below the range stays", -5, RATE_LINE_UP, 0, 1, -5, 1},
        {"line down at 2999", 2999, RATE_LINE_DOWN, 0, 1, 3000, 3000},
        {"line down at 3000 stays", 3000, RATE_LINE_DOWN, 0, 1, 3000, 2999},
        {"page up at 11", 11, RATE_PAGE_UP, 0, 1, 1, 1},
        {"page up at 10 stays", 10, RATE_PAGE_UP, 0, 1, 10, 1},
        {"page up at 5 stays", 5, RATE_PAGE_UP, 0, 1, 5, 1},
        {"page down at 2989", 2989, RATE_PAGE_DOWN, 0, 1, 2999, 2999},
        {"page down at 2990 stays", 2990, RATE_PAGE_DOWN, 0, 1, 2990, 2999},
        {"page down above the range stays", 99999, RATE_PAGE_DOWN, 0, 1, 99999, 2999},
        {"thumb track", 490, RATE_THUMB_TRACK, 1234, 1, 1234, 1234},
        {"thumb track keeps 16 bits", 490, RATE_THUMB_TRACK, 0x10007, 1, 7, 7},
        {"top", 490, RATE_TOP, 0, 1, 1, 1},
        {"bottom", 490, RATE_BOTTOM, 0, 1, 3000, 3000},
        {"thumb position does nothing", 490, RATE_THUMB_POSITION, 700, 0, 490, 0},
        {"end scroll does nothing", 490, RATE_END_SCROLL, 0, 0, 490, 0},
        {"an unknown code does nothing", 490, 1052, 0, 0, 490, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        rate_step s = step_rate(c.rate, c.code, c.thumb_position);
        EXPECT_EQ(c.handled, s.handled);
        EXPECT_EQ(c.new_rate, s.rate);
        if (c.handled) {
            EXPECT_EQ(c.thumb, s.thumb);
        }
    }
}

TEST(RateBar, LayoutDividesBeforeItMultiplies) {
    const struct {
        const char *label;
        int width, height;
        speed_layout expected;
    } cases[] = {
        // bar x, y, width, height; box left, top, right, bottom
        {"400 x 200", 400, 200, {20, 140, 340, 40, 20, 22, 340, 78}},
        {"remainders dropped, 419 x 109", 419, 109, {20, 74, 340, 20, 20, 12, 340, 42}},
        {"too small for anything", 19, 8, {0, 4, 0, 0, 0, 0, 0, 4}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        speed_layout l = layout_speed(c.width, c.height);
        const int actual[] = {l.bar_x,    l.bar_y,   l.bar_width, l.bar_height,
                              l.box_left, l.box_top, l.box_right, l.box_bottom};
        const speed_layout &e = c.expected;
        const int expected[] = {e.bar_x,    e.bar_y,   e.bar_width, e.bar_height,
                                e.box_left, e.box_top, e.box_right, e.box_bottom};
        for (int i = 0; i < 8; i++)
            EXPECT_EQ(expected[i], actual[i]) << "value " << i;
    }
}
