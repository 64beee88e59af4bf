#include "reading/words.h"
#include "document/document.h"
#include "reading/byte_sets.h"
#include "reading/reader_state.h"
#include "settings/settings.h"

#include <string.h>

enum { LONGEST_WORD = sizeof current_word - 1 };

// Positions past the end are read as the end: the byte there is always 0.
static uint32_t bounded_read_pos() {
    return document.read_pos < document.text_length ? document.read_pos : document.text_length;
}

void take_next_word() {
    memset(current_word, 0, sizeof current_word);
    pause_ticks = 0;
    if (!document.text)
        return;
    const unsigned char *text = document.text;
    uint32_t length = document.text_length;
    uint32_t pos = bounded_read_pos();
    uint32_t i = 0;
    while (in_byte_set(word_separators, text[pos + i]) && pos + i < length)
        i++;
    int j = 0;
    int marked = 0;
    while (pos + i < length && j < LONGEST_WORD) {
        unsigned char b = text[pos + i];
        i++;
        if (in_byte_set(word_separators, b))
            break;
        current_word[j++] = (char)b;
        marked |= in_byte_set(punctuation_marks, b);
    }
    document.read_pos = pos + i;
    // A negative delay would count down for billions of ticks.
    if (settings.react_to_punctuation && marked && settings.extra_delay > 0)
        pause_ticks = settings.extra_delay;
}

// A full stop ends a phrase only before a blank or a line break, so that
// "3.14" and "e.g." inside a sentence do not.
static int is_phrase_end(uint32_t p) {
    unsigned char b = document.text[p];
    if (!in_byte_set(punctuation_marks, b))
        return 0;
    if (b != '.')
        return 1;
    if (p + 1 >= document.text_length)
        return 0;
    unsigned char next = document.text[p + 1];
    return next == ' ' || next == '\r' || next == '\n';
}

static void jump_after(uint32_t p) {
    document.read_pos = p + 1;
    document.anchor_pos = keep_in_text(p + 1);
}

int phrase_back() {
    if (!document.text)
        return 0;
    // Index 0 is never examined: there is no phrase before the text.
    for (uint32_t p = bounded_read_pos(); p > 1;) {
        p--;
        if (is_phrase_end(p)) {
            jump_after(p);
            return 1;
        }
    }
    return 0;
}

int phrase_forward() {
    if (!document.text)
        return 0;
    uint32_t pos = bounded_read_pos();
    for (uint32_t p = pos ? pos - 1 : 0; p < document.text_length; p++)
        if (is_phrase_end(p)) {
            jump_after(p);
            return 1;
        }
    return 0;
}

uint32_t word_start(uint32_t index) {
    if (index <= 1 || !document.text)
        return index;
    if (index > document.text_length)
        index = document.text_length;
    uint32_t lowest = index > WORD_START_REACH ? index - WORD_START_REACH : 0;
    for (uint32_t q = index;; q--) {
        if (in_byte_set(word_separators, document.text[q]))
            return q + 1;
        if (q == lowest)
            break;
    }
    return lowest == 0 ? 0 : index;
}

uint32_t keep_in_text(uint32_t pos) {
    if (document.text_length == 0)
        return 0;
    return pos < document.text_length ? pos : document.text_length - 1;
}
