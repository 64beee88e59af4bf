// Helpers for the tests of the Reader and the Navigator: the frame's
// commands, a text given as the fillers give it, client sizes and clicks.
#pragma once
#include "harness.h"

#include "app/window_handles.h"
#include "document/document.h"
#include "document/document_block.h"
#include "reading/reader_state.h"
#include "resources/resource.h"
#include "settings/settings.h"

inline void run_command(int command) {
    SendMessageA(frame_window, WM_COMMAND, command, 0);
    pump_messages();
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

// Reads the Document on from read_pos as a user would, whatever a load left
// in it: the Reader steps through it word by word (at most one tick a byte),
// the Navigator draws its last page and takes a click there. Returns where
// the Reader stopped.
inline uint32_t read_through_document() {
    settings.react_to_punctuation = 0;
    pause_ticks = 0;
    running = 1;
    for (uint32_t tick = 0;
         document.read_pos < document.text_length && tick <= document.text_length; tick++)
        SendMessageA(reader_window, WM_TIMER, 1030, 0);
    running = 0;
    const uint32_t reached = document.read_pos;
    SendMessageA(navigator_window, WM_VSCROLL, SB_BOTTOM, 0);
    SendMessageA(navigator_window, WM_PAINT, 0, 0);
    click(navigator_window, 5, 5);
    return reached;
}
