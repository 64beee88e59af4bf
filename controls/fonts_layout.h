// The Fonts window's geometry and size steps, apart from any drawing.
#pragma once
#include "controls/bar_steps.h"

enum { FONT_HEIGHT_MIN = 1, FONT_HEIGHT_MAX = 1000 };

struct fonts_layout {
    control_place family_list, size_bar;
    edges sample_box, size_box;
    int size_font_height; // of the number in the size box
};

// Everything in its place for a client area of width by height pixels.
fonts_layout fonts_layout_for(int width, int height);

// One scroll code of the size bar applied to the font height; track is the
// thumb position that comes with SB_THUMBTRACK.
bar_step font_size_step(int height, int code, unsigned track);
