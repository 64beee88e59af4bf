// The rate the Reader reads against the rate set, seen as a reader sees it:
// the words shown over a minute, quiet and while the program is used. Run
// under Wine: bench_program.h starts the real program.
//   win32_reader_timer_bench [SECONDS [RUNS]]   (60 s and 5 runs by default)
// "In use": every 50 ms, in turn, a key to the Color window (which repaints
// four windows), a page key to the Navigator, and the Speed window's Left or
// Right (a rate step down, then back up), each several times a second.
#include "bench_program.h"

#include "document/document.h"
#include "reading/reader_state.h"
#include "resources/resource.h"
#include "settings/settings.h"

#include <stdlib.h>

struct reading_run {
    double words_read, words_set; // shown, and what the rates set give over the time
    double shortest, longest;     // intervals between words, ms
};

static int use_step;
static double rate_since, words_set; // the rate's last change, and words it gave before it
static int rate_now;

static void note_rate(double now) {
    words_set += (now - rate_since) * rate_now / 60000.0;
    rate_since = now;
    rate_now = settings.words_per_minute;
}

static void CALLBACK use_program(HWND, UINT, UINT_PTR, DWORD) {
    switch (use_step++ % 4) {
    case 0: SendMessageA(color_window, WM_KEYDOWN, VK_SPACE, 0); break;
    case 1:
        SendMessageA(navigator_window, WM_KEYDOWN, use_step % 8 < 4 ? VK_NEXT : VK_PRIOR, 0);
        break;
    case 2:
    case 3:
        SendMessageA(speed_window, WM_KEYDOWN, use_step % 4 == 3 ? VK_LEFT : VK_RIGHT, 0);
        note_rate(now_ms());
        break;
    }
}

static reading_run read_for(int wpm, double seconds, bool in_use) {
    settings.words_per_minute = wpm;
    settings.react_to_punctuation = 0;
    document.read_pos = 0;
    reading_run run = {0, 0, 1e9, 0};
    words_set = 0;
    use_step = 0;
    SendMessageA(frame_window, WM_COMMAND, CMD_START, 0);
    const double start = now_ms();
    rate_since = start;
    rate_now = wpm;
    UINT_PTR user = in_use ? SetTimer(NULL, 0, 50, use_program) : 0;
    double last = start;
    MSG msg;
    while (now_ms() - start < seconds * 1000 && GetMessageA(&msg, NULL, 0, 0) > 0) {
        // A word's time is when its tick arrives, not when its drawing ends.
        const double now = now_ms();
        const bool word = msg.message == WM_TIMER && msg.hwnd == reader_window && running;
        dispatch_message(&msg);
        if (word) {
            double gap = now - last;
            if (gap < run.shortest)
                run.shortest = gap;
            if (gap > run.longest)
                run.longest = gap;
            last = now;
            run.words_read++;
        }
    }
    if (user)
        KillTimer(NULL, user);
    SendMessageA(frame_window, WM_COMMAND, CMD_STOP, 0);
    // Up to the last word: the words the rates set give by then.
    note_rate(last);
    run.words_set = words_set;
    settings.words_per_minute = wpm;
    return run;
}

int main(int argc, char **argv) {
    double seconds = argc > 1 ? atof(argv[1]) : 60;
    int runs = argc > 2 ? atoi(argv[2]) : 5;
    if (!start_bench_program(CMD_READER))
        return 1;
    for (int command : {CMD_NAVIGATOR, CMD_SPEED, CMD_COLOR})
        SendMessageA(frame_window, WM_COMMAND, command, 0);
    bench_load_text(prose(1000000));
    printf("Words read against the rate set, %.0f s a run, median of %d runs\n", seconds, runs);
    printf("%-7s %5s %10s %9s %9s %9s %11s %11s\n", "load", "wpm", "read wpm", "error %", "min %",
           "max %", "shortest ms", "longest ms");
    const struct {
        bool in_use;
        int wpm;
    } settings_rows[] = {{false, 100},  {false, 490}, {false, 1000},
                         {false, 3000}, {true, 490},  {true, 3000}};
    for (const auto &row : settings_rows) {
        std::vector<double> errors;
        double shortest = 1e9, longest = 0;
        for (int i = 0; i < runs; i++) {
            reading_run r = read_for(row.wpm, seconds, row.in_use);
            errors.push_back((r.words_read / r.words_set - 1) * 100);
            shortest = std::min(shortest, r.shortest);
            longest = std::max(longest, r.longest);
        }
        double e = median(errors);
        auto range = std::minmax_element(errors.begin(), errors.end());
        printf("%-7s %5d %10.1f %+9.3f %+9.3f %+9.3f %11.1f %11.1f\n",
               row.in_use ? "in use" : "quiet", row.wpm, row.wpm * (1 + e / 100), e, *range.first,
               *range.second, shortest, longest);
        fflush(stdout);
    }
    DestroyWindow(frame_window);
    return 0;
}
