// The Glom rules: the Edit-menu search over tables of menus, the window a
// chosen name finds and Eudora's text level.
#include <gtest/gtest.h>

#include "glom/edit_menu.h"
#include "glom/glom_rules.h"

#include <string>
#include <vector>

// A menu as a table of items: a text ("" for a separator) and maybe a
// submenu; each item's command is 10 + its position. Texts are read as
// Windows reads them, cut to read_count - 1.
struct fake_item {
    std::string text;
    std::vector<fake_item> *submenu = nullptr;
};
typedef std::vector<fake_item> fake_menu;

static const menu_reader fake_menus = {
    [](void *menu) { return (int)((fake_menu *)menu)->size(); },
    [](void *menu, int position, char *text, int read_count) {
        return snprintf(text, read_count, "%s", (*(fake_menu *)menu)[position].text.c_str());
    },
    [](void *menu, int position) { return (void *)(*(fake_menu *)menu)[position].submenu; },
    [](void *, int position) { return 10u + position; }};

// The Wine test reads real menus of a usual Edit menu, one with Select above
// Copy, and a "Credit" menu; these are the finer points.
TEST(FindSelectCopy, FindsTheItemsOfTheFirstEditMenuDownToSelect) {
    fake_menu usual = {{"&Undo"}, {""}, {"Cu&t"}, {"&Copy"}, {"&Paste"}, {"Select &All"}};
    fake_menu both = {{"Select and copy"}, {"&Copy"}};
    fake_menu far_copy = {{"Paste special here Copy"}, {"Select &All"}};
    fake_menu two_copies = {{"&Copy"}, {"Copy &Link"}, {"Select &All"}};
    fake_menu empty;
    const struct {
        const char *label;
        fake_menu bar;
        const char *found; // select position, copy position, select id, copy id
    } cases[] = {
        {"Copy above Select All", {{"&File", &both}, {"&Edit", &usual}}, "5 3 15 13"},
        {"one item gives both", {{"&Edit", &both}}, "0 0 10 10"},
        {"texts are read up to 18 characters", {{"&Edit", &far_copy}}, "1 -1 11 0"},
        {"the last Copy above Select wins", {{"&Edit", &two_copies}}, "2 1 12 11"},
        {"only the first such item", {{"&Edit", &empty}, {"Edit", &usual}}, "-1 -1 0 0"},
        {"an Edit item without submenu", {{"&Edit", nullptr}}, "-1 -1 0 0"},
        {"no Edit menu", {{"&File", &usual}, {"&View", &usual}}, "-1 -1 0 0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        select_copy_items f;
        find_select_copy(&fake_menus, (void *)&c.bar, &f);
        EXPECT_EQ(c.found, std::to_string(f.select_pos) + " " + std::to_string(f.copy_pos) + " " +
                               std::to_string(f.select_id) + " " + std::to_string(f.copy_id));
    }
}

// The Wine test captures by a name, from Word under any name, and from
// Eudora's message window and In mailbox; the entries are read there too.
TEST(GlomRules, TargetsAndEudorasTextLevel) {
    const struct {
        const char *label;
        int expected, actual;
    } cases[] = {
        {"a name keeps its blank", 0, title_matches_glom_name("Notes-Memo", "Notes ")},
        {"no name takes any title", 1, title_matches_glom_name("Calculator", "")},
        {"but not an empty one", 0, title_matches_glom_name("", "")},
        {"the Out mailbox", 1, eudora_text_lies_deeper("M - [Out]")},
        {"a title without \"- [\"", 1, eudora_text_lies_deeper("Inbox")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, c.actual) << c.label;
}
