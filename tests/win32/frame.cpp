// The frame window: its menu, its commands and the window-handle registry.
#include "harness.h"

#include "app/frame.h"
#include "app/tool_windows.h"
#include "app/version.h"
#include "app/window_handles.h"
#include "resources/resource.h"
#include "settings/settings.h"

#include <stdio.h>
#include <string.h>

static std::string utf8_menu_text(HMENU menu, int position) {
    wchar_t text[128] = L"";
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    char utf8[256] = "";
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, NULL, NULL);
    return utf8;
}

TEST_CASE("the menu holds the five popups, their items and separators in order") {
    // Each popup: its text, then its items as "id text", "-" for a separator.
    const std::vector<std::vector<std::string>> expected = {
        {"&Файл", "506 &Открыть", "201 &Закрыть", "-", "1054 &Вставить в навигатор", "-",
         "100 Вы&ход"},
        {"&Выполнить", "1051 &Старт", "1053 С&топ", "-", "507 &Чтение", "1052 &Glom"},
        {"&Восприятие", "200 &Навигатор", "500 &Скорость", "501 &Шрифт", "502 &Цвет", "-",
         "503 &Предпочтения"},
        {"&Окно", "202 &Каскад", "203 &Горизонтально", "204 &Вертикально", "205 &Упорядочить"},
        {"&О программе", "300 &О Tavrin'е..."},
    };
    enter_fresh_directory();
    HWND frame = start_program();
    HMENU bar = GetMenu(frame);
    std::vector<std::vector<std::string>> actual;
    for (int p = 0; p < GetMenuItemCount(bar); p++) {
        HMENU popup = GetSubMenu(bar, p);
        actual.push_back({utf8_menu_text(bar, p)});
        for (int i = 0; i < GetMenuItemCount(popup); i++)
            actual.back().push_back(GetMenuState(popup, i, MF_BYPOSITION) & MF_SEPARATOR
                                        ? "-"
                                        : std::to_string(GetMenuItemID(popup, i)) + " " +
                                              utf8_menu_text(popup, i));
        CHECK((GetMenuState(bar, p, MF_BYPOSITION) & MF_RIGHTJUSTIFY) == 0);
    }
    CHECK(actual == expected);

    // The Window popup lists the open children from the first child identifier.
    run_frame_command(frame, CMD_READER);
    HMENU window_menu = GetSubMenu(bar, 3);
    CHECK(GetMenuItemID(window_menu, GetMenuItemCount(window_menu) - 1) == (UINT)FIRST_CHILD_ID);
    CHECK(GetDlgCtrlID(mdi_client) == MDI_CLIENT_ID);
    stop_program();
}

// Where a tool window stands in the MDI client: "x y width height".
static std::string placement(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(NULL, mdi_client, (POINT *)&r, 2);
    char text[64];
    snprintf(text, sizeof text, "%ld %ld %ld %ld", r.left, r.top, r.right - r.left,
             r.bottom - r.top);
    return text;
}

TEST_CASE("each tool window opens once; its command then focuses it; closing clears it") {
    enter_fresh_directory();
    HWND frame = start_program();
    for (const tool_window_kind &kind : tool_window_kinds) {
        CAPTURE(kind.title);
        *kind.rect = window_rect{0, 0, 300, 200};
        run_frame_command(frame, kind.command);
        pump_messages();
        HWND first = *kind.handle;
        REQUIRE(first != nullptr);
        CHECK(window_text(first) == kind.title);
        CHECK(GetParent(first) == mdi_client);
        CHECK(placement(first) == "0 0 300 200");
        SetFocus(frame);
        run_frame_command(frame, kind.command);
        pump_messages();
        CHECK(*kind.handle == first);
        CHECK(mdi_child_classes().size() == 1);
        CHECK(GetFocus() == first);
        run_frame_command(frame, CMD_CLOSE); // it is the active child
        pump_messages();
        CHECK_FALSE(IsWindow(first));
        CHECK(*kind.handle == nullptr);
        CHECK(kind.rect->width == 0);
    }
    run_frame_command(frame, CMD_CLOSE); // nothing open: nothing happens
    run_frame_command(frame, CMD_COLOR); // color_rect is 0, 0, 0, 0: the default place
    CHECK(placement(color_window) != "0 0 0 0");
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
        write_settings_file(settings);
        HWND frame = start_program();
        CHECK(tool_windows_created() == c.expected);
        CHECK(created_classes.back() == "TAV_ABOUT");
        if (!c.expected.empty())
            CHECK((HWND)SendMessageA(mdi_client, WM_MDIGETACTIVE, 0, 0) == navigator_window);
        // The command uses a saved rectangle even when its height is 0.
        run_frame_command(frame, CMD_GLOM);
        CHECK(placement(glom_window).compare(0, 6, "30 20 ") == 0);
        stop_program();
    }
}

static WNDPROC mdi_client_proc;
static std::vector<std::pair<UINT, WPARAM>> arrangements;

static LRESULT CALLBACK log_arrangements(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_MDICASCADE || message == WM_MDITILE)
        arrangements.push_back({message, wparam});
    return CallWindowProcA(mdi_client_proc, window, message, wparam, lparam);
}

TEST_CASE("Cascade and Tile go through the MDI client on NT and through the shell calls on 95") {
    char exe[MAX_PATH];
    GetModuleFileNameA(NULL, exe, sizeof exe);
    int windows_98 = strstr(exe, "_98") != nullptr;
    CHECK(uses_95_shell_calls() == windows_98);

    enter_fresh_directory();
    HWND frame = start_program();
    run_frame_command(frame, CMD_READER);
    run_frame_command(frame, CMD_SPEED);
    arrangements.clear();
    mdi_client_proc =
        (WNDPROC)SetWindowLongPtrA(mdi_client, GWLP_WNDPROC, (LONG_PTR)log_arrangements);
    for (int command : {CMD_CASCADE, CMD_TILE_HORIZONTAL, CMD_TILE_VERTICAL, CMD_ARRANGE})
        run_frame_command(frame, command);
    SetWindowLongPtrA(mdi_client, GWLP_WNDPROC, (LONG_PTR)mdi_client_proc);
    std::vector<std::pair<UINT, WPARAM>> expected;
    if (!windows_98)
        expected = {{WM_MDICASCADE, MDITILE_SKIPDISABLED},
                    {WM_MDITILE, MDITILE_HORIZONTAL},
                    {WM_MDITILE, MDITILE_VERTICAL}};
    CHECK(arrangements == expected);
    stop_program();
}
