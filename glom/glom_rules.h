// The Glom window's rules that need no window: which titles name a source and
// under what entry, which window a chosen name finds again, where Eudora keeps
// its text, and where the window's controls stand.
#pragma once

enum {
    GLOM_NAME_SIZE = 104,  // a chosen name: at most 103 characters
    GLOM_TITLE_SIZE = 72,  // a top-level title, and an entry built from it
    GLOM_TITLE_READ = 70,  // titles are read up to 69 characters
    GLOM_CLASS_READ = 50,  // class names are read up to 49 characters
    EUDORA_TITLE_READ = 10 // Eudora's mailbox title is read up to 9 characters
};

enum glom_title_kind {
    TITLE_SKIPPED,   // an empty title: never a source
    TITLE_NAMED,     // Word or Internet Explorer, listed by name alone
    TITLE_NEEDS_MENU // listed when its Edit menu offers Select and Copy
};

// The entry a top-level title gives in the source list (entry holds
// GLOM_TITLE_SIZE bytes): "Microsoft Word" or "Microsoft Internet Explorer"
// for their titles, Word winning when a title names both; otherwise the title
// up to its first '-', blanks before the dash kept.
glom_title_kind glom_entry_for_title(const char *title, char *entry);

// Whether a window of this title is the chosen program's: any titled window
// whose title holds the name (every one when the name is empty), and any
// Word window whatever the name.
int title_matches_glom_name(const char *title, const char *name);

// Eudora shows its text one level further down in its In and Out mailboxes
// and in windows without a "- [" in their title.
int eudora_text_lies_deeper(const char *mailbox_title);

struct control_place {
    int x, y, width, height;
};

enum { GLOM_SOURCE_LIST, GLOM_BUTTON, GLOM_REFRESH_BUTTON, GLOM_CONTROL_COUNT };

// Where the list and the two buttons stand in a client area of w by h, at
// creation or on a later resize (the Glom button differs).
void glom_control_places(int w, int h, int at_creation, control_place places[GLOM_CONTROL_COUNT]);
