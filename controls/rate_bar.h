// What the Speed window does with a scroll code and where it puts its rate
// bar and rate box: plain arithmetic, without Windows.
#pragma once
#include <stdint.h>

// The scroll codes, with the values Windows gives them.
enum {
    RATE_LINE_UP = 0,
    RATE_LINE_DOWN = 1,
    RATE_PAGE_UP = 2,
    RATE_PAGE_DOWN = 3,
    RATE_THUMB_POSITION = 4,
    RATE_THUMB_TRACK = 5,
    RATE_TOP = 6,
    RATE_BOTTOM = 7,
    RATE_END_SCROLL = 8
};

enum { RATE_BAR_MIN = 1, RATE_BAR_MAX = 2000, RATE_MIN = 1, RATE_MAX = 3000 };

struct rate_step {
    int handled;  // 0: the code does nothing at all (no thumb move, no redraw, no notice)
    int32_t rate; // the new words per minute
    int thumb;    // where the thumb goes
};

// The effect of one scroll code on the rate; thumb_position is the position a
// thumb-tracking code carries (unsigned 16-bit).
rate_step step_rate(int32_t rate, int code, unsigned thumb_position);

struct speed_layout {
    int bar_x, bar_y, bar_width, bar_height;
    int box_left, box_top, box_right, box_bottom;
};

// The rate bar and the rate box for a client area of width by height; every
// division is done before the multiplication.
speed_layout layout_speed(int width, int height);
