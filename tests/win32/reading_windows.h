// Helpers for the tests of the Reader and the Navigator: open them through
// the frame's commands and give the Document a text as the fillers do.
#pragma once
#include "harness.h"

#include "app/window_handles.h"
#include "document/document.h"
#include "document/document_block.h"
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

// "word0 word1 ... word9.\r\nword10 ...": words, phrases and paragraphs.
inline std::string numbered_words(int count) {
    std::string text;
    for (int i = 0; i < count; i++)
        text += "word" + std::to_string(i) + (i % 10 == 9 ? ".\r\n" : " ");
    return text;
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
