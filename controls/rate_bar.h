// What the Speed window does with a scroll code and where it puts its rate
// bar and rate box: plain arithmetic, without Windows.
#pragma once
#include <stdint.h>
#include "controls/bar_steps.h"

enum { RATE_BAR_MIN = 1, RATE_BAR_MAX = 2000, RATE_MAX = 3000 };

// The effect of one scroll code on the rate: value is the new rate. The bar
// ends at 2000, the rate at 3000.
bar_step step_rate(int32_t rate, int code, unsigned track);

struct speed_layout {
    control_place bar;
    edges box;
};

// The rate bar and the rate box for a client area of width by height; every
// division is done before the multiplication.
speed_layout layout_speed(int width, int height);
