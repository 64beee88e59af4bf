// The keyboard as a user meets it: each window, just opened from the menu,
// takes its first key at once, typed on the keyboard with no click before.
#include "reading_windows.h"

#include "glom/glom.h"
#include "glom/glom_sources.h"

#include <functional>

TEST_CASE("every window takes its first key as soon as it is opened") {
    enter_fresh_directory();
    start_program();
    HWND word = CreateWindowA("STATIC", "Report - Microsoft Word", WS_POPUP, 0, 0, 9, 9, NULL, NULL,
                              NULL, NULL); // for the Glom window to list

    // Not the Color window: its keys steer no colour until a bar has the focus.
    const struct {
        std::string label;
        int command;
        WORD key;
        bool (*took_key)();
    } cases[] = {
        {"Navigator: Page Down", CMD_NAVIGATOR, VK_NEXT, [] { return document.anchor_pos > 0; }},
        {"Reader: Page Down", CMD_READER, VK_NEXT, [] { return document.read_pos > 0; }},
        {"Speed: Right", CMD_SPEED, VK_RIGHT, [] { return settings.words_per_minute == 490 + 10; }},
        {"Fonts: a letter in the family list", CMD_FONTS, 'S',
         [] { return settings.face_name[0] == 'S'; }},
        {"Preferences: Space on Save Now", CMD_PREFERENCES, VK_SPACE,
         [] { return file_exists("tav.dat") != 0; }},
        {"Glom: Down in the source list", CMD_GLOM, VK_DOWN,
         [] { return std::string(glom_name) == "Microsoft Word"; }},
    };
    load_text(numbered_words(3000));
    for (const auto &c : cases) {
        CAPTURE(c.label);
        document.read_pos = document.anchor_pos = 0;
        run_command(c.command);
        send_key(c.key);
        pump_messages();
        CHECK(c.took_key());
    }
    DestroyWindow(word);
    stop_program();
}

// What has the keyboard, as a user would name it: the window itself, a button
// by its text, a scroll bar by its rank among the bars (from the top, then the
// left), another control by its kind.
static std::string focus_name(HWND window) {
    HWND focus = GetFocus();
    if (focus == window)
        return "window";
    if (GetParent(focus) != window)
        return "elsewhere";
    if (class_of(focus) == "ScrollBar") {
        RECT mine, other;
        GetWindowRect(focus, &mine);
        int rank = 1;
        for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (class_of(c) == "ScrollBar" && GetWindowRect(c, &other) &&
                (other.top < mine.top || (other.top == mine.top && other.left < mine.left)))
                rank++;
        return "bar " + std::to_string(rank);
    }
    const std::string kind = class_of(focus);
    return kind == "Button" ? window_text(focus) : kind;
}

TEST_CASE("Tab and Shift+Tab go round a tool window's controls in their order; Enter and Space "
          "press the focused button or switch; a window without controls keeps its Tab") {
    enter_fresh_directory();
    start_program();
    const struct {
        std::string label;
        int command, tabs, back_tabs;
        std::string expected; // the focus at first | after each Tab | after each Shift+Tab
    } windows[] = {
        {"Preferences", CMD_PREFERENCES, 6, 2,
         "Save Now | Save window positions, Save preferences on exit, React to punctuation, "
         "Edit, Open HTML as Text, Save Now | Open HTML as Text, Edit"},
        {"Speed", CMD_SPEED, 2, 1, "window | bar 1, bar 1 | bar 1"},
        {"Fonts", CMD_FONTS, 2, 1, "ListBox | bar 1, ListBox | bar 1"},
        {"Color", CMD_COLOR, 6, 2,
         "window | bar 1, bar 2, bar 3, Text color, Background, bar 1 | Background, Text color"},
        {"Glom", CMD_GLOM, 3, 1, "ListBox | Glom, Refresh, ListBox | Refresh"},
        {"Navigator", CMD_NAVIGATOR, 1, 1, "window | window | window"},
    };
    for (const auto &w : windows) {
        CAPTURE(w.label);
        run_command(w.command);
        HWND window = (HWND)SendMessageA(mdi_client, WM_MDIGETACTIVE, 0, 0);
        std::string seen = focus_name(window) + " |";
        for (int i = 0; i < w.tabs; i++) {
            send_key(VK_TAB);
            pump_messages();
            seen += std::string(i ? ", " : " ") + focus_name(window);
        }
        seen += " |";
        for (int i = 0; i < w.back_tabs; i++) {
            send_key_with(VK_SHIFT, VK_TAB);
            pump_messages();
            seen += std::string(i ? ", " : " ") + focus_name(window);
        }
        CHECK(seen == w.expected);
    }

    // Enter and Space on what Tab reached.
    // In the window opened afresh, where the focus starts.
    auto press = [](int command, int tabs, WORD key) {
        run_command(command);
        run_command(CMD_CLOSE);
        run_command(command);
        for (int i = 0; i < tabs; i++)
            send_key(VK_TAB);
        send_key(key);
        pump_messages();
    };
    auto checked = [](const char *text) {
        return SendMessageA(FindWindowExA(color_window, NULL, "Button", text), BM_GETCHECK, 0, 0);
    };
    const struct {
        std::string label;
        int command, tabs;
        WORD key;
        std::function<std::string()> result;
        std::string expected;
    } presses[] = {
        {"Enter on Save window positions", CMD_PREFERENCES, 1, VK_RETURN,
         [] { return std::to_string(settings.save_positions); }, "1"},
        {"Space on Save window positions", CMD_PREFERENCES, 1, VK_SPACE,
         [] { return std::to_string(settings.save_positions); }, "0"},
        {"Enter on Save Now", CMD_PREFERENCES, 0, VK_RETURN,
         [] { return std::to_string(file_exists("tav.dat")); }, "1"},
        {"Enter on Text color", CMD_COLOR, 4, VK_RETURN,
         [&] { return std::to_string(checked("Text color")); }, "1"},
        {"Space on Background", CMD_COLOR, 5, VK_SPACE,
         [&] { return std::to_string(checked("Background")); }, "1"},
        {"Enter on Refresh empties the clipboard", CMD_GLOM, 2, VK_RETURN,
         [] { return clipboard_text(); }, "<none>"},
    };
    for (const auto &p : presses) {
        CAPTURE(p.label);
        put_clipboard_text("kept");
        press(p.command, p.tabs, p.key);
        CHECK(p.result() == p.expected);
    }

    // The Reader has no controls: Tab and Enter start and stop it as before.
    run_command(CMD_READER);
    running = 0;
    send_key(VK_TAB);
    pump_messages();
    CHECK(running == 1);
    send_key(VK_RETURN);
    pump_messages();
    CHECK(running == 0);
    stop_program();
}
