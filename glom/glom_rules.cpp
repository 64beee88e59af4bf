#include "glom/glom_rules.h"

#include <string.h>

static const char word_name[] = "Microsoft Word";
static const char explorer_name[] = "Microsoft Internet Explorer";

glom_title_kind glom_entry_for_title(const char *title, char *entry) {
    memset(entry, 0, GLOM_TITLE_SIZE);
    if (!title[0])
        return TITLE_SKIPPED;
    if (strstr(title, word_name) || strstr(title, explorer_name)) {
        strcpy(entry, strstr(title, word_name) ? word_name : explorer_name);
        return TITLE_NAMED;
    }
    size_t length = strcspn(title, "-");
    if (length > GLOM_TITLE_SIZE - 1)
        length = GLOM_TITLE_SIZE - 1;
    memcpy(entry, title, length);
    return TITLE_NEEDS_MENU;
}

int title_matches_glom_name(const char *title, const char *name) {
    return title[0] && (strstr(title, word_name) || strstr(title, name));
}

int eudora_text_lies_deeper(const char *mailbox_title) {
    return strstr(mailbox_title, "- [In]") || strstr(mailbox_title, "- [Out]") ||
           !strstr(mailbox_title, "- [");
}

void glom_control_places(int w, int h, int at_creation, control_place places[GLOM_CONTROL_COUNT]) {
    // Each division comes before its multiplication, so every size is a whole
    // number of twentieths, sevenths or tenths.
    places[GLOM_SOURCE_LIST] = {w / 60, h / 7, (w / 20) * 14, (h / 7) * 5};
    if (at_creation)
        places[GLOM_BUTTON] = {(w / 20) * 15, (h / 7) * 3, (w / 20) * 5, (h / 7) * 2};
    else
        places[GLOM_BUTTON] = {(w / 20) * 15, (h / 10) * 3, (w / 20) * 5, (h / 10) * 3};
    places[GLOM_REFRESH_BUTTON] = {(w / 20) * 15, (h / 10) * 7, (w / 20) * 5, (h / 10) * 3};
}
