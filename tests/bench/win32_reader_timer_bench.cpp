// How closely the running Reader keeps the rate set: the mean interval
// between its timer ticks against 60000 / words_per_minute, at four rates,
// several runs each. Run under Wine: bench_program.h starts the real program.
#include "bench_program.h"

#include "reading/reader.h"
#include "reading/reader_state.h"
#include "resources/resource.h"
#include "settings/settings.h"

// Dispatches messages until the Reader has ticked intervals + 1 times and
// returns the mean interval between its ticks, in milliseconds.
static double mean_tick_interval(int intervals) {
    std::vector<double> ticks;
    MSG msg;
    while ((int)ticks.size() < intervals + 1 && GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        if (msg.message == WM_TIMER && msg.hwnd == reader_window)
            ticks.push_back(now_ms());
    }
    return (ticks.back() - ticks.front()) / intervals;
}

int main() {
    std::string words;
    for (int i = 0; i < 20000; i++)
        words += "word ";
    if (!start_bench_program() || !bench_load_text(words))
        return 1;
    run_bench_command(CMD_READER);
    const int rates[] = {100, 490, 1000, 3000};
    const int runs = 5;
    printf("Reader tick interval, %d runs per rate (median of the runs' mean intervals)\n", runs);
    printf("%6s %10s %9s %10s %9s %9s %8s %8s %5s\n", "wpm", "60000/wpm", "timer ms", "median ms",
           "min ms", "max ms", "ratio", "wpm got", "1 ms");
    for (int wpm : rates) {
        settings.words_per_minute = wpm;
        double target = 60000.0 / wpm;
        int intervals = (int)(3000 / target);
        intervals = intervals < 6 ? 6 : intervals > 100 ? 100 : intervals;
        std::vector<double> means;
        int held = 1;
        for (int run = 0; run < runs; run++) {
            SendMessageA(reader_window, WM_COMMAND, CMD_START, 0);
            held &= reader_holds_fine_timer();
            means.push_back(mean_tick_interval(intervals));
            SendMessageA(reader_window, WM_COMMAND, CMD_STOP, 0);
        }
        double m = median(means);
        printf("%6d %10.2f %9d %10.2f %9.2f %9.2f %8.4f %8.1f %5s\n", wpm, target, 60000 / wpm, m,
               *std::min_element(means.begin(), means.end()),
               *std::max_element(means.begin(), means.end()), m / target, 60000.0 / m,
               held ? "yes" : "no");
    }
    DestroyWindow(frame_window);
    return 0;
}
