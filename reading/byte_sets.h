// The byte sets that define words, phrase ends and line breaks.
// Each is a zero-terminated byte string; the zero byte belongs to every set.
#pragma once

extern char word_separators[33];  // bytes 1 to 32
extern char punctuation_marks[7]; // ";?!:.,"
extern char line_breaks[3];       // LF, CR

void fill_byte_sets();

// Membership as a string search finds it: the zero byte is always a member.
inline int in_byte_set(const char *set, unsigned char b) {
    if (b == 0)
        return 1;
    for (const char *p = set; *p; p++)
        if ((unsigned char)*p == b)
            return 1;
    return 0;
}
