// The Fonts window under Wine: its family list, its size bar and keys, and
// what the Reader gets from them.
#include "tool_controls.h"

#include "reading/reader.h"

#include <set>

static LOGFONTA reader_logfont() {
    LOGFONTA font = {};
    GetObjectA(reader_font, sizeof font, &font);
    return font;
}

static int CALLBACK note_family(const LOGFONTA *font, const TEXTMETRICA *, DWORD, LPARAM names) {
    ((std::vector<std::string> *)names)->push_back(font->lfFaceName);
    return 1;
}

static std::string list_entries(HWND list) {
    std::string entries;
    for (int i = 0; i < (int)SendMessageA(list, LB_GETCOUNT, 0, 0); i++) {
        char entry[64] = "";
        SendMessageA(list, LB_GETTEXT, i, (LPARAM)entry);
        entries += entry + std::string("|");
    }
    return entries;
}

// The Reader repaints after every change the window takes.
TEST_CASE(
    "the family list names each installed family once, sorted, none chosen; a face name "
    "too long is refused; the size bar within 1 to 1000 and the keys make the Reader's font") {
    HWND fonts = start_with(fonts_window, {CMD_READER, CMD_FONTS});
    std::vector<std::string> reported;
    HDC dc = GetDC(fonts);
    EnumFontFamiliesA(dc, NULL, note_family, (LPARAM)&reported);
    ReleaseDC(fonts, dc);
    auto before = [](const std::string &a, const std::string &b) {
        return lstrcmpiA(a.c_str(), b.c_str()) < 0;
    };
    std::set<std::string, decltype(before)> families(reported.begin(), reported.end(), before);
    std::string expected;
    for (const std::string &name : families)
        expected += name + "|";
    HWND list = GetDlgItem(fonts, 1001), bar = GetDlgItem(fonts, 1002);
    CHECK(list_entries(list) == expected);
    CHECK(SendMessageA(list, LB_GETCURSEL, 0, 0) == LB_ERR);
    CHECK(GetScrollPos(bar, SB_CTL) == 1);

    // Longer than any face name may be: not taken, and the Reader not repainted.
    // Choosing a family is seen on the screen by the tour.
    const LRESULT too_long =
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)std::string(40, 'X').c_str());
    SendMessageA(list, LB_SETCURSEL, too_long, 0);
    std::string paints = paints_during(
        [&] { SendMessageA(fonts, WM_COMMAND, MAKEWPARAM(1001, LBN_SELCHANGE), (LPARAM)list); });
    CHECK(paints == "");
    CHECK(std::string(settings.face_name) == "Times New Roman");
    CHECK(std::string(reader_logfont().lfFaceName) == "Times New Roman");
    size_client(fonts, 449, 349);
    // The list keeps to whole entries, so only its top and width are fixed.
    CHECK(place_of(list).substr(0, 9) == "29,49 87x");
    CHECK(place_of(bar) == "327,196 87x49");

    const struct {
        std::string label;
        int from;
        WPARAM code;
        int height, thumb, repainted;
    } sizes[] = {
        {"line up at 1", 1, SB_LINEUP, 1, 1, 1},
        {"page up at 10", 10, SB_PAGEUP, 10, 1, 1},
        {"page up at 11", 11, SB_PAGEUP, 1, 1, 1},
        {"page down at 989", 989, SB_PAGEDOWN, 999, 999, 1},
        {"page down at 990", 990, SB_PAGEDOWN, 990, 999, 1},
        {"line down at 999", 999, SB_LINEDOWN, 1000, 1000, 1},
        {"line down at 1000", 1000, SB_LINEDOWN, 1000, 999, 1},
        {"End", 100, SB_BOTTOM, 1000, 1000, 1},
        {"Home", 100, SB_TOP, 1, 1, 1},
        {"drag", 100, MAKEWPARAM(SB_THUMBTRACK, 640), 640, 640, 1},
        {"thumb released", 100, MAKEWPARAM(SB_THUMBPOSITION, 640), 100, 500, 0},
    };
    for (const auto &c : sizes) {
        CAPTURE(c.label);
        settings.font_height = c.from;
        SetScrollPos(bar, SB_CTL, 500, TRUE);
        std::string paints =
            paints_during([&] { SendMessageA(fonts, WM_HSCROLL, c.code, (LPARAM)bar); });
        CHECK(settings.font_height == c.height);
        CHECK(GetScrollPos(bar, SB_CTL) == c.thumb);
        CHECK(paints == (c.repainted ? "DRAWCLASS" : ""));
        if (c.repainted)
            CHECK(reader_logfont().lfHeight == c.height);
    }

    const struct {
        std::string label;
        WPARAM key;
        HWND focus, focused;
        int height;
    } keys[] = {
        {"Tab from the list", VK_TAB, list, bar, 100},
        {"Shift from the bar", VK_SHIFT, bar, list, 100},
        {"Insert", VK_INSERT, fonts, bar, 100},
        {"Delete", VK_DELETE, bar, list, 100},
        {"Left", VK_LEFT, fonts, fonts, 100},
        {"Right", VK_RIGHT, fonts, fonts, 100},
        {"Page Up", VK_PRIOR, fonts, fonts, 90},
        {"Page Down", VK_NEXT, fonts, fonts, 110},
        {"Up", VK_UP, fonts, fonts, 99},
        {"Down", VK_DOWN, fonts, fonts, 101},
        {"End", VK_END, fonts, fonts, 1000},
        {"Home", VK_HOME, fonts, fonts, 1},
    };
    for (const auto &c : keys) {
        CAPTURE(c.label);
        settings.font_height = 100;
        SetFocus(c.focus);
        SendMessageA(fonts, WM_KEYDOWN, c.key, 0);
        CHECK(GetFocus() == c.focused);
        CHECK(settings.font_height == c.height);
    }
    stop_program();
}
