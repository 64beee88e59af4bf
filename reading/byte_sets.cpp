#include "reading/byte_sets.h"

char word_separators[33];
char punctuation_marks[7];
char line_breaks[3];

void fill_byte_sets() {
    for (int i = 0; i < 32; i++)
        word_separators[i] = (char)(i + 1);
    word_separators[32] = 0;
    const char marks[] = ";?!:.,";
    for (int i = 0; i < 7; i++)
        punctuation_marks[i] = marks[i];
    line_breaks[0] = 10;
    line_breaks[1] = 13;
    line_breaks[2] = 0;
}
