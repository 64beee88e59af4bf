#include "glom/edit_menu.h"

#include <string.h>

// The item's text as read, or an empty text when it cannot be read.
static void read_item_text(const menu_reader *reader, void *menu, int position,
                           char (&text)[MENU_TEXT_READ + 1]) {
    memset(text, 0, sizeof text);
    reader->item_text(menu, position, text, MENU_TEXT_READ);
    text[MENU_TEXT_READ] = 0;
}

static int find_edit_menu(const menu_reader *reader, void *menu_bar) {
    int count = menu_bar ? reader->item_count(menu_bar) : 0;
    char text[MENU_TEXT_READ + 1];
    for (int position = 0; position < count; position++) {
        read_item_text(reader, menu_bar, position, text);
        if (strstr(text, "dit"))
            return position;
    }
    return -1;
}

void find_select_copy(const menu_reader *reader, void *menu_bar, select_copy_items *found) {
    found->edit_menu = 0;
    found->select_pos = found->copy_pos = -1;
    found->select_id = found->copy_id = 0;
    int edit_pos = find_edit_menu(reader, menu_bar);
    if (edit_pos < 0)
        return;
    void *edit = reader->submenu(menu_bar, edit_pos);
    found->edit_menu = edit;
    int count = edit ? reader->item_count(edit) : 0;
    char text[MENU_TEXT_READ + 1];
    for (int position = 0; position < count && found->select_pos < 0; position++) {
        read_item_text(reader, edit, position, text);
        if (strstr(text, "elect"))
            found->select_pos = position;
        if (strstr(text, "opy"))
            found->copy_pos = position;
    }
    if (found->select_pos >= 0)
        found->select_id = reader->item_id(edit, found->select_pos);
    if (found->copy_pos >= 0)
        found->copy_id = reader->item_id(edit, found->copy_pos);
}
