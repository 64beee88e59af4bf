// The frame window: its menu, its commands and the window-handle registry.
#include "harness.h"

#include "app/frame.h"
#include "app/tool_windows.h"
#include "app/version.h"
#include "app/window_handles.h"
#include "reading/reader_state.h"
#include "resources/resource.h"
#include "settings/settings.h"

#include <string.h>

struct menu_entry {
    UINT id; // 0 for a separator
    const wchar_t *text;
};

struct menu_popup {
    const wchar_t *text;
    std::vector<menu_entry> items;
};

static std::wstring menu_text(HMENU menu, UINT position) {
    wchar_t text[128] = L"";
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 127;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return text;
}

static std::string narrow(const std::wstring &w) {
    char text[256] = "";
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, text, sizeof text, NULL, NULL);
    return text;
}

TEST_CASE("the menu holds the five popups, their items and separators in order") {
    const menu_popup expected[] = {
        {L"&Файл",
         {{CMD_OPEN, L"&Открыть"},
          {CMD_CLOSE, L"&Закрыть"},
          {0, L""},
          {CMD_PASTE, L"&Вставить в навигатор"},
          {0, L""},
          {CMD_EXIT, L"Вы&ход"}}},
        {L"&Выполнить",
         {{CMD_START, L"&Старт"},
          {CMD_STOP, L"С&топ"},
          {0, L""},
          {CMD_READER, L"&Чтение"},
          {CMD_GLOM, L"&Glom"}}},
        {L"&Восприятие",
         {{CMD_NAVIGATOR, L"&Навигатор"},
          {CMD_SPEED, L"&Скорость"},
          {CMD_FONTS, L"&Шрифт"},
          {CMD_COLOR, L"&Цвет"},
          {0, L""},
          {CMD_PREFERENCES, L"&Предпочтения"}}},
        {L"&Окно",
         {{CMD_CASCADE, L"&Каскад"},
          {CMD_TILE_HORIZONTAL, L"&Горизонтально"},
          {CMD_TILE_VERTICAL, L"&Вертикально"},
          {CMD_ARRANGE, L"&Упорядочить"}}},
        {L"&О программе", {{CMD_ABOUT, L"&О Tavrin'е..."}}},
    };
    enter_fresh_directory();
    HWND frame = start_program();
    HMENU bar = GetMenu(frame);
    REQUIRE(GetMenuItemCount(bar) == 5);
    for (int p = 0; p < 5; p++) {
        CAPTURE(p);
        CHECK(narrow(menu_text(bar, p)) == narrow(expected[p].text));
        HMENU popup = GetSubMenu(bar, p);
        REQUIRE(popup != nullptr);
        CHECK((GetMenuState(bar, p, MF_BYPOSITION) & MF_RIGHTJUSTIFY) == 0);
        REQUIRE(GetMenuItemCount(popup) == (int)expected[p].items.size());
        for (size_t i = 0; i < expected[p].items.size(); i++) {
            const menu_entry &e = expected[p].items[i];
            CAPTURE(i);
            UINT state = GetMenuState(popup, (UINT)i, MF_BYPOSITION);
            if (e.id == 0) {
                CHECK((state & MF_SEPARATOR) != 0);
                continue;
            }
            CHECK(GetMenuItemID(popup, (int)i) == e.id);
            CHECK(narrow(menu_text(popup, (UINT)i)) == narrow(e.text));
        }
    }
    stop_program();
}

TEST_CASE("the Window popup lists the open tool windows from the first child identifier") {
    enter_fresh_directory();
    HWND frame = start_program();
    run_frame_command(frame, CMD_READER);
    pump_messages();
    HMENU window_menu = GetSubMenu(GetMenu(frame), 3);
    int count = GetMenuItemCount(window_menu);
    REQUIRE(count > 4);
    CHECK(GetMenuItemID(window_menu, count - 1) == (UINT)FIRST_CHILD_ID);
    CHECK(GetDlgCtrlID(mdi_client) == MDI_CLIENT_ID);
    stop_program();
}

TEST_CASE("each tool window opens once, with its class and title; its command then focuses it") {
    enter_fresh_directory();
    HWND frame = start_program();
    for (const tool_window_kind &kind : tool_window_kinds) {
        CAPTURE(kind.title);
        CHECK(*kind.handle == nullptr);
        run_frame_command(frame, kind.command);
        pump_messages();
        REQUIRE(*kind.handle != nullptr);
        CHECK(window_text(*kind.handle) == kind.title);
        CHECK(GetParent(*kind.handle) == mdi_client);
        CHECK(IsWindowVisible(*kind.handle));
        HWND first = *kind.handle;
        SetFocus(frame);
        run_frame_command(frame, kind.command);
        pump_messages();
        CHECK(*kind.handle == first);
        CHECK(mdi_children_of_class(kind.class_name).size() == 1);
        CHECK(GetFocus() == first);
    }
    CHECK(mdi_child_classes().size() == 7);
    stop_program();
}

TEST_CASE("closing a tool window clears its handle and its saved rectangle") {
    enter_fresh_directory();
    HWND frame = start_program();
    for (const tool_window_kind &kind : tool_window_kinds) {
        CAPTURE(kind.title);
        *kind.rect = window_rect{10, 10, 300, 200};
        run_frame_command(frame, kind.command);
        pump_messages();
        REQUIRE(*kind.handle != nullptr);
        HWND window = *kind.handle;
        run_frame_command(frame, CMD_CLOSE); // the new window is the active child
        pump_messages();
        CHECK_FALSE(IsWindow(window));
        CHECK(*kind.handle == nullptr);
        CHECK(kind.rect->x == 0);
        CHECK(kind.rect->width == 0);
        CHECK(kind.rect->height == 0);
    }
    SUBCASE("Close with no child open does nothing") {
        run_frame_command(frame, CMD_CLOSE);
        pump_messages();
        CHECK(IsWindow(frame));
        CHECK(mdi_child_classes().empty());
    }
    stop_program();
}

static RECT rect_in_mdi_client(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(NULL, mdi_client, (POINT *)&r, 2);
    return r;
}

TEST_CASE("a tool window opens at its saved rectangle, or the default one when it is all zero") {
    enter_fresh_directory();
    HWND frame = start_program();
    settings.speed_rect = window_rect{0, 0, 300, 200};
    run_frame_command(frame, CMD_SPEED);
    pump_messages();
    RECT r = rect_in_mdi_client(speed_window);
    CHECK(r.left == 0);
    CHECK(r.top == 0);
    CHECK(r.right - r.left == 300);
    CHECK(r.bottom - r.top == 200);

    settings.fonts_rect = window_rect{25, 40, 280, 190};
    run_frame_command(frame, CMD_FONTS);
    pump_messages();
    r = rect_in_mdi_client(fonts_window);
    CHECK(r.left == 25);
    CHECK(r.top == 40);
    CHECK(r.right - r.left == 280);

    run_frame_command(frame, CMD_COLOR); // color_rect is 0, 0, 0, 0
    pump_messages();
    REQUIRE(color_window != nullptr);
    r = rect_in_mdi_client(color_window);
    CHECK(r.right - r.left > 0);
    CHECK(r.bottom - r.top > 0);
    stop_program();
}

static Settings saved_settings(int save_positions) {
    Settings s;
    apply_default_settings(&s);
    s.save_positions = save_positions;
    window_rect *rects[] = {&s.navigator_rect, &s.preferences_rect, &s.color_rect, &s.speed_rect,
                            &s.fonts_rect,     &s.reader_rect,      &s.glom_rect};
    int i = 0;
    for (window_rect *r : rects) {
        *r = window_rect{10 * i, 10 * i, 250, 180};
        i++;
    }
    return s;
}

static std::vector<std::string> tool_windows_created() {
    std::vector<std::string> order;
    for (const std::string &c : created_classes)
        if (c.size() > 5 && c.compare(c.size() - 5, 5, "CLASS") == 0)
            order.push_back(c);
    return order;
}

TEST_CASE("saved tool windows re-open at start in their fixed order, then the About window") {
    enter_fresh_directory();
    write_settings_file(saved_settings(1));
    start_program();
    const std::vector<std::string> expected = {"GLOMCLASS",  "PREFCLASS",  "SPEEDCLASS",
                                               "FONTSCLASS", "COLORCLASS", "DRAWCLASS",
                                               "NAVCLASS"};
    CHECK(tool_windows_created() == expected);
    CHECK(created_classes.back() == "TAV_ABOUT");
    CHECK((HWND)SendMessageA(mdi_client, WM_MDIGETACTIVE, 0, 0) == navigator_window);
    CHECK(about_window != nullptr);
    RECT r = rect_in_mdi_client(glom_window);
    CHECK(r.right - r.left == 250);
    stop_program();
}

TEST_CASE("with save_positions off no tool window re-opens, whatever the file holds") {
    enter_fresh_directory();
    write_settings_file(saved_settings(0));
    start_program();
    CHECK(tool_windows_created().empty());
    CHECK(mdi_child_classes().empty());
    CHECK(about_window != nullptr);
    CHECK(IsWindowVisible(about_window));
    stop_program();
}

TEST_CASE("a saved rectangle of height 0 is not re-opened at start, but its command uses it") {
    enter_fresh_directory();
    Settings s = saved_settings(1);
    s.glom_rect = window_rect{30, 20, 250, 0};
    write_settings_file(s);
    HWND frame = start_program();
    CHECK(glom_window == nullptr);
    CHECK(tool_windows_created().size() == 6);
    run_frame_command(frame, CMD_GLOM);
    pump_messages();
    REQUIRE(glom_window != nullptr);
    RECT r = rect_in_mdi_client(glom_window);
    CHECK(r.left == 30);
    CHECK(r.top == 20);
    stop_program();
}

TEST_CASE("the frame takes its saved place only when it is at least 32 by 32") {
    struct {
        const char *label;
        window_rect saved;
        int placed; // the saved x and y are used
    } cases[] = {
        {"width 31", {77, 66, 31, 400}, 0},
        {"height 31", {77, 66, 500, 31}, 0},
        {"32 by 400", {77, 66, 400, 32}, 1},
        {"500 by 400", {77, 66, 500, 400}, 1},
        {"partly off the screen", {-20, -10, 600, 400}, 1},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        enter_fresh_directory();
        Settings s;
        apply_default_settings(&s);
        s.frame_rect = c.saved;
        write_settings_file(s);
        HWND frame = start_program();
        RECT r;
        GetWindowRect(frame, &r);
        if (c.placed) {
            CHECK(r.left == c.saved.x);
            CHECK(r.top == c.saved.y);
            if (c.saved.width >= 500) {
                CHECK(r.right - r.left == c.saved.width);
                CHECK(r.bottom - r.top == c.saved.height);
            }
        } else {
            CHECK_FALSE((r.left == c.saved.x && r.top == c.saved.y));
        }
        stop_program();
    }
}

TEST_CASE("Start and Stop set the running flag; Start reaches an open Reader only") {
    enter_fresh_directory();
    HWND frame = start_program();
    running = 0;
    run_frame_command(frame, CMD_START);
    pump_messages();
    CHECK(running == 1);
    CHECK(reader_window == nullptr);
    run_frame_command(frame, CMD_STOP);
    CHECK(running == 0);
    stop_program();
}

TEST_CASE("commands the frame does not know go on to the MDI client's default handling") {
    enter_fresh_directory();
    HWND frame = start_program();
    run_frame_command(frame, CMD_READER);
    run_frame_command(frame, CMD_SPEED);
    pump_messages();
    // The window list entry of the first child activates it.
    SendMessageA(frame, WM_COMMAND, FIRST_CHILD_ID, 0);
    pump_messages();
    CHECK((HWND)SendMessageA(mdi_client, WM_MDIGETACTIVE, 0, 0) == reader_window);
    SendMessageA(frame, WM_COMMAND, 504, 0);
    SendMessageA(frame, WM_COMMAND, 505, 0);
    pump_messages();
    CHECK(mdi_child_classes().size() == 2);
    stop_program();
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
    CHECK(((GetVersion() & 0x80000000u) != 0) == windows_98);
    CHECK(uses_95_shell_calls() == windows_98);

    enter_fresh_directory();
    HWND frame = start_program();
    run_frame_command(frame, CMD_READER);
    run_frame_command(frame, CMD_SPEED);
    pump_messages();
    arrangements.clear();
    mdi_client_proc =
        (WNDPROC)SetWindowLongPtrA(mdi_client, GWLP_WNDPROC, (LONG_PTR)log_arrangements);
    run_frame_command(frame, CMD_CASCADE);
    run_frame_command(frame, CMD_TILE_HORIZONTAL);
    run_frame_command(frame, CMD_TILE_VERTICAL);
    run_frame_command(frame, CMD_ARRANGE);
    pump_messages();
    SetWindowLongPtrA(mdi_client, GWLP_WNDPROC, (LONG_PTR)mdi_client_proc);
    std::vector<std::pair<UINT, WPARAM>> expected;
    if (!windows_98)
        expected = {{WM_MDICASCADE, MDITILE_SKIPDISABLED},
                    {WM_MDITILE, MDITILE_HORIZONTAL},
                    {WM_MDITILE, MDITILE_VERTICAL}};
    CHECK(arrangements == expected);
    if (!windows_98) {
        // Tiled vertically: the two children stand side by side.
        RECT reader, speed;
        GetWindowRect(reader_window, &reader);
        GetWindowRect(speed_window, &speed);
        CHECK(reader.top == speed.top);
        CHECK(reader.left != speed.left);
    }
    stop_program();
}

TEST_CASE("Exit destroys the frame; the tool windows go with it and clear their handles") {
    enter_fresh_directory();
    HWND frame = start_program();
    run_frame_command(frame, CMD_NAVIGATOR);
    run_frame_command(frame, CMD_READER);
    pump_messages();
    run_frame_command(frame, CMD_EXIT);
    pump_messages();
    CHECK_FALSE(IsWindow(frame));
    CHECK(navigator_window == nullptr);
    CHECK(reader_window == nullptr);
    MSG msg;
    stop_program();
    (void)msg;
}
