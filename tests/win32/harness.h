// Helpers for the tests that run the real program's windows under Wine.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

#include "doctest.h"

// Dispatches every queued message, as the program's loop would.
void pump_messages();
// Pumps for the given time, sleeping while the queue is empty.
void pump_for(DWORD milliseconds);

// Message boxes shown by the program are read and closed by a hook; each
// becomes one entry here.
struct shown_message {
    std::string text;
    std::string caption;
};
extern std::vector<shown_message> shown_messages;
// The boxes shown, as "caption: text | caption: text".
std::string shown_message_list();

// The class of every window created since the program was last started, in
// the order of creation.
extern std::vector<std::string> created_classes;

// Makes a new empty folder the current directory and returns its path.
std::string enter_fresh_directory();

// Start-up as the program runs it (the classes are registered once for the
// whole run), then the queued commands; returns the frame. The About window
// that start-up shows is hidden again unless asked for, so that it covers
// none of the windows under test.
enum { HIDE_ABOUT = 0, KEEP_ABOUT = 1 };
HWND start_program(int show = SW_SHOWNORMAL, int about = HIDE_ABOUT);
// Destroys the frame and the About window, as the end of the program does.
void stop_program();

std::string read_whole_file(const std::string &path);
void write_whole_file(const std::string &path, const std::string &bytes);
int file_exists(const std::string &path);

std::string window_text(HWND window);
std::string class_of(HWND window);
// The text of a menu's item at a position, in UTF-8.
std::string utf8_menu_text(HMENU menu, int position);

#include "live_gdi_objects.h"

// Presses and releases a key on the keyboard, as a user does: it goes to
// whatever has the focus. A unicode character is typed as such when key is 0.
void send_key(WORD key, wchar_t unicode = 0);
// Presses and releases a key while holding down another (VK_SHIFT, VK_CONTROL).
void send_key_with(WORD held, WORD key);
// Turns the mouse wheel by amount (WHEEL_DELTA a notch, away from the user
// when positive) with the pointer over the middle of the window.
void turn_wheel(HWND window, int amount);

// Puts text on the clipboard as CF_TEXT.
void put_clipboard_text(const std::string &text);
// The clipboard's CF_TEXT, or "<none>" when it holds none.
std::string clipboard_text();
