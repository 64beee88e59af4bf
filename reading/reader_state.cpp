#include "reading/reader_state.h"

int running;
char current_word[256];
int pause_ticks;
int recentre_navigator;
