#include "ui/message_box.h"

void show_message_box(HWND owner, const char *text, const char *caption) {
    MessageBoxA(owner, text, caption, MB_OK);
}
