// Helpers for the tests of the Reader and the Navigator: open them through
// the frame's commands and give the Document a text as the fillers do.
#pragma once
#include "harness.h"

#include "app/window_handles.h"
#include "document/document.h"
#include "document/document_block.h"
#include "reading/reader_state.h"
#include "resources/resource.h"

#include <string.h>
#include <string>

inline void run_command(int command) {
    SendMessageA(frame_window, WM_COMMAND, command, 0);
    pump_messages();
}

inline void load_text(const std::string &text) {
    unsigned char *block = resize_text_block((uint32_t)text.size());
    REQUIRE(block != nullptr);
    memcpy(block, text.data(), text.size());
    commit_text_block((uint32_t)text.size());
    pump_messages();
}

inline std::string document_text() {
    return std::string((const char *)document.text, document.text_length);
}

// Gives a child window the client size asked for.
inline void size_client(HWND window, int width, int height) {
    RECT inside, outside;
    GetClientRect(window, &inside);
    GetWindowRect(window, &outside);
    SetWindowPos(window, NULL, 0, 0, width + (outside.right - outside.left) - inside.right,
                 height + (outside.bottom - outside.top) - inside.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pump_messages();
}

inline void click(HWND window, int x, int y) {
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    pump_messages();
}

inline void press(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    pump_messages();
}

// One timer tick as the timer delivers it, whatever the real timer does.
inline std::string tick(HWND window) {
    SendMessageA(window, WM_TIMER, 1030, 0);
    return current_word;
}

// Whether the Reader's timer is armed; finding out disarms it.
inline bool take_reader_timer(HWND window) {
    return KillTimer(window, 1030) != 0;
}
