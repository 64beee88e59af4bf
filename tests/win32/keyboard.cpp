// The keyboard as a user meets it: each window, just opened from the menu,
// takes its first key at once, typed on the keyboard with no click before.
#include "reading_windows.h"

#include "glom/glom.h"

// The window or control that has the focus, by its class and its window's.
static std::string focus_owner() {
    HWND focus = GetFocus();
    HWND parent = focus ? GetParent(focus) : NULL;
    return parent && parent != mdi_client ? class_of(parent) + " " + class_of(focus)
                                          : class_of(focus);
}

TEST_CASE("every window takes its first key as soon as it is opened") {
    enter_fresh_directory();
    start_program(SW_SHOWNORMAL, KEEP_ABOUT);
    send_key(VK_SPACE);
    pump_messages();
    CHECK_FALSE(IsWindowVisible(about_window));

    static int words_per_minute;
    const struct {
        std::string label;
        int command;
        WORD key;
        std::string expected_focus;
        int (*took_key)();
    } cases[] = {
        {"Navigator: Page Down", CMD_NAVIGATOR, VK_NEXT, "NAVCLASS",
         [] { return (int)(document.anchor_pos > 0); }},
        {"Reader: Page Down", CMD_READER, VK_NEXT, "DRAWCLASS",
         [] { return (int)(document.read_pos > 0); }},
        {"Speed: Right", CMD_SPEED, VK_RIGHT, "SPEEDCLASS",
         [] { return (int)(settings.words_per_minute == words_per_minute + 10); }},
        {"Fonts: a letter in the family list", CMD_FONTS, 'S', "FONTSCLASS ListBox",
         [] { return (int)(settings.face_name[0] == 'S'); }},
        // Keys that reach the window itself steer no colour: only its focus shows.
        {"Color: Home", CMD_COLOR, VK_HOME, "COLORCLASS", [] { return 1; }},
        {"Preferences: Space on Save Now", CMD_PREFERENCES, VK_SPACE, "PREFCLASS Button",
         [] { return file_exists("tav.dat"); }},
        {"Glom: Down in the source list, when it lists any", CMD_GLOM, VK_DOWN, "GLOMCLASS ListBox",
         [] {
             HWND list = GetFocus();
             return (int)(SendMessageA(list, LB_GETCOUNT, 0, 0) == 0 || glom_name[0] != 0);
         }},
    };
    load_text(numbered_words(3000));
    for (const auto &c : cases) {
        CAPTURE(c.label);
        document.read_pos = document.anchor_pos = 0;
        words_per_minute = settings.words_per_minute;
        run_command(c.command);
        CHECK(focus_owner() == c.expected_focus);
        send_key(c.key);
        pump_messages();
        CHECK(c.took_key() == 1);
    }
    stop_program();
}
