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

// The height of a line of the system font the Navigator writes in, as any
// window measures it.
inline int system_line_height(HWND window) {
    HDC dc = GetDC(window);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    ReleaseDC(window, dc);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

// How many pixels between top and bottom are in the text colour: a word
// marked in inverted colours is a block of them, where letters written
// plainly are only their strokes.
inline int ink_pixels(HWND window, int top, int bottom) {
    const COLORREF ink = RGB(settings.text_red & 255, settings.text_green & 255,
                             settings.text_blue & 255);
    RedrawWindow(window, NULL, NULL, RDW_UPDATENOW);
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = top; y < bottom; y++)
        for (int x = 0; x < client.right; x++)
            count += GetPixel(dc, x, y) == ink;
    ReleaseDC(window, dc);
    return count;
}

inline void click(HWND window, int x, int y) {
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    pump_messages();
}
