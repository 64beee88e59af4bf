#include "controls/preferences_form.h"
#include "settings/settings.h"

// WS_CHILD | WS_VISIBLE | WS_TABSTOP, and the kind of each control.
enum {
    DEFAULT_BUTTON = 0x50010001,
    CHECK_BOX = 0x50010002, // a plain check box: the window sets its state
    RIGHT_LABEL = 0x50010002,
    BORDERED_EDIT = 0x50810000
};

const preferences_control preferences_controls[PREF_CONTROL_COUNT] = {
    {PREF_SAVE_NOW, "BUTTON", "Save Now", DEFAULT_BUTTON, 1, 1, 5, 3},
    {PREF_SAVE_POSITIONS, "BUTTON", "Save window positions", CHECK_BOX, 1, 5, 15, 3},
    {PREF_SAVE_ON_EXIT, "BUTTON", "Save preferences on exit", CHECK_BOX, 1, 9, 15, 3},
    {PREF_REACT, "BUTTON", "React to punctuation", CHECK_BOX, 1, 13, 15, 3},
    {PREF_DELAY_LABEL, "STATIC", "Extra delay amount", RIGHT_LABEL, 1, 17, 6, 3},
    {PREF_DELAY_EDIT, "EDIT", "0", BORDERED_EDIT, 9, 17, 10, 3},
    {PREF_HTML_AS_TEXT, "BUTTON", "Open HTML as Text", CHECK_BOX, 1, 21, 15, 3},
};

control_place place_preferences_control(const preferences_control *control, int width, int height) {
    int c = width / 20, r = height / 25;
    control_place p = {c * control->x, r * control->y, c * control->width, r * control->height};
    return p;
}

int32_t read_extra_delay(const char *text) {
    size_t length = 0;
    while (length < PREF_DELAY_TEXT_SIZE - 1 && text[length])
        length++;
    return integer_from_text(text, length);
}
