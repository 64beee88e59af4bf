// Words and phrases of the Document: what the Reader shows next, where its
// jumps land, and where the word around a byte begins.
#pragma once
#include <stdint.h>

// Copies the word at read_pos into current_word (at most 255 bytes), moves
// read_pos past it and the separator that ended it, and sets pause_ticks.
void take_next_word();

// Move read_pos (and the Navigator's top) to the start of the phrase being
// read, or of the next phrase. 1 when a phrase end was found, 0 otherwise.
int phrase_back();
int phrase_forward();

// Index of the first byte of the word around index. A word longer than
// WORD_START_REACH bytes is taken to start at index itself, so that one
// enormous run of letters costs no more than an ordinary word.
uint32_t word_start(uint32_t index);
enum { WORD_START_REACH = 1024 };

// The nearest index that holds a byte of the text: the last byte for a
// position past the end, 0 for an empty text.
uint32_t keep_in_text(uint32_t pos);
