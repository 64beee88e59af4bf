// How closely the running Reader keeps the rate set: the mean interval
// between its timer ticks against 60000 / words_per_minute, at four rates,
// five runs each. Run under Wine: bench_program.h starts the real program.
#include "bench_program.h"

#include "reading/reader.h"
#include "resources/resource.h"
#include "settings/settings.h"

// Dispatches messages until the Reader has ticked intervals + 1 times and
// returns the mean interval between its ticks, in milliseconds.
static double mean_tick_interval(int intervals) {
    double first = 0;
    MSG msg;
    for (int ticks = 0; ticks <= intervals && GetMessageA(&msg, NULL, 0, 0) > 0;) {
        DispatchMessageA(&msg);
        if (msg.message == WM_TIMER && msg.hwnd == reader_window && ticks++ == 0)
            first = now_ms();
    }
    return (now_ms() - first) / intervals;
}

int main() {
    if (!start_bench_program(CMD_READER))
        return 1;
    bench_load_text(prose(100000));
    printf("Reader tick interval, 5 runs per rate (median of the runs' mean intervals)\n");
    printf("%6s %10s %9s %10s %9s %9s %8s %8s\n", "wpm", "60000/wpm", "timer ms", "median ms",
           "min ms", "max ms", "ratio", "wpm got");
    for (int wpm : {100, 490, 1000, 3000}) {
        settings.words_per_minute = wpm;
        double target = 60000.0 / wpm;
        std::vector<double> means;
        for (int run = 0; run < 5; run++) {
            SendMessageA(reader_window, WM_COMMAND, CMD_START, 0);
            // About 3 s of ticks, at least 6 and at most 100.
            means.push_back(mean_tick_interval(std::min(100, std::max(6, (int)(3000 / target)))));
            SendMessageA(reader_window, WM_COMMAND, CMD_STOP, 0);
        }
        double m = median(means);
        auto range = std::minmax_element(means.begin(), means.end());
        printf("%6d %10.2f %9d %10.2f %9.2f %9.2f %8.4f %8.1f\n", wpm, target, 60000 / wpm, m,
               *range.first, *range.second, m / target, 60000.0 / m);
    }
    DestroyWindow(frame_window);
    return 0;
}
