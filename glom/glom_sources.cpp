// What the Glom window and the capture both know of the sources: the one
// chosen, and the Edit-menu search over a real window's menu bar.
#include "glom/glom_sources.h"

char glom_name[GLOM_NAME_SIZE];

static int menu_item_count(void *menu) {
    return GetMenuItemCount((HMENU)menu);
}

static int menu_item_text(void *menu, int position, char *text, int read_count) {
    return GetMenuStringA((HMENU)menu, position, text, read_count, MF_BYPOSITION);
}

static void *menu_submenu(void *menu, int position) {
    return GetSubMenu((HMENU)menu, position);
}

static unsigned menu_item_id(void *menu, int position) {
    return GetMenuItemID((HMENU)menu, position);
}

static const menu_reader window_menus = {menu_item_count, menu_item_text, menu_submenu,
                                         menu_item_id};

void find_window_select_copy(HWND window, select_copy_items *found) {
    find_select_copy(&window_menus, window ? GetMenu(window) : 0, found);
}

int offers_select_copy(HWND window) {
    if (!window)
        return 0;
    select_copy_items found;
    find_window_select_copy(window, &found);
    return found.select_pos >= 0 && found.copy_pos >= 0;
}

void empty_clipboard(HWND owner) {
    if (OpenClipboard(owner)) {
        EmptyClipboard();
        CloseClipboard();
    }
}
