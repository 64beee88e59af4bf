// The Color window's geometry, colour steps and swatch picking, apart from
// any drawing.
#pragma once
#include "controls/bar_steps.h"

enum { COLOUR_BAR_COUNT = 3, SWATCH_COUNT = 6, COMPONENT_MAX = 255 };

// Swatches in drawing order: black, white, yellow on the top row; red,
// green, blue below.
enum { BLACK_SWATCH, WHITE_SWATCH, YELLOW_SWATCH, RED_SWATCH, GREEN_SWATCH, BLUE_SWATCH };

// What a click picks besides a swatch: nothing, but the sample is redrawn
// (between the columns or right of them), or nothing at all (below the
// swatches' half or in the sample's third).
enum { NO_SWATCH = -1, CLICK_IGNORED = -2 };

struct swatch_colour {
    int red, green, blue;
};
extern const swatch_colour swatch_colours[SWATCH_COUNT];

struct color_layout {
    int column_width, row_height;         // the units every place is made of
    control_place bars[COLOUR_BAR_COUNT]; // red, green, blue
    control_place text_button, back_button;
    edges swatches[SWATCH_COUNT];
    edges sample;
};

color_layout color_layout_for(int width, int height);

// One scroll code of a colour bar applied to its component. The arrows and
// page clicks run the other way from the size and rate bars: left raises.
bar_step colour_step(int component, int code, unsigned track);

// The swatch under the client point (x, y) of a client area of width by
// height pixels, or NO_SWATCH, or CLICK_IGNORED.
int swatch_at(int x, int y, int width, int height);
