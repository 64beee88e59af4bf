// What the Speed, Fonts and Color windows share without drawing: the places
// of their controls and what one scroll code does to the value a bar holds.
#pragma once

// The scroll codes of WM_HSCROLL, with the values Windows gives them.
enum {
    BAR_LINE_UP = 0,
    BAR_LINE_DOWN = 1,
    BAR_PAGE_UP = 2,
    BAR_PAGE_DOWN = 3,
    BAR_THUMB_POSITION = 4,
    BAR_THUMB_TRACK = 5,
    BAR_TOP = 6,
    BAR_BOTTOM = 7,
    BAR_END_SCROLL = 8
};

// A control's place in client coordinates.
struct control_place {
    int x, y, width, height;
};

// A drawn rectangle by its edges, in client coordinates.
struct edges {
    int left, top, right, bottom;
};

// What a scroll code did: acted is 0 when the code is one the window
// ignores; otherwise value is the new value and thumb where the bar's thumb
// goes (they differ where a limit stopped the step).
struct bar_step {
    int acted;
    int value;
    int thumb;
};

// The step of a bar whose value runs from 1 to top: lines of 1, pages of 10.
// A step that would pass a limit leaves the value as it is and only puts the
// thumb at 1 or at top - 1; track is the thumb position SB_THUMBTRACK carries
// (unsigned 16-bit). Values read from the settings file may lie outside the
// range: they stay until a step brings them back.
bar_step limited_step(int value, int code, unsigned track, int top);
