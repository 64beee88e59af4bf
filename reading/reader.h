// The Reader window ("DRAWCLASS"): the Document one word at a time.
#pragma once

int register_reader_class();

// 1 while the Reader holds the 1 ms system timer resolution it asks for
// whenever it runs.
int reader_holds_fine_timer();
