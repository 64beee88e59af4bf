// The frame window: its menu, its commands and the window-handle registry.
#include "tool_controls.h"

#include "app/frame.h"
#include "ui/tool_windows.h"
#include "ui/version.h"

#include <string.h>

TEST_CASE("the menu's Russian texts arrive whole; each tool window opens once, its command then "
          "focuses it, closing clears it; the Window popup lists the open children; the 95 "
          "family's calls are taken under Windows 98 only") {
    // Wine's CascadeWindows and TileWindows, the calls the 95 family takes to
    // arrange the children, do nothing: the choice is all that can be seen.
    char exe[MAX_PATH];
    GetModuleFileNameA(NULL, exe, sizeof exe);
    CHECK(uses_95_shell_calls() == (strstr(exe, "_98") != nullptr));
    enter_fresh_directory();
    HWND frame = start_program();
    HMENU bar = GetMenu(frame);
    CHECK(utf8_menu_text(bar, 0) == "&Файл");
    CHECK(utf8_menu_text(GetSubMenu(bar, 2), 0) == "&Навигатор");
    for (const tool_window_kind &kind : tool_window_kinds) {
        CAPTURE(std::string(kind.title));
        *kind.rect = window_rect{0, 0, 300, 200};
        run_command(kind.command);
        HWND first = *kind.handle;
        REQUIRE(first != nullptr);
        CHECK(window_text(first) == kind.title);
        CHECK(place_of(first) == "0,0 300x200");
        SetFocus(frame);
        created_classes.clear();
        run_command(kind.command);
        CHECK(*kind.handle == first);
        CHECK(created_classes.size() == 0);
        // A window whose control must take the keys hands the focus on to it.
        CHECK((GetFocus() == first || IsChild(first, GetFocus())));
        run_command(CMD_CLOSE); // it is the active child
        CHECK(*kind.handle == nullptr);
        CHECK(kind.rect->width == 0);
    }
    run_command(CMD_COLOR); // color_rect is 0, 0, 0, 0: the default place
    // Not a window made 0 by 0 and enlarged to the least a frame can be.
    RECT r;
    GetWindowRect(color_window, &r);
    CHECK(r.right - r.left > GetSystemMetrics(SM_CXMINTRACK));
    // The Window popup lists the open children from the first child identifier.
    HMENU window_menu = GetSubMenu(bar, 3);
    CHECK(GetMenuItemID(window_menu, GetMenuItemCount(window_menu) - 1) == (UINT)FIRST_CHILD_ID);
    stop_program();
}

// The tool windows created since start, in order, as "GLOM PREF ...".
static std::string tool_windows_created() {
    std::string order;
    for (const std::string &c : created_classes)
        if (c.size() > 5 && c.compare(c.size() - 5, 5, "CLASS") == 0)
            order += (order.empty() ? "" : " ") + c.substr(0, c.size() - 5);
    return order;
}

TEST_CASE("saved tool windows re-open at start in their fixed order, then the About window") {
    const struct {
        std::string label;
        int save_positions, glom_height;
        std::string expected;
    } cases[] = {
        {"all saved", 1, 180, "GLOM PREF SPEED FONTS COLOR DRAW NAV"},
        {"height 0 is not re-opened", 1, 0, "PREF SPEED FONTS COLOR DRAW NAV"},
        {"positions not saved", 0, 180, ""},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        enter_fresh_directory();
        // Written from the program's own record, which start-up fills anew.
        apply_default_settings(&settings);
        settings.save_positions = c.save_positions;
        for (const tool_window_kind &kind : tool_window_kinds)
            *kind.rect = window_rect{30, 20, 250, 180};
        settings.glom_rect.height = c.glom_height;
        char line[SETTINGS_LINE_SIZE];
        write_whole_file("tav.dat",
                         std::string(line, format_settings_line(&settings, line, sizeof line)));
        start_program();
        CHECK(tool_windows_created() == c.expected);
        CHECK(created_classes.back() == "TAV_ABOUT");
        // The command uses a saved rectangle even when its height is 0.
        run_command(CMD_GLOM);
        CHECK(place_of(glom_window).compare(0, 6, "30,20 ") == 0);
        stop_program();
    }
}

// Two clicks of the left button at a point of the screen, as a double click.
static void double_click_at(int x, int y) {
    SetCursorPos(x, y);
    for (int i = 0; i < 2; i++) {
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    }
    pump_messages();
}

static std::string client_size(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return std::to_string(r.right) + "x" + std::to_string(r.bottom);
}

TEST_CASE("every tool window maximises at a double click on its caption, the frame's menu "
          "taking its buttons, and restores to its place") {
    enter_fresh_directory();
    HWND frame = start_program();
    HMENU bar = GetMenu(frame);
    const int items = GetMenuItemCount(bar);
    for (const tool_window_kind &kind : tool_window_kinds) {
        CAPTURE(std::string(kind.title));
        *kind.rect = window_rect{10, 10, 300, 200};
        run_command(kind.command);
        HWND window = *kind.handle;
        REQUIRE(window != nullptr);
        RECT r;
        GetWindowRect(window, &r);
        double_click_at((r.left + r.right) / 2,
                        r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2);
        CHECK(IsZoomed(window));
        // The child's system menu and its three buttons join the menu bar.
        CHECK(GetMenuItemCount(bar) == items + 4);
        CHECK(client_size(window) == client_size(mdi_client));
        SendMessageA(mdi_client, WM_MDIRESTORE, (WPARAM)window, 0);
        pump_messages();
        CHECK_FALSE(IsZoomed(window));
        CHECK(GetMenuItemCount(bar) == items);
        CHECK(place_of(window) == "10,10 300x200");
        run_command(CMD_CLOSE);
    }
    stop_program();
}
