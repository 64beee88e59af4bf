// Helpers for the tests of the Reader and the Navigator: the frame's
// commands, a fresh start with windows open, a text given as the fillers give it, client sizes and
// clicks.
#pragma once
#include "harness.h"

#include "ui/window_handles.h"
#include "document/document.h"
#include "document/document_block.h"
#include "reading/reader_state.h"
#include "resources/resource.h"
#include "settings/settings.h"

inline void run_command(int command) {
    SendMessageA(frame_window, WM_COMMAND, command, 0);
    pump_messages();
}

// A fresh start in a new folder with the commands' windows opened in turn;
// window, one of theirs, must be open.
inline HWND start_with(HWND &window, std::initializer_list<int> commands) {
    enter_fresh_directory();
    start_program();
    for (int command : commands)
        run_command(command);
    REQUIRE(window != nullptr);
    return window;
}

inline void load_text(const std::string &text) {
    text.copy((char *)resize_text_block((uint32_t)text.size()), text.size());
    commit_text_block((uint32_t)text.size());
    pump_messages();
}

// "word0 word1 ... word9.\r\nword10 ...": words, phrases and paragraphs.
inline std::string numbered_words(int count) {
    std::string text;
    for (int i = 0; i < count; i++)
        text += "word" + std::to_string(i) + (i % 10 == 9 ? ".\r\n" : " ");
    return text;
}

// Gives a child window the client size asked for, whatever its frame and scroll bar take.
inline void size_client(HWND window, int width, int height) {
    RECT in, out;
    GetClientRect(window, &in);
    GetWindowRect(window, &out);
    SetWindowPos(window, NULL, 0, 0, width + out.right - out.left - in.right,
                 height + out.bottom - out.top - in.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pump_messages();
}

inline void click(HWND window, int x, int y) {
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    pump_messages();
}
