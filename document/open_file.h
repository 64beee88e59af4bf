// Choosing a file to read and loading it into the Document.
#pragma once
#include <windows.h>

extern char file_path[MAX_PATH];  // the path the loaders open
extern char file_title[256];      // the chosen path as the caption shows it
extern int document_kind;         // 0 plain text, 1 HTML, 2 Word document

// Shows the Open dialog and examines the chosen file; 1 when a file was
// chosen and its kind decided, 0 otherwise (after reporting any error).
int open_file_dialog(HWND owner);

void load_text_file();
void load_html_file();
void load_word_file();
