// Start-up of the real program for the benchmarks that run under Wine, a text
// to work on, and the timing they share.
#pragma once
#include <windows.h>

#include "app/startup.h"
#include "ui/dispatch.h"
#include "ui/window_handles.h"
#include "document/document_block.h"

#include <algorithm>
#include <stdio.h>
#include <string>
#include <vector>

// Starts the program in the temporary folder and opens the window the
// command opens; 0 if that fails.
inline int start_bench_program(int command) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    SetCurrentDirectoryA(folder);
    app_instance = GetModuleHandleA(NULL);
    if (!register_window_classes())
        return 0;
    init_shared_state(app_instance);
    if (!create_frame_window(SW_SHOWNORMAL))
        return 0;
    SendMessageA(frame_window, WM_COMMAND, command, 0);
    return 1;
}

// Gives the Document the text as the fillers do.
inline void bench_load_text(const std::string &text) {
    text.copy((char *)resize_text_block((uint32_t)text.size()), text.size());
    commit_text_block((uint32_t)text.size());
}

// Prose-like text of about the given size: words, phrases and paragraphs.
inline std::string prose(size_t size) {
    static const char *words[] = {"reading", "the",  "quick", "program,", "words", "at",
                                  "a",       "rate", "of",    "minute.",  "page",  "line"};
    std::string text;
    for (unsigned i = 0; text.size() < size; i++)
        text += words[(i * 7 + i / 13) % 12] + std::string(i % 97 == 96 ? "\r\n\r\n" : " ");
    return text;
}

inline double now_ms() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    return (double)count.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

// The middle one of an odd number of values.
inline double median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}
