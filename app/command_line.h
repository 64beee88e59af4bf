// The file named on the program's command line.
#pragma once
#include <stddef.h>

// Copies the first argument of the command line (the program's name already
// left out, as WinMain gets it) into argument, zero-terminated and cut to
// size bytes: blanks and tabs separate arguments except between double
// quotes, which are left out; backslashes are taken as they are, since they
// stand in paths. Returns its length, 0 when there is none.
size_t first_argument(const char *command_line, char *argument, size_t size);
