#include <windows.h>
#include "document/open_file.h"

char file_path[MAX_PATH];
char file_title[256];
int document_kind;

int open_file_dialog(HWND)
{
    return 0;
}

void load_text_file()
{
}

void load_html_file()
{
}

void load_word_file()
{
}
