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
        {"line up", 490, BAR_LINE_UP, 0, 1, 489, 489},
        {"line up at 1 stays", 1, BAR_LINE_UP, 0, 1, 1, 1},
        {"line up below the range stays", -5, BAR_LINE_UP, 0, 1, -5, 1},
        {"line down at 2999", 2999, BAR_LINE_DOWN, 0, 1, 3000, 3000},
        {"line down at 3000 stays", 3000, BAR_LINE_DOWN, 0, 1, 3000, 2999},
        {"page up at 11", 11, BAR_PAGE_UP, 0, 1, 1, 1},
        {"page up at 10 stays", 10, BAR_PAGE_UP, 0, 1, 10, 1},
        {"page up at 5 stays", 5, BAR_PAGE_UP, 0, 1, 5, 1},
        {"page down at 2989", 2989, BAR_PAGE_DOWN, 0, 1, 2999, 2999},
        {"page down at 2990 stays", 2990, BAR_PAGE_DOWN, 0, 1, 2990, 2999},
        {"page down above the range stays", 99999, BAR_PAGE_DOWN, 0, 1, 99999, 2999},
        {"thumb track", 490, BAR_THUMB_TRACK, 1234, 1, 1234, 1234},
        {"thumb track keeps 16 bits", 490, BAR_THUMB_TRACK, 0x10007, 1, 7, 7},
        {"top", 490, BAR_TOP, 0, 1, 1, 1},
        {"bottom", 490, BAR_BOTTOM, 0, 1, 3000, 3000},
        {"thumb position does nothing", 490, BAR_THUMB_POSITION, 700, 0, 490, 0},
        {"end scroll does nothing", 490, BAR_END_SCROLL, 0, 0, 490, 0},
        {"an unknown code does nothing", 490, 1052, 0, 0, 490, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        bar_step s = step_rate(c.rate, c.code, c.thumb_position);
        EXPECT_EQ(c.handled, s.acted);
        EXPECT_EQ(c.new_rate, s.value);
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
        {"400 x 200", 400, 200, {{20, 140, 340, 40}, {20, 22, 340, 78}}},
        {"remainders dropped, 419 x 109", 419, 109, {{20, 74, 340, 20}, {20, 12, 340, 42}}},
        {"too small for anything", 19, 8, {{0, 4, 0, 0}, {0, 0, 0, 4}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        speed_layout l = layout_speed(c.width, c.height);
        const int actual[] = {l.bar.x,    l.bar.y,   l.bar.width, l.bar.height,
                              l.box.left, l.box.top, l.box.right, l.box.bottom};
        const speed_layout &e = c.expected;
        const int expected[] = {e.bar.x,    e.bar.y,   e.bar.width, e.bar.height,
                                e.box.left, e.box.top, e.box.right, e.box.bottom};
        for (int i = 0; i < 8; i++)
            EXPECT_EQ(expected[i], actual[i]) << "value " << i;
    }
}
