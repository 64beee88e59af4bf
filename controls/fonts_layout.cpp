#include "controls/fonts_layout.h"

// Every division drops its remainder before the multiplication, so the
// controls land on the same pixels at every size.
fonts_layout fonts_layout_for(int width, int height) {
    const int column = width / 15, row = height / 7, third = width / 3;
    fonts_layout l;
    l.family_list = {column, row, 3 * column, 5 * row};
    l.size_bar = {2 * third + column, 4 * row, 3 * column, row};
    const int sample_left = width / 30 + third;
    l.sample_box = {sample_left, row, sample_left + third, 5 * row};
    l.size_box = {2 * third + column, row, 2 * third + column + 3 * column, 3 * row};
    l.size_font_height = (3 * row) / 2;
    return l;
}

bar_step font_size_step(int height, int code, unsigned track) {
    return limited_step(height, code, track, FONT_HEIGHT_MAX);
}
