// The settings file "tav.dat".
#pragma once
#include <windows.h>

extern char settings_file_name[16];
extern char start_directory[260];

// 1 when the settings file was opened and read, whatever it held; 0 otherwise.
int load_settings();

// 1 when the file was written; 0 after reporting the failure.
int save_settings();
