// The Edit-menu search: where a window's menu bar offers a Select item and a
// Copy item. Written against a small menu-reading interface so that it runs
// over real menus and over tables alike.
#pragma once

// Reading a menu by position. Menus are opaque handles; a null menu or one
// that cannot be read has no items.
struct menu_reader {
    int (*item_count)(void *menu); // below 0 when the menu cannot be read
    // Copies at most read_count - 1 characters of the item's text, then a
    // zero; returns how many were copied (0 for a separator).
    int (*item_text)(void *menu, int position, char *text, int read_count);
    void *(*submenu)(void *menu, int position);
    unsigned (*item_id)(void *menu, int position);
};

struct select_copy_items {
    void *edit_menu;    // the Edit submenu, or none
    int select_pos;     // position of the Select item in it, -1 when not found
    int copy_pos;       // position of the Copy item, -1 when not found
    unsigned select_id; // command of the Select item, when found
    unsigned copy_id;   // command of the Copy item, when found
};

enum { MENU_TEXT_READ = 19 }; // item texts are read up to 18 characters

// The first menu-bar item whose text holds "dit" is the Edit menu. Its items
// are read from the top until a Select item ("elect") is known; a Copy item
// ("opy") seen so far gives the Copy position, the last one seen winning. So a
// Copy item below the Select item is never found.
void find_select_copy(const menu_reader *reader, void *menu_bar, select_copy_items *found);
