#include "controls/rate_bar.h"

bar_step step_rate(int32_t rate, int code, unsigned track) {
    return limited_step(rate, code, track, RATE_MAX);
}

// The box ends a twentieth of the width short of the bar.
speed_layout layout_speed(int width, int height) {
    speed_layout l;
    l.bar = {width / 20, 2 * (height / 10) + height / 2, 17 * (width / 20), 2 * (height / 10)};
    l.box = {width / 20, height / 9, 17 * (width / 20), height / 2 - height / 9};
    return l;
}
