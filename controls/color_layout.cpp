#include "controls/color_layout.h"

const swatch_colour swatch_colours[SWATCH_COUNT] = {
    {0, 0, 0}, {255, 255, 255}, {255, 255, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255},
};

// Every division drops its remainder before the multiplication. The left
// column starts 10 pixels in, so it is 10 pixels narrower than the others.
color_layout color_layout_for(int width, int height) {
    const int sw = 2 * (width / 10), sh = height / 4;
    const int bar_width = 2 * ((6 * (width / 10)) / 10), bar_height = (height / 2) / 10;
    const int bars_y = 2 * ((height / 2) / 10) + height / 2, centre = (sw - bar_width) / 2;
    const int buttons_y = bars_y + 3 * bar_height, sample_left = 2 * (width / 3) + width / 60;
    color_layout l;
    l.column_width = sw;
    l.row_height = sh;
    l.bars[0] = {centre + 10, bars_y, bar_width, bar_height};
    l.bars[1] = {centre + sw + 5, bars_y, bar_width, bar_height};
    l.bars[2] = {centre + 2 * sw + 10, bars_y, bar_width, bar_height};
    l.text_button = {sw / 2 + 10, buttons_y, sw, bar_height};
    l.back_button = {(3 * sw) / 2 + sw / 2, buttons_y, sw, bar_height};
    const edges columns[3] = {
        {10, 0, sw, 0}, {sw + 5, 0, 2 * sw + 5, 0}, {2 * sw + 10, 0, 3 * sw + 10, 0}};
    for (int i = 0; i < 3; i++) {
        l.swatches[i] = {columns[i].left, 10, columns[i].right, sh};
        l.swatches[i + 3] = {columns[i].left, sh + 5, columns[i].right, 2 * sh};
    }
    l.sample = {sample_left, 10, sample_left + 18 * (width / 60), 6 * (height / 7)};
    return l;
}

// Where a limit is already reached the component stays, but the thumb is
// still put on it, wherever the thumb stood. Components read from the
// settings file may lie anywhere, so nothing is computed past a limit.
static bar_step raised(int component, int by) {
    int value = component >= COMPONENT_MAX       ? component
                : component < COMPONENT_MAX - by ? component + by
                                                 : COMPONENT_MAX;
    return {1, value, value};
}

static bar_step lowered(int component, int by) {
    int value = component <= 0 ? component : component > by ? component - by : 0;
    return {1, value, value};
}

bar_step colour_step(int component, int code, unsigned track) {
    switch (code) {
    case BAR_LINE_UP: return raised(component, 1);
    case BAR_LINE_DOWN: return lowered(component, 1);
    case BAR_PAGE_UP: return raised(component, 10);
    case BAR_PAGE_DOWN: return lowered(component, 10);
    case BAR_THUMB_TRACK: return {1, (int)(track & 0xFFFF), (int)(track & 0xFFFF)};
    case BAR_TOP: return {1, 0, 0};
    case BAR_BOTTOM: return {1, COMPONENT_MAX, COMPONENT_MAX};
    }
    return {0, component, component};
}

// The left column reaches down to its row limit sh + 10, the other two to
// sh + 5; the gaps of one pixel at x = sw + 10 and x = 2 sw + 15 belong to
// no column.
int swatch_at(int x, int y, int width, int height) {
    if (y > height / 2 || x > 2 * (width / 3))
        return CLICK_IGNORED;
    const int sw = 2 * (width / 10), sh = height / 4;
    if (x < sw + 10)
        return y < sh + 10 ? BLACK_SWATCH : RED_SWATCH;
    if (sw + 10 < x && x < 2 * sw + 15)
        return y < sh + 5 ? WHITE_SWATCH : GREEN_SWATCH;
    if (2 * sw + 15 < x && x < 3 * sw + 20)
        return y < sh + 5 ? YELLOW_SWATCH : BLUE_SWATCH;
    return NO_SWATCH;
}
