// The Preferences window under Wine: its controls, the switches they set,
// the extra delay read from the edit field, and "Save Now".
#include "tool_controls.h"

#include "reading/reader_state.h"
#include "settings/preferences_form.h"
#include "settings/settings.h"
#include "settings/settings_file.h"

static HWND open_preferences(const Settings &with) {
    enter_fresh_directory();
    start_program();
    settings = with;
    run_command(CMD_PREFERENCES);
    REQUIRE(preferences_window != nullptr);
    return preferences_window;
}

static Settings defaults() {
    Settings s;
    apply_default_settings(&s);
    return s;
}

static HWND control(int id) {
    return GetDlgItem(preferences_window, id);
}

static int checked(int id) {
    return (int)SendMessageA(control(id), BM_GETCHECK, 0, 0);
}

static void click(int id) {
    SendMessageA(control(id), BM_CLICK, 0, 0);
    pump_messages();
}

TEST_CASE("the seven controls open showing the switches, the edit field the delay if reacting") {
    Settings s = defaults();
    HWND window = open_preferences(s);
    for (const preferences_control &c : preferences_controls) {
        CAPTURE(std::string(c.text));
        HWND made = control(c.id);
        REQUIRE(made != nullptr);
        CHECK(lstrcmpiA(class_of(made).c_str(), c.class_name) == 0);
        // An edit field moves its border out of the style and draws it itself.
        CHECK((GetWindowLongA(made, GWL_STYLE) | (c.id == PREF_DELAY_EDIT ? WS_BORDER : 0)) ==
              (LONG)c.style);
        CHECK(GetWindowLongA(made, GWL_EXSTYLE) == 0);
    }
    size_client(window, 419, 262);
    CHECK(place_of(control(PREF_DELAY_EDIT)) == "180,170 200x30");
    CHECK(place_of(control(PREF_HTML_AS_TEXT)) == "20,210 300x30");
    stop_program();

    const struct {
        std::string label;
        int32_t save_positions, save_on_exit, react, delay, html;
        std::string boxes, edit; // boxes: positions, exit, react, html
    } cases[] = {
        {"defaults", 0, 0, 1, 2, 0, "0010", "2"},
        {"not reacting shows 0", 1, 7, 0, 5, 1, "1101", "0"},
        {"a negative delay", 0, 0, -1, -7, 0, "0010", "-7"},
        {"the lowest delay", 0, 0, 1, -2147483647 - 1, 0, "0010", "-2147483648"},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        s.save_positions = c.save_positions;
        s.save_on_exit = c.save_on_exit;
        s.react_to_punctuation = c.react;
        s.extra_delay = c.delay;
        s.html_as_text = c.html;
        open_preferences(s);
        std::string boxes;
        for (int id : {PREF_SAVE_POSITIONS, PREF_SAVE_ON_EXIT, PREF_REACT, PREF_HTML_AS_TEXT})
            boxes += std::to_string(checked(id));
        CHECK(boxes == c.boxes);
        CHECK(window_text(control(PREF_DELAY_EDIT)) == c.edit);
        stop_program();
    }
}

TEST_CASE("a click toggles its switch to 0 or 1 and the box follows; other notices do nothing") {
    Settings s = defaults();
    s.save_positions = 7;
    s.html_as_text = 1;
    open_preferences(s);
    const struct {
        std::string label;
        int id;
        int32_t *field;
        int32_t first, second;
    } cases[] = {
        {"positions, 7 from the file", PREF_SAVE_POSITIONS, &settings.save_positions, 0, 1},
        {"on exit", PREF_SAVE_ON_EXIT, &settings.save_on_exit, 1, 0},
        {"HTML as text", PREF_HTML_AS_TEXT, &settings.html_as_text, 0, 1},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        int32_t before = *c.field;
        SendMessageA(preferences_window, WM_COMMAND, MAKEWPARAM(c.id, BN_DOUBLECLICKED), 0);
        CHECK(*c.field == before);
        click(c.id);
        CHECK(*c.field == c.first);
        CHECK(checked(c.id) == c.first);
        click(c.id);
        CHECK(*c.field == c.second);
        CHECK(checked(c.id) == c.second);
    }
    stop_program();
}

TEST_CASE("React to punctuation: off clears the delay, on reads it back from the edit text") {
    open_preferences(defaults());
    HWND edit = control(PREF_DELAY_EDIT);
    const struct {
        std::string label;
        std::string text;
        int32_t delay;
    } cases[] = {
        {"12abc", "12abc", 12}, {"abc", "abc", 0},    {"blanks", "  7", 7},
        {"minus", "-3", -3},    {"as shown", "2", 2}, {"twelve digits", "123456789012", 123456789},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        pause_ticks = 4;
        click(PREF_REACT);
        CHECK(settings.react_to_punctuation == 0);
        CHECK(checked(PREF_REACT) == 0);
        CHECK(settings.extra_delay == 0);
        CHECK(pause_ticks == 0);
        SetWindowTextA(edit, c.text.c_str());
        pause_ticks = 4;
        click(PREF_REACT);
        CHECK(settings.react_to_punctuation == 1);
        CHECK(checked(PREF_REACT) == 1);
        CHECK(settings.extra_delay == c.delay);
        CHECK(pause_ticks == 0);
    }
    // Typing changes nothing until the box is switched off and on again.
    SetWindowTextA(edit, "9");
    CHECK(settings.extra_delay == 123456789);

    // A long paste is cut to what is read, at once.
    put_clipboard_text(std::string(10000, '8'));
    SetWindowTextA(edit, "");
    DWORD start = GetTickCount();
    SendMessageA(edit, WM_PASTE, 0, 0);
    CHECK(GetTickCount() - start < 2000);
    CHECK(window_text(edit) == "888888888");
    click(PREF_REACT);
    click(PREF_REACT);
    CHECK(settings.extra_delay == 888888888);
    stop_program();
}

static Settings saved_file() {
    std::string line = read_whole_file(std::string(start_directory) + "\\tav.dat");
    Settings s = {};
    CHECK(parse_settings_line(&s, line.data(), line.size()) == 45);
    return s;
}

TEST_CASE("Save Now writes the settings, window places only when positions are saved") {
    Settings s = defaults();
    s.words_per_minute = 333;
    open_preferences(s);
    click(PREF_SAVE_NOW);
    Settings file = saved_file();
    CHECK(file.words_per_minute == 333);
    CHECK(file.save_on_exit == 0);
    CHECK(file.preferences_rect.width == 0);
    click(PREF_SAVE_POSITIONS);
    click(PREF_SAVE_NOW);
    file = saved_file();
    CHECK(file.save_positions == 1);
    CHECK(file.preferences_rect.width > 0);

    SendMessageA(mdi_client, WM_MDIDESTROY, (WPARAM)preferences_window, 0);
    CHECK(preferences_window == nullptr);
    CHECK(settings.preferences_rect.width + settings.preferences_rect.height == 0);
    stop_program();
}

TEST_CASE(
    "the keys reach a control as soon as the window opens, and again when it is re-activated") {
    enter_fresh_directory();
    HWND frame = start_program();
    DestroyWindow(about_window);
    SetForegroundWindow(frame);
    run_command(CMD_PREFERENCES);
    CHECK(GetFocus() == control(PREF_SAVE_NOW));
    keybd_event(VK_SPACE, 0, 0, 0);
    keybd_event(VK_SPACE, 0, KEYEVENTF_KEYUP, 0);
    pump_for(100);
    CHECK(file_exists(std::string(start_directory) + "\\tav.dat"));

    SetFocus(control(PREF_DELAY_EDIT));
    HWND preferences = preferences_window;
    run_command(CMD_SPEED);
    CHECK(GetFocus() == speed_window);
    SendMessageA(mdi_client, WM_MDIACTIVATE, (WPARAM)preferences, 0);
    pump_messages();
    CHECK(GetFocus() == control(PREF_DELAY_EDIT));
    stop_program();
}
