// The Reader's state, shared with the frame (Start, Stop), the Navigator and
// the Preferences window.
#pragma once

extern int running;            // 1 while the Reader advances on timer ticks
extern char current_word[256]; // the word shown, at most 255 characters
extern int pause_ticks;        // ticks still to wait before the next word
extern int recentre_navigator; // a click stopped the Reader: the Navigator re-centres
