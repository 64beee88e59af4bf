// Hours of use in one run: the real program reading at 3000 wpm while a file
// is opened through the Open dialog every 10 s and the colour, the reader
// font's size and the rate each take a step every second, the Navigator
// scrolled and clicked. Every 10 s it samples the live GDI objects (Wine's
// own counter answers 0) and the Reader's rate over the last 10 s: the
// objects must stay flat after the first minute, the rate within 1 % of the
// one set. tests/bench/soak.sh runs it and samples, as the host sees the
// process, its resident memory and open file descriptors.
//   win32_soak.exe [MINUTES]     (default 30)
#include "bench_program.h"
#include "live_gdi_objects.h"

#include "reading/reader_state.h"
#include "resources/resource.h"
#include "settings/settings.h"

#include <dlgs.h>
#include <limits.h>
#include <math.h>
#include <stdlib.h>

// The Open dialog is given the next file and closed, once: answering again
// would stack a loop on every message box the dialog might show.
static std::string next_file;
static int dialog_answered;
static void CALLBACK answer_open_dialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA("#32770", "Tavrin - Open file");
    if (dialog && !dialog_answered) {
        dialog_answered = 1;
        SetDlgItemTextA(dialog, edt1, next_file.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    }
}

// The Reader's ticks, counted as any loop of the thread takes them (the
// Open dialog runs a loop of its own).
static long reader_ticks;
static HHOOK tick_hook;
static LRESULT CALLBACK count_reader_ticks(int code, WPARAM removed, LPARAM lparam) {
    const MSG *m = (const MSG *)lparam;
    if (code == HC_ACTION && removed == PM_REMOVE && m->message == WM_TIMER &&
        m->hwnd == reader_window)
        reader_ticks++;
    return CallNextHookEx(tick_hook, code, removed, lparam);
}

static void pump_until(double end_ms) {
    MSG msg;
    while (now_ms() < end_ms) {
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            dispatch_message(&msg);
        MsgWaitForMultipleObjects(0, NULL, FALSE, 2, QS_ALLINPUT);
    }
}

static void click(HWND window, int x, int y) {
    if (window)
        PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

// One second of use: a swatch, a size step, a rate step, the Navigator.
static void use_tool_windows(int second) {
    RECT r = {};
    GetClientRect(color_window, &r);
    int sw = 2 * (r.right / 10), sh = r.bottom / 4;
    if (second % 2)
        click(color_window, (10 + sw) / 2, (10 + sh) / 2); // black
    else
        click(color_window, (3 * sw + 10) / 2, (10 + sh) / 2); // white
    SendMessageA(fonts_window, WM_HSCROLL, second % 2 ? SB_LINEDOWN : SB_LINEUP, 0);
    SendMessageA(speed_window, WM_KEYDOWN, second % 2 ? VK_UP : VK_DOWN, 0);
    SendMessageA(navigator_window, WM_VSCROLL, second % 20 ? SB_PAGEDOWN : SB_TOP, 0);
    click(navigator_window, 30, 20);
}

struct sample {
    int seconds;
    long gdi;
    double wpm, set_wpm;
};

int main(int argc, char **argv) {
    int minutes = argc > 1 ? atoi(argv[1]) : 30;
    if (!start_bench_program(CMD_NAVIGATOR))
        return 1;
    for (int command : {CMD_READER, CMD_SPEED, CMD_FONTS, CMD_COLOR})
        SendMessageA(frame_window, WM_COMMAND, command, 0);
    SendMessageA(mdi_client, WM_MDITILE, MDITILE_VERTICAL, 0);

    // The files, one of each kind, taken in turn.
    std::string source = __FILE__, folder(MAX_PATH, '\0');
    folder.resize(GetCurrentDirectoryA(MAX_PATH, &folder[0]));
    std::string text = prose(100000);
    std::string word = "Z:" + source.substr(0, source.rfind("/bench/")) + "/data/word/Word6.doc";
    std::replace(word.begin(), word.end(), '/', '\\');
    std::vector<std::string> files = {folder + "\\soak.txt", folder + "\\soak.htm", word};
    FILE *f = fopen(files[0].c_str(), "wb");
    fwrite(text.data(), 1, text.size(), f);
    fclose(f);
    f = fopen(files[1].c_str(), "wb");
    fprintf(f, "<html><body><p>%s</p></body></html>", text.c_str());
    fclose(f);

    bench_load_text(text);
    settings.words_per_minute = 3000;
    settings.react_to_punctuation = 0;
    SendMessageA(frame_window, WM_COMMAND, CMD_START, 0);
    tick_hook = SetWindowsHookExA(WH_GETMESSAGE, count_reader_ticks, NULL, GetCurrentThreadId());
    SetTimer(NULL, 0, 50, answer_open_dialog);

    // Reading alone first: the rate this machine gives the Reader's timer
    // with nothing else to do, for scale.
    long baseline_ticks = reader_ticks;
    double baseline_start = now_ms();
    pump_until(baseline_start + 10000);
    double baseline = (reader_ticks - baseline_ticks) * 60000.0 / (now_ms() - baseline_start);
    printf("reading alone for 10 s: %.1f wpm (%.2f %%)\n", baseline,
           100.0 * (baseline / settings.words_per_minute - 1));
    printf("%7s %9s %8s %9s %8s\n", "seconds", "GDI objs", "set wpm", "read wpm", "error %");
    std::vector<sample> samples;
    double began = now_ms();
    for (int period = 0; period < minutes * 6; period++) {
        // Ten seconds of use, a file opened first; the Reader's ticks over
        // them give its rate. The probes below stall the loop, so they stand
        // between the periods.
        long ticks_before = reader_ticks;
        double start = now_ms();
        next_file = files[period % files.size()];
        dialog_answered = 0;
        SendMessageA(frame_window, WM_COMMAND, CMD_OPEN, 0);
        for (int second = 1; second <= 10; second++) {
            pump_until(start + second * 1000.0);
            use_tool_windows(period * 10 + second);
        }
        sample s;
        s.wpm = (reader_ticks - ticks_before) * 60000.0 / (now_ms() - start);
        s.set_wpm = settings.words_per_minute;
        s.gdi = live_gdi_objects();
        s.seconds = (int)((now_ms() - began) / 1000);
        samples.push_back(s);
        printf("%7d %9ld %8.0f %9.1f %8.2f\n", s.seconds, s.gdi, s.set_wpm, s.wpm,
               100.0 * (s.wpm / s.set_wpm - 1));
        fflush(stdout);
    }

    // Flat after the first minute: from the sample at one minute to the end.
    size_t first = std::min<size_t>(6, samples.size() - 1);
    long most = 0, least = LONG_MAX;
    double worst = 0;
    for (size_t i = 0; i < samples.size(); i++) {
        worst = std::max(worst, fabs(samples[i].wpm / samples[i].set_wpm - 1));
        if (i >= first) {
            most = std::max(most, samples[i].gdi);
            least = std::min(least, samples[i].gdi);
        }
    }
    const sample &a = samples[first], &z = samples.back();
    // Noise: a few objects (the probe's own reckoning).
    int flat = z.gdi - a.gdi <= 4;
    printf("\nGDI objects from %d s to %d s: %ld -> %ld (range %ld) %s\n", a.seconds, z.seconds,
           a.gdi, z.gdi, most - least, flat ? "flat" : "GROWING");
    printf("Reader rate error: at most %.2f %% %s\n", 100 * worst,
           worst <= 0.01 ? "(within 1 %)" : "(MORE than 1 %)");
    UnhookWindowsHookEx(tick_hook);
    DestroyWindow(frame_window);
    return flat && worst <= 0.01 ? 0 : 1;
}
