// What one colour step and one size step cost with every drawing window open
// on a 50 MB text (a colour step has the Fonts, Navigation, Speed and Reader
// windows repaint before it returns, a size step the Fonts window and the
// Reader), and how long the Fonts window takes to open. Run under Wine.
#include "bench_program.h"

#include "resources/resource.h"

enum { STEPS = 1001, OPENINGS = 21 };

static double percentile_95(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[(values.size() * 95 + 99) / 100 - 1];
}

static void pump() {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        dispatch_message(&msg);
}

// The leftmost scroll bar of the Color window: the red bar.
static HWND red_bar() {
    HWND found = 0;
    RECT left = {};
    for (HWND c = GetWindow(color_window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char name[32] = "";
        GetClassNameA(c, name, sizeof name);
        RECT r;
        GetWindowRect(c, &r);
        if (lstrcmpiA(name, "ScrollBar") == 0 && (!found || r.left < left.left)) {
            found = c;
            left = r;
        }
    }
    return found;
}

static HWND size_bar() {
    return GetDlgItem(fonts_window, 1002);
}

// Sends the bar's window SB_THUMBTRACK to positions first, first + 1, ...
// (count of them, round again); the time of each.
static std::vector<double> drag(HWND window, HWND bar, int first, int count) {
    std::vector<double> times;
    for (int i = 0; i < STEPS; i++) {
        double start = now_ms();
        SendMessageA(window, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, first + i % count), (LPARAM)bar);
        GdiFlush();
        times.push_back(now_ms() - start);
    }
    return times;
}

static void report(const char *label, const std::vector<double> &times) {
    printf("%-46s %10.3f %10.3f\n", label, median(times), percentile_95(times));
}

int main() {
    if (!start_bench_program(CMD_READER))
        return 1;
    SetWindowPos(frame_window, NULL, 0, 0, 1024, 768, SWP_NOZORDER);
    bench_load_text(prose(50u << 20));
    for (int command : {CMD_NAVIGATOR, CMD_SPEED, CMD_COLOR, CMD_FONTS})
        SendMessageA(frame_window, WM_COMMAND, command, 0);
    std::vector<double> opening;
    for (int i = 0; i < OPENINGS; i++) {
        SendMessageA(mdi_client, WM_MDIDESTROY, (WPARAM)fonts_window, 0);
        pump();
        double start = now_ms();
        SendMessageA(frame_window, WM_COMMAND, CMD_FONTS, 0);
        pump();
        GdiFlush();
        opening.push_back(now_ms() - start);
    }
    SendMessageA(mdi_client, WM_MDITILE, MDITILE_VERTICAL, 0);
    pump();
    RECT fonts, color;
    GetClientRect(fonts_window, &fonts);
    GetClientRect(color_window, &color);
    printf("Frame 1024x768, five windows tiled (clients %ldx%ld), 50 MB text\n", fonts.right,
           fonts.bottom);
    printf("%-46s %10s %10s\n", "", "median ms", "95th ms");
    report("colour step (SB_THUMBTRACK on the red bar)", drag(color_window, red_bar(), 1, 255));
    report("size step (SB_THUMBTRACK, heights 60-139)", drag(fonts_window, size_bar(), 60, 80));
    printf("%-46s %10.3f            (median of %d)\n", "opening the Fonts window", median(opening),
           OPENINGS);

    DestroyWindow(frame_window);
    return 0;
}
