// Start-up of the real program for the benchmarks that run under Wine, and
// the small statistics they report.
#pragma once
#include <windows.h>

#include "app/startup.h"
#include "app/window_classes.h"
#include "app/window_handles.h"
#include "document/document_block.h"

#include <algorithm>
#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>

inline HWND start_bench_program() {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    SetCurrentDirectoryA(folder);
    HINSTANCE instance = GetModuleHandleA(NULL);
    app_instance = instance;
    if (!register_window_classes())
        return 0;
    init_shared_state(instance);
    return create_frame_window(SW_SHOWNORMAL);
}

inline void pump_bench_messages() {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

inline void run_bench_command(int command) {
    SendMessageA(frame_window, WM_COMMAND, command, 0);
    pump_bench_messages();
}

inline int bench_load_text(const std::string &text) {
    unsigned char *block = resize_text_block((uint32_t)text.size());
    if (!block)
        return 0;
    memcpy(block, text.data(), text.size());
    commit_text_block((uint32_t)text.size());
    return 1;
}

inline double now_ms() {
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return (double)count.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
