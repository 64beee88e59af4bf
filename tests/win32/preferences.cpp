// The Preferences window under Wine: its controls, the switches they set and
// the extra delay read from the edit field.
#include "tool_controls.h"

#include "reading/reader_state.h"
#include "controls/preferences_form.h"
#include "settings/settings.h"

static HWND control(int id) {
    return GetDlgItem(preferences_window, id);
}

static std::string checked(int id) {
    return std::to_string(SendMessageA(control(id), BM_GETCHECK, 0, 0));
}

static void click(int id) {
    SendMessageA(control(id), BM_CLICK, 0, 0);
    pump_messages();
}

static const struct {
    int id;
    int32_t *field;
} plain_switches[] = {{PREF_SAVE_POSITIONS, &settings.save_positions},
                      {PREF_SAVE_ON_EXIT, &settings.save_on_exit},
                      {PREF_HTML_AS_TEXT, &settings.html_as_text}};

// Saving positions, on exit and HTML as text, and their boxes, as "switches/boxes".
static std::string switches() {
    std::string fields, boxes;
    for (const auto &s : plain_switches) {
        fields += std::to_string(*s.field);
        boxes += checked(s.id);
    }
    return fields + "/" + boxes;
}

TEST_CASE("the boxes show the switches, the edit the delay if reacting; a click toggles a switch") {
    const struct {
        std::string label;
        int32_t save_positions, save_on_exit, react, delay, html;
        std::string shown, react_box, edit, clicked;
    } cases[] = {
        {"defaults", 0, 0, 1, 2, 0, "000/000", "1", "2", "111/111"},
        {"not reacting shows 0", 1, 7, 0, 5, 1, "171/111", "0", "0", "000/000"},
        {"reacting as -1, the lowest delay", 0, 0, -1, -2147483647 - 1, 0, "000/000", "1",
         "-2147483648", "111/111"},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        enter_fresh_directory();
        start_program();
        settings.save_positions = c.save_positions;
        settings.save_on_exit = c.save_on_exit;
        settings.react_to_punctuation = c.react;
        settings.extra_delay = c.delay;
        settings.html_as_text = c.html;
        run_command(CMD_PREFERENCES);
        // Notices other than a click change nothing.
        for (const auto &p : plain_switches)
            SendMessageA(preferences_window, WM_COMMAND, MAKEWPARAM(p.id, BN_DOUBLECLICKED), 0);
        CHECK(switches() == c.shown);
        CHECK(checked(PREF_REACT) == c.react_box);
        CHECK(window_text(control(PREF_DELAY_EDIT)) == c.edit);
        for (const auto &p : plain_switches)
            click(p.id);
        CHECK(switches() == c.clicked);
        stop_program();
    }
}

// Clicks React to punctuation with the Reader pausing; returns the switch,
// the box, the delay and the pause left, as "1 1 2 0".
static std::string click_react() {
    pause_ticks = 4;
    click(PREF_REACT);
    return std::to_string(settings.react_to_punctuation) + " " + checked(PREF_REACT) + " " +
           std::to_string(settings.extra_delay) + " " + std::to_string(pause_ticks);
}

TEST_CASE("React to punctuation: off clears the delay, on reads it back from the edit text; the "
          "controls stand in rows; the one that had the keys has them again when the window is "
          "re-activated") {
    HWND edit = GetDlgItem(start_with(preferences_window, {CMD_PREFERENCES}), PREF_DELAY_EDIT);
    const struct {
        std::string text;
        int32_t delay;
    } cases[] = {
        {"12abc", 12}, {"abc", 0}, {"  7", 7}, {"-3", -3}, {"2", 2}, {"123456789012", 123456789},
    };
    for (const auto &c : cases) {
        CAPTURE(c.text);
        CHECK(click_react() == "0 0 0 0");
        SetWindowTextA(edit, c.text.c_str());
        CHECK(click_react() == "1 1 " + std::to_string(c.delay) + " 0");
    }
    // Typing changes nothing until the box is switched off and on again.
    SetWindowTextA(edit, "9");
    CHECK(settings.extra_delay == 123456789);

    // A long paste is cut at once to what is read.
    put_clipboard_text(std::string(10000, '8'));
    SetWindowTextA(edit, "");
    SendMessageA(edit, WM_PASTE, 0, 0);
    CHECK(window_text(edit) == "888888888");

    // Units of a twentieth of the width and a twenty-fifth of the height,
    // each taken before it is multiplied.
    size_client(preferences_window, 419, 262);
    CHECK(place_of(edit) == "180,170 200x30");
    CHECK(place_of(control(PREF_HTML_AS_TEXT)) == "20,210 300x30");
    SetFocus(edit);
    run_command(CMD_SPEED);
    CHECK(GetFocus() == speed_window);
    SendMessageA(mdi_client, WM_MDIACTIVATE, (WPARAM)preferences_window, 0);
    pump_messages();
    CHECK(GetFocus() == edit);
    stop_program();
}
