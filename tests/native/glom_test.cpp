// The Glom rules: the Edit-menu search over tables of menus, the entry a title
// gives, the window a chosen name finds, Eudora's text level and the layout.
#include <gtest/gtest.h>

#include "glom/edit_menu.h"
#include "glom/glom_rules.h"

#include <string.h>
#include <string>
#include <vector>

// A menu as a table: each item has a text ("" for a separator), a command and
// maybe a submenu.
struct fake_menu {
    struct item {
        std::string text;
        unsigned id;
        fake_menu *submenu;
    };
    std::vector<item> items;
};

static int fake_count(void *menu) {
    return (int)((fake_menu *)menu)->items.size();
}

// As Windows does: at most read_count - 1 characters.
static int fake_text(void *menu, int position, char *text, int read_count) {
    const std::string &t = ((fake_menu *)menu)->items[position].text;
    int n = (int)std::min<size_t>(t.size(), read_count - 1);
    memcpy(text, t.data(), n);
    text[n] = 0;
    return n;
}

static void *fake_submenu(void *menu, int position) {
    return ((fake_menu *)menu)->items[position].submenu;
}

static unsigned fake_id(void *menu, int position) {
    return ((fake_menu *)menu)->items[position].id;
}

static const menu_reader fake_menus = {fake_count, fake_text, fake_submenu, fake_id};

// An Edit submenu of the given item texts, numbered 10, 11, ...
static fake_menu edit_items(const std::vector<std::string> &texts) {
    fake_menu m;
    for (size_t i = 0; i < texts.size(); i++)
        m.items.push_back({texts[i], 10 + (unsigned)i, nullptr});
    return m;
}

TEST(FindSelectCopy, FindsTheItemsOfTheFirstEditMenu) {
    fake_menu usual = edit_items({"&Undo", "", "Cu&t", "&Copy", "&Paste", "Select &All"});
    fake_menu select_first = edit_items({"Select &All", "&Copy"});
    fake_menu both = edit_items({"Select and copy", "&Copy"});
    fake_menu far_copy = edit_items({"Paste special here Copy", "Select &All"});
    fake_menu two_copies = edit_items({"&Copy", "Copy &Link", "Select &All"});
    fake_menu other = edit_items({"Select", "Copy"});
    fake_menu empty;
    const struct {
        const char *label;
        std::vector<fake_menu::item> bar;
        int edit; // the menu-bar item taken as the Edit menu, or -1
        int select, copy;
        unsigned select_id, copy_id;
    } cases[] = {
        {"Copy above Select All", {{"&File", 1, &other}, {"&Edit", 2, &usual}}, 1, 5, 3, 15, 13},
        {"a Copy below Select All is never seen", {{"&Edit", 2, &select_first}}, 0, 0, -1, 10, 0},
        {"one item gives both", {{"&Edit", 2, &both}}, 0, 0, 0, 10, 10},
        {"texts are read up to 18 characters", {{"&Edit", 2, &far_copy}}, 0, 1, -1, 11, 0},
        {"the last Copy above Select wins", {{"&Edit", 2, &two_copies}}, 0, 2, 1, 12, 11},
        {"any item holding dit is the Edit menu", {{"Cre&dit", 2, &usual}}, 0, 5, 3, 15, 13},
        {"only the first such item counts",
         {{"&Edit", 2, &empty}, {"Edit", 3, &usual}},
         0,
         -1,
         -1,
         0,
         0},
        {"an Edit item without submenu", {{"&Edit", 2, nullptr}}, 0, -1, -1, 0, 0},
        {"no Edit menu", {{"&File", 1, &usual}, {"&View", 2, &usual}}, -1, -1, -1, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        fake_menu bar{c.bar};
        select_copy_items found;
        find_select_copy(&fake_menus, &bar, &found);
        EXPECT_EQ(c.select, found.select_pos);
        EXPECT_EQ(c.copy, found.copy_pos);
        EXPECT_EQ(c.select_id, found.select_id);
        EXPECT_EQ(c.copy_id, found.copy_id);
        EXPECT_EQ(c.edit < 0 ? nullptr : c.bar[c.edit].submenu, found.edit_menu);
    }
}

TEST(FindSelectCopy, AMenuThatCannotBeReadOrIsMissingYieldsNothing) {
    static const menu_reader unreadable = {[](void *) { return -1; }, fake_text, fake_submenu,
                                           fake_id};
    fake_menu usual = edit_items({"&Copy", "Select &All"});
    fake_menu bar{{{"&Edit", 2, &usual}}};
    for (auto [label, reader, menu] : {std::make_tuple("unreadable", &unreadable, (void *)&bar),
                                       std::make_tuple("no menu bar", &fake_menus, (void *)0)}) {
        SCOPED_TRACE(label);
        select_copy_items found;
        find_select_copy(reader, menu, &found);
        EXPECT_EQ(-1, found.select_pos);
        EXPECT_EQ(-1, found.copy_pos);
        EXPECT_EQ(nullptr, found.edit_menu);
    }
}

TEST(GlomEntryForTitle, NamesWordAndExplorerAndCutsOthersAtTheDash) {
    const struct {
        const char *label, *title;
        glom_title_kind kind;
        const char *entry;
    } cases[] = {
        {"empty title", "", TITLE_SKIPPED, ""},
        {"Word", "Report.doc - Microsoft Word", TITLE_NAMED, "Microsoft Word"},
        {"Explorer", "Home - Microsoft Internet Explorer", TITLE_NAMED,
         "Microsoft Internet Explorer"},
        {"both: Word wins", "Microsoft Word in Microsoft Internet Explorer", TITLE_NAMED,
         "Microsoft Word"},
        {"names are case-sensitive", "microsoft word - Notes", TITLE_NEEDS_MENU, "microsoft word "},
        {"blanks before the dash stay", "Notes - Memo", TITLE_NEEDS_MENU, "Notes "},
        {"up to the first dash", "a-b-c", TITLE_NEEDS_MENU, "a"},
        {"a leading dash gives an empty entry", "-Dash first", TITLE_NEEDS_MENU, ""},
        {"no dash: the whole title", "Calculator", TITLE_NEEDS_MENU, "Calculator"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        char entry[GLOM_TITLE_SIZE];
        memset(entry, 'x', sizeof entry);
        EXPECT_EQ(c.kind, glom_entry_for_title(c.title, entry));
        EXPECT_STREQ(c.entry, entry);
    }
}

TEST(TitleMatchesGlomName, AnyTitleHoldingTheNameAndEveryWordWindow) {
    const struct {
        const char *label, *title, *name;
        int matches;
    } cases[] = {
        {"holds the name", "Notes - Memo", "Notes ", 1},
        {"does not", "Notes-Memo", "Notes ", 0},
        {"case-sensitive", "notes - Memo", "Notes ", 0},
        {"Word matches any name", "Letter - Microsoft Word", "Notes ", 1},
        {"the empty name matches every title", "Calculator", "", 1},
        {"but not an empty title", "", "", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.matches, title_matches_glom_name(c.title, c.name) != 0);
    }
}

TEST(EudoraTextLiesDeeper, InOutAndUnbracketedTitles) {
    const struct {
        const char *title;
        int deeper;
    } cases[] = {{"Mb - [In]", 1}, {"M - [Out]", 1}, {"Inbox", 1}, {"", 1}, {"Re - [Hi]", 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(c.deeper, eudora_text_lies_deeper(c.title) != 0);
    }
}

TEST(GlomControlPlaces, DivideBeforeMultiplying) {
    // 610 by 355: w/20 = 30, h/7 = 50, h/10 = 35, each with a remainder.
    const struct {
        const char *label;
        int at_creation;
        control_place list, glom, refresh;
    } cases[] = {
        {"at creation", 1, {10, 50, 420, 250}, {450, 150, 150, 100}, {450, 245, 150, 105}},
        {"on resize", 0, {10, 50, 420, 250}, {450, 105, 150, 105}, {450, 245, 150, 105}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        control_place p[GLOM_CONTROL_COUNT];
        glom_control_places(610, 355, c.at_creation, p);
        for (int i = 0; i < GLOM_CONTROL_COUNT; i++) {
            const control_place &e = i == 0 ? c.list : i == 1 ? c.glom : c.refresh;
            EXPECT_EQ(std::vector<int>({e.x, e.y, e.width, e.height}),
                      std::vector<int>({p[i].x, p[i].y, p[i].width, p[i].height}))
                << "control " << i;
        }
    }
}
