#include "controls/rate_bar.h"

rate_step step_rate(int32_t rate, int code, unsigned thumb_position) {
    rate_step s = {1, rate, 0};
    switch (code) {
    case RATE_LINE_UP:
        if (rate > RATE_MIN)
            s.rate = rate - 1;
        s.thumb = rate > RATE_MIN ? s.rate : RATE_MIN;
        break;
    case RATE_LINE_DOWN:
        if (rate < RATE_MAX)
            s.rate = rate + 1;
        s.thumb = rate < RATE_MAX ? s.rate : RATE_MAX - 1;
        break;
    case RATE_PAGE_UP:
        if (rate > 10)
            s.rate = rate - 10;
        s.thumb = rate > 10 ? s.rate : RATE_MIN;
        break;
    case RATE_PAGE_DOWN:
        if (rate < RATE_MAX - 10)
            s.rate = rate + 10;
        s.thumb = rate < RATE_MAX - 10 ? s.rate : RATE_MAX - 1;
        break;
    case RATE_THUMB_TRACK: s.rate = s.thumb = (int)(thumb_position & 0xFFFF); break;
    case RATE_TOP: s.rate = s.thumb = RATE_MIN; break;
    case RATE_BOTTOM: s.rate = s.thumb = RATE_MAX; break;
    default: s.handled = 0;
    }
    return s;
}

speed_layout layout_speed(int width, int height) {
    speed_layout l;
    l.bar_x = l.box_left = width / 20;
    l.bar_y = 2 * (height / 10) + height / 2;
    l.bar_width = l.box_right = 17 * (width / 20);
    l.bar_height = 2 * (height / 10);
    l.box_top = height / 9;
    l.box_bottom = height / 2 - height / 9;
    return l;
}
