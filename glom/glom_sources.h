// The Glom sources: the one chosen in the Glom window, and what a source's
// menus offer.
#pragma once
#include <windows.h>
#include "glom/edit_menu.h"
#include "glom/glom_rules.h"

// The entry chosen last in the source list; it outlives the window.
extern char glom_name[GLOM_NAME_SIZE];

// The Edit-menu search over a top-level window's menu bar.
void find_window_select_copy(HWND window, select_copy_items *found);

// Whether the window's Edit menu has both a Select and a Copy item.
int offers_select_copy(HWND window);

// Opens the clipboard for the owner, empties it and closes it again.
void empty_clipboard(HWND owner);
