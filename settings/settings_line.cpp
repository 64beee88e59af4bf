#include "settings/settings.h"

#include <stdio.h>
#include <string.h>

Settings settings;

// The 45 integers in the order in which the settings line holds them.
static int32_t *settings_integer(Settings *s, int index) {
    window_rect *rects[8] = {&s->frame_rect,  &s->navigator_rect, &s->preferences_rect,
                             &s->color_rect,  &s->speed_rect,     &s->fonts_rect,
                             &s->reader_rect, &s->glom_rect};
    int32_t *head[12] = {&s->words_per_minute, &s->font_height,  &s->text_red,
                         &s->text_green,       &s->text_blue,    &s->back_red,
                         &s->back_green,       &s->back_blue,    &s->react_to_punctuation,
                         &s->extra_delay,      &s->save_on_exit, &s->save_positions};
    if (index < 12)
        return head[index];
    if (index < 44) {
        window_rect *r = rects[(index - 12) / 4];
        int32_t *parts[4] = {&r->x, &r->y, &r->width, &r->height};
        return parts[(index - 12) % 4];
    }
    return &s->html_as_text;
}

void reset_font_parameters(Settings *s) {
    s->font_width = 0;
    s->font_escapement = 0;
    s->font_orientation = 0;
    s->font_charset = 1;
}

void apply_default_settings(Settings *s) {
    memset(s, 0, sizeof *s);
    strcpy(s->face_name, "Times New Roman");
    s->words_per_minute = 490;
    s->font_height = 100;
    s->back_red = s->back_green = s->back_blue = 255;
    s->react_to_punctuation = 1;
    s->extra_delay = 2;
    reset_font_parameters(s);
}

size_t format_settings_line(const Settings *s, char *buffer, size_t size) {
    Settings copy = *s;
    size_t used = 0;
    for (int i = 0; i < SETTINGS_INTEGER_COUNT; i++) {
        int n = snprintf(buffer + used, size - used, "%d ", (int)*settings_integer(&copy, i));
        if (n < 0 || (size_t)n >= size - used)
            return used;
        used += (size_t)n;
    }
    int n = snprintf(buffer + used, size - used, "%.*s\n", FACE_NAME_SIZE - 1, s->face_name);
    if (n > 0 && (size_t)n < size - used)
        used += (size_t)n;
    return used;
}

static int is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// One value as "%d" reads it. A value beyond 32 bits is held at the nearest
// limit instead of overflowing.
static int read_integer(const char *text, size_t length, size_t *at, int32_t *value) {
    size_t i = *at;
    while (i < length && is_space(text[i]))
        i++;
    int negative = 0;
    if (i < length && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        i++;
    }
    if (i >= length || text[i] < '0' || text[i] > '9')
        return 0;
    int64_t magnitude = 0;
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    while (i < length && text[i] >= '0' && text[i] <= '9') {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit)
            magnitude = limit;
        i++;
    }
    *value = (int32_t)(negative ? -magnitude : magnitude);
    *at = i;
    return 1;
}

int32_t integer_from_text(const char *text, size_t length) {
    size_t at = 0;
    int32_t value = 0;
    return read_integer(text, length, &at, &value) ? value : 0;
}

int parse_settings_line(Settings *s, const char *text, size_t length) {
    size_t at = 0;
    int count = 0;
    while (count < SETTINGS_INTEGER_COUNT) {
        int32_t value;
        if (!read_integer(text, length, &at, &value))
            return count;
        *settings_integer(s, count) = value;
        count++;
    }
    while (at < length && (text[at] == ' ' || text[at] == '\t'))
        at++;
    size_t n = 0;
    while (at + n < length && n < FACE_NAME_SIZE - 1 && text[at + n] != '\n' &&
           text[at + n] != '\r' && text[at + n] != '\0')
        n++;
    memcpy(s->face_name, text + at, n);
    s->face_name[n] = '\0';
    return count;
}
