// The Glom rules: the Edit-menu search over tables of menus, the entry a title
// gives, the window a chosen name finds, Eudora's text level and the layout.
#include <gtest/gtest.h>

#include "glom/edit_menu.h"
#include "glom/glom_rules.h"

#include <string.h>
#include <string>
#include <vector>

// A menu as a table of items: a text ("" for a separator), a command, maybe a
// submenu. Texts are read as Windows reads them, cut to read_count - 1.
struct fake_item {
    std::string text;
    unsigned id;
    std::vector<fake_item> *submenu;
};
typedef std::vector<fake_item> fake_menu;

static const menu_reader fake_menus = {
    [](void *menu) { return (int)((fake_menu *)menu)->size(); },
    [](void *menu, int position, char *text, int read_count) {
        return snprintf(text, read_count, "%s", (*(fake_menu *)menu)[position].text.c_str());
    },
    [](void *menu, int position) { return (void *)(*(fake_menu *)menu)[position].submenu; },
    [](void *menu, int position) { return (*(fake_menu *)menu)[position].id; }};

// An Edit submenu of the given texts, numbered 10, 11, ...
static fake_menu edit_items(const std::vector<std::string> &texts) {
    fake_menu m;
    for (size_t i = 0; i < texts.size(); i++)
        m.push_back({texts[i], 10 + (unsigned)i, nullptr});
    return m;
}

TEST(FindSelectCopy, FindsTheItemsOfTheFirstEditMenuDownToSelect) {
    fake_menu usual = edit_items({"&Undo", "", "Cu&t", "&Copy", "&Paste", "Select &All"});
    fake_menu select_first = edit_items({"Select &All", "&Copy"});
    fake_menu both = edit_items({"Select and copy", "&Copy"});
    fake_menu far_copy = edit_items({"Paste special here Copy", "Select &All"});
    fake_menu two_copies = edit_items({"&Copy", "Copy &Link", "Select &All"});
    fake_menu empty;
    const struct {
        const char *label;
        fake_menu bar;
        int edit;          // the menu-bar item taken as the Edit menu, or -1
        const char *found; // select position, copy position, select id, copy id
    } cases[] = {
        {"Copy above Select All", {{"&File", 1, &both}, {"&Edit", 2, &usual}}, 1, "5 3 15 13"},
        {"a Copy below Select All is never seen", {{"&Edit", 2, &select_first}}, 0, "0 -1 10 0"},
        {"one item gives both", {{"&Edit", 2, &both}}, 0, "0 0 10 10"},
        {"texts are read up to 18 characters", {{"&Edit", 2, &far_copy}}, 0, "1 -1 11 0"},
        {"the last Copy above Select wins", {{"&Edit", 2, &two_copies}}, 0, "2 1 12 11"},
        {"any item holding dit is the Edit menu", {{"Cre&dit", 2, &usual}}, 0, "5 3 15 13"},
        {"only the first such item", {{"&Edit", 2, &empty}, {"Edit", 3, &usual}}, 0, "-1 -1 0 0"},
        {"an Edit item without submenu", {{"&Edit", 2, nullptr}}, 0, "-1 -1 0 0"},
        {"no Edit menu", {{"&File", 1, &usual}, {"&View", 2, &usual}}, -1, "-1 -1 0 0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        fake_menu bar = c.bar;
        select_copy_items f;
        find_select_copy(&fake_menus, &bar, &f);
        EXPECT_EQ(c.found, std::to_string(f.select_pos) + " " + std::to_string(f.copy_pos) + " " +
                               std::to_string(f.select_id) + " " + std::to_string(f.copy_id));
        EXPECT_EQ(c.edit < 0 ? nullptr : bar[c.edit].submenu, f.edit_menu);
    }
}

// The Wine test lists windows of the other titles: Word, Explorer, both, an
// empty title, a leading dash, no dash.
TEST(GlomRules, EntriesTargetsAndEudorasTextLevel) {
    const struct {
        const char *title, *entry;
    } entries[] = {{"microsoft word - Notes", "microsoft word "}, {"a b - c-d", "a b "}};
    for (const auto &e : entries) {
        char entry[GLOM_TITLE_SIZE];
        memset(entry, 'x', sizeof entry);
        EXPECT_EQ(TITLE_NEEDS_MENU, glom_entry_for_title(e.title, entry)) << e.title;
        EXPECT_STREQ(e.entry, entry);
    }
    const struct {
        const char *title, *name;
        int matches;
    } targets[] = {{"Notes-Memo", "Notes ", 0},
                   {"notes - Memo", "Notes ", 0},
                   {"Calculator", "", 1},
                   {"", "", 0}}; // "" matches all titles but ""
    for (const auto &t : targets)
        EXPECT_EQ(t.matches, title_matches_glom_name(t.title, t.name) != 0) << t.title;
    const struct {
        const char *title;
        int deeper;
    } mailboxes[] = {{"Mb - [In]", 1}, {"M - [Out]", 1}, {"Inbox", 1}, {"", 1}, {"Re - [Hi]", 0}};
    for (const auto &m : mailboxes)
        EXPECT_EQ(m.deeper, eudora_text_lies_deeper(m.title) != 0) << m.title;
}

TEST(GlomControlPlaces, DivideBeforeMultiplying) {
    // 610 by 355: w/20 = 30, h/7 = 50, h/10 = 35, each with a remainder.
    for (int at_creation : {1, 0}) {
        control_place p[GLOM_CONTROL_COUNT];
        glom_control_places(610, 355, at_creation, p);
        std::string places;
        for (const control_place &c : p)
            places += std::to_string(c.x) + "," + std::to_string(c.y) + " " +
                      std::to_string(c.width) + "x" + std::to_string(c.height) + "; ";
        EXPECT_EQ(at_creation ? "10,50 420x250; 450,150 150x100; 450,245 150x105; "
                              : "10,50 420x250; 450,105 150x105; 450,245 150x105; ",
                  places);
    }
}
