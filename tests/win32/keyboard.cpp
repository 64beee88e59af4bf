// The keyboard as a user meets it: each window, just opened from the menu,
// takes its first key at once, typed on the keyboard with no click before.
#include "reading_windows.h"

#include "glom/glom.h"
#include "glom/glom_sources.h"

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
