// Choosing a file to read and loading it into the Document.
#pragma once
#include <windows.h>
#include <stdint.h>

extern char file_path[MAX_PATH]; // the whole chosen path, which the loaders open
extern char file_title[256];     // the chosen path as the caption shows it, cut to fit
extern int document_kind;        // the kind the file is read as (formats/file_kind.h)
// The chosen file's size, which the loaders size the text from. It becomes
// the Document's length only when a loader has replaced the text.
extern uint64_t file_size;

// Shows the Open dialog; 1 with the whole chosen path in chosen, 0 when
// nothing was chosen (after reporting a failed dialog).
int open_file_dialog(HWND owner, char chosen[MAX_PATH]);

// Reads the head of the file at path and decides the kind it is read as,
// telling the user of a file that cannot be read or is of no known kind;
// 1 with document_kind and file_size set, 0 when it cannot be read.
int examine_chosen_file(const char *path, HWND owner);

UINT_PTR CALLBACK open_dialog_hook(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

// Tells the user why the dialog failed; code 0, a cancel, shows nothing.
void report_dialog_error(DWORD code, HWND owner);
