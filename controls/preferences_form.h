// The Preferences window's controls as data: their ids, classes, texts,
// styles and places, and how the extra delay is read from the edit field's
// text. Plain data and arithmetic, without Windows.
#pragma once
#include <stddef.h>
#include <stdint.h>
#include "controls/bar_steps.h"

enum {
    PREF_SAVE_NOW = 5050,
    PREF_SAVE_POSITIONS = 5051,
    PREF_SAVE_ON_EXIT = 5052,
    PREF_REACT = 5053,
    PREF_DELAY_LABEL = 5054,
    PREF_DELAY_EDIT = 5055,
    PREF_HTML_AS_TEXT = 5056,
    PREF_CONTROL_COUNT = 7,
    // The edit field is read into a buffer of this size: nine characters at most.
    PREF_DELAY_TEXT_SIZE = 10
};

struct preferences_control {
    int id;
    const char *class_name;
    const char *text;
    uint32_t style;
    // Place in units of a twentieth of the client width (x, width) and a
    // twenty-fifth of its height (y, height).
    int x, y, width, height;
};

extern const preferences_control preferences_controls[PREF_CONTROL_COUNT];

// Where the control goes in a client area of width by height: the units are
// divided out first, then multiplied.
control_place place_preferences_control(const preferences_control *control, int width, int height);

// The extra delay the edit field's text gives: its first nine characters read
// as atoi reads them (blanks, a sign, the digits up to the first other
// character; 0 when there are none). text need not end within nine characters.
int32_t read_extra_delay(const char *text);
