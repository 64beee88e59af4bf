// The Glom window ("GLOMCLASS"): the list of running programs whose text can
// be captured, and the buttons that capture it and rebuild the list.
#pragma once
#include <windows.h>
#include "glom/edit_menu.h"
#include "glom/glom_rules.h"

enum { GLOM_LIST_ID = 3001, GLOM_BUTTON_ID = 3002, GLOM_REFRESH_ID = 3003 };

// The entry chosen last in the source list; it outlives the window.
extern char glom_name[GLOM_NAME_SIZE];

int register_glom_class();

// The Edit-menu search over a top-level window's menu bar.
void find_window_select_copy(HWND window, select_copy_items *found);

// Whether the window's Edit menu has both a Select and a Copy item.
int offers_select_copy(HWND window);

// Opens the clipboard for the owner, empties it and closes it again.
void empty_clipboard(HWND owner);
