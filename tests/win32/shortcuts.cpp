// The shortcuts of the frame's commands, typed on the keyboard whatever
// window has it.
#include "open_dialog.h"
#include "reading_windows.h"

#include "controls/preferences_form.h"

TEST_CASE("Ctrl+O opens a file and Ctrl+V and Shift+Insert paste from whatever window has the "
          "keyboard, as the menu shows; a running Reader runs on; an edit box keeps its paste") {
    const std::string book = enter_fresh_directory() + "\\book.txt";
    write_whole_file(book, "Call me Ishmael.");
    HWND frame = start_program();
    HMENU file_menu = GetSubMenu(GetMenu(frame), 0);
    CHECK(utf8_menu_text(file_menu, 0) == "&Открыть\tCtrl+O");
    CHECK(utf8_menu_text(file_menu, 3) == "&Вставить в навигатор\tCtrl+V");

    settings.words_per_minute = 1; // no tick while the test runs
    for (int command :
         {CMD_GLOM, CMD_PREFERENCES, CMD_SPEED, CMD_FONTS, CMD_COLOR, CMD_READER, CMD_NAVIGATOR})
        run_command(command);
    run_command(CMD_START);
    const std::string opened = "Tavrin - File [ " + book + " ]";
    const std::string pasted = "Tavrin - Paste from clipboard ";
    const struct {
        std::string label;
        int command; // whose window gets the keyboard
        WORD held, key;
        std::string caption;
    } cases[] = {
        {"Ctrl+O in the Reader", CMD_READER, VK_CONTROL, 'O', opened},
        {"Ctrl+V in the Reader", CMD_READER, VK_CONTROL, 'V', pasted},
        {"Shift+Insert in the Reader", CMD_READER, VK_SHIFT, VK_INSERT, pasted},
        {"Ctrl+O in the Navigator", CMD_NAVIGATOR, VK_CONTROL, 'O', opened},
        {"Ctrl+V in the Speed window", CMD_SPEED, VK_CONTROL, 'V', pasted},
        {"Ctrl+O in the Fonts list", CMD_FONTS, VK_CONTROL, 'O', opened},
        {"Shift+Insert in the Color window", CMD_COLOR, VK_SHIFT, VK_INSERT, pasted},
        {"Ctrl+V on Save Now", CMD_PREFERENCES, VK_CONTROL, 'V', pasted},
        {"Ctrl+O in the Glom list", CMD_GLOM, VK_CONTROL, 'O', opened},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        run_command(c.command);
        SetWindowTextA(frame, "Tavrin");
        put_clipboard_text("pasted words");
        answer_next_open_dialog(book);
        send_key_with(c.held, c.key);
        pump_messages();
        CHECK(window_text(frame) == c.caption);
        CHECK(running == 1);
    }

    // In the edit box the paste is the box's own; Ctrl+O still opens.
    run_command(CMD_PREFERENCES);
    HWND edit = GetDlgItem(preferences_window, PREF_DELAY_EDIT);
    SetFocus(edit);
    SetWindowTextA(edit, "");
    SetWindowTextA(frame, "Tavrin");
    put_clipboard_text("7");
    send_key_with(VK_CONTROL, 'V');
    pump_messages();
    CHECK(window_text(edit) == "7");
    CHECK(window_text(frame) == "Tavrin");
    answer_next_open_dialog(book);
    send_key_with(VK_CONTROL, 'O');
    pump_messages();
    CHECK(window_text(frame) == opened);
    stop_program();
}
