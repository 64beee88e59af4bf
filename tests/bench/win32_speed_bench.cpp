// The Speed window against a running Reader: how soon a new rate shows in the
// Reader's ticks (the first three intervals after a change, measured from the
// change), and what one SB_THUMBTRACK step costs on a 50 MB text with the
// Reader and the Navigator open. Run under Wine.
#include "bench_program.h"

#include "resources/resource.h"
#include "settings/settings.h"

enum { RUNS = 5, DRAG_STEPS = 201 };

// Dispatches messages until the Reader has ticked three times; the times of
// those ticks, in ms after since.
static std::vector<double> next_three_ticks(double since) {
    std::vector<double> ticks;
    MSG msg;
    while (ticks.size() < 3 && GetMessageA(&msg, NULL, 0, 0) > 0) {
        DispatchMessageA(&msg);
        if (msg.message == WM_TIMER && msg.hwnd == reader_window)
            ticks.push_back(now_ms() - since);
    }
    return ticks;
}

static void change_rate(int wpm) {
    SendMessageA(speed_window, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, wpm), 0);
}

// The three intervals after a change from one rate to the other, the change
// made a third of an old interval after a tick; median of the runs.
static void measure_change(int from, int to) {
    std::vector<double> intervals[3];
    for (int run = 0; run < RUNS; run++) {
        change_rate(from);
        SendMessageA(reader_window, WM_COMMAND, CMD_START, 0);
        next_three_ticks(now_ms());
        double tick = now_ms();
        while (now_ms() - tick < 60000.0 / from / 3)
            Sleep(1);
        double change = now_ms();
        change_rate(to);
        std::vector<double> t = next_three_ticks(change);
        SendMessageA(reader_window, WM_COMMAND, CMD_STOP, 0);
        for (int i = 0; i < 3; i++)
            intervals[i].push_back(t[i] - (i ? t[i - 1] : 0));
    }
    printf("%5d -> %-5d %10.1f %10.1f %10.1f %10.1f\n", from, to, 60000.0 / to,
           median(intervals[0]), median(intervals[1]), median(intervals[2]));
}

// Median cost of one SB_THUMBTRACK step, with or without the Reader's notice
// being handled inside the timing.
static double median_drag_step() {
    std::vector<double> times;
    for (int i = 0; i < DRAG_STEPS; i++) {
        GdiFlush();
        double start = now_ms();
        change_rate(100 + i % 1900);
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        GdiFlush();
        times.push_back(now_ms() - start);
    }
    return median(times);
}

int main() {
    if (!start_bench_program(CMD_SPEED))
        return 1;
    SendMessageA(frame_window, WM_COMMAND, CMD_READER, 0);
    bench_load_text(prose(100000));
    printf("Reader ticks after a rate change, median of %d runs (ms from the change)\n", RUNS);
    printf("%-14s %10s %10s %10s %10s\n", "wpm", "new ms", "1st", "2nd", "3rd");
    measure_change(100, 3000);
    measure_change(3000, 100);

    SendMessageA(frame_window, WM_COMMAND, CMD_NAVIGATOR, 0);
    bench_load_text(prose(50u << 20));
    SendMessageA(reader_window, WM_COMMAND, CMD_START, 0);
    printf("SB_THUMBTRACK on a 50 MB text, Reader running, Navigator open: "
           "median %.3f ms of %d steps\n",
           median_drag_step(), DRAG_STEPS);
    DestroyWindow(frame_window);
    return 0;
}
