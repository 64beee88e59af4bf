// The Settings record: every user setting of the program, shared by all windows.
// Plain data only, so the settings line can be built and tested without Windows.
#pragma once
#include <stddef.h>
#include <stdint.h>

struct window_rect {
    int32_t x, y, width, height;
};

enum { SETTINGS_INTEGER_COUNT = 45, FACE_NAME_SIZE = 32, SETTINGS_LINE_SIZE = 1024 };

struct Settings {
    // Persisted, in the order of the settings line.
    int32_t words_per_minute;
    int32_t font_height;
    int32_t text_red, text_green, text_blue;
    int32_t back_red, back_green, back_blue;
    int32_t react_to_punctuation;
    int32_t extra_delay;
    int32_t save_on_exit;
    int32_t save_positions;
    window_rect frame_rect;
    window_rect navigator_rect;
    window_rect preferences_rect;
    window_rect color_rect;
    window_rect speed_rect;
    window_rect fonts_rect;
    window_rect reader_rect;
    window_rect glom_rect;
    int32_t html_as_text;
    char face_name[FACE_NAME_SIZE];
    // Fixed font parameters, never written to the file.
    int32_t font_width;
    int32_t font_escapement;
    int32_t font_orientation;
    int32_t font_charset;
};

extern Settings settings;

// The built-in values used when no settings file can be read.
void apply_default_settings(Settings *s);

// Sets the four font parameters that are not stored in the file (0, 0, 0, 1).
void reset_font_parameters(Settings *s);

// Writes the settings line ("%d " 45 times, the face name, a line feed) into
// buffer; returns its length without the terminating zero.
size_t format_settings_line(const Settings *s, char *buffer, size_t size);

// Reads a settings line of the given length. Values are stored in file order
// until the first one that is missing or not a number; the fields after it keep
// what they held. The face name is taken only when all 45 integers were read.
// Returns the number of integers read.
int parse_settings_line(Settings *s, const char *text, size_t length);

// The number at the head of a text as atoi reads it (blanks, a sign, digits;
// 0 when there are none), held at the 32-bit limits as the settings line holds
// its values.
int32_t integer_from_text(const char *text, size_t length);
