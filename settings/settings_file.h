// The settings file "tav.dat".
#pragma once
#include <windows.h>

extern char settings_file_name[16];
extern char start_directory[260];

// 1 when the settings file was opened and read, whatever it held; 0 otherwise.
int load_settings();

// Writes the Settings as they are, placements included; 1 when the file was
// written, 0 with *failure naming what went wrong ("File open failed.",
// "File write failed.").
int save_settings(const char **failure);
