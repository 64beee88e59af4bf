// What the Navigator costs on a 50 MB text against a short one: a full page
// paint at the start, middle and end, SB_BOTTOM, Page Down, Line Up and
// clicks; and the layout of a page with one width query per byte against the
// width table filled once per paint. Run under Wine.
#include "bench_program.h"

#include "document/document.h"
#include "reading/line_layout.h"
#include "reading/navigator.h"
#include "resources/resource.h"

enum { REPEATS = 41 };

// Prose-like text of about the given size: words, phrases and paragraphs.
static std::string prose(size_t size) {
    static const char *words[] = {"reading", "the",  "quick", "program,", "words", "at",
                                  "a",       "rate", "of",    "minute.",  "page",  "line"};
    std::string text;
    text.reserve(size + 64);
    for (unsigned i = 0; text.size() < size; i++) {
        text += words[(i * 7 + i / 13) % 12];
        text += i % 97 == 96 ? "\r\n\r\n" : " ";
    }
    return text;
}

// Median time of one message sent to the Navigator, in milliseconds.
static double time_message(UINT message, WPARAM wparam, LPARAM lparam, uint32_t anchor) {
    std::vector<double> times;
    for (int i = 0; i < REPEATS; i++) {
        document.anchor_pos = anchor;
        SendMessageA(navigator_window, WM_PAINT, 0, 0);
        GdiFlush();
        double start = now_ms();
        SendMessageA(navigator_window, message, wparam, lparam);
        GdiFlush();
        times.push_back(now_ms() - start);
    }
    return median(times);
}

static HDC width_dc;
static int width_by_query(unsigned char b) {
    int w = 0;
    GetCharWidthA(width_dc, b, b, &w);
    return w;
}
static int table[256];
static int width_from_table(unsigned char b) {
    return table[b];
}

// Median time to lay out one page of lines from anchor without drawing.
static double time_layout(byte_width_function width_of, int fill_table, uint32_t anchor) {
    RECT r;
    GetClientRect(navigator_window, &r);
    std::vector<double> times;
    for (int i = 0; i < REPEATS; i++) {
        double start = now_ms();
        if (fill_table)
            GetCharWidthA(width_dc, 0, 255, table);
        uint32_t pos = anchor;
        for (unsigned line = 0; line < lines_per_page && pos < document.text_length; line++)
            pos += layout_line(width_of, r.right, pos);
        times.push_back(now_ms() - start);
    }
    return median(times);
}

struct row {
    const char *label;
    double short_ms, long_ms;
};

static void measure(const std::string &text, int column, row *rows) {
    bench_load_text(text);
    pump_bench_messages();
    uint32_t length = document.text_length, middle = length / 2;
    // The word under the pointer in the middle of the page's fifth line.
    LPARAM on_a_word = MAKELPARAM(200, 4 * line_height + line_height / 2);
    double results[] = {
        time_message(WM_PAINT, 0, 0, 0),
        time_message(WM_PAINT, 0, 0, middle),
        time_message(WM_PAINT, 0, 0, length - 2000),
        time_message(WM_VSCROLL, SB_BOTTOM, 0, middle),
        time_message(WM_VSCROLL, SB_TOP, 0, middle),
        time_message(WM_VSCROLL, SB_PAGEDOWN, 0, middle),
        time_message(WM_VSCROLL, SB_LINEUP, 0, middle),
        time_message(WM_LBUTTONDOWN, MK_LBUTTON, on_a_word, middle),
        time_layout(width_by_query, 0, middle),
        time_layout(width_from_table, 1, middle),
    };
    for (size_t i = 0; i < sizeof results / sizeof results[0]; i++)
        (column ? rows[i].long_ms : rows[i].short_ms) = results[i];
}

int main() {
    if (!start_bench_program())
        return 1;
    run_bench_command(CMD_NAVIGATOR);
    MoveWindow(navigator_window, 0, 0, 640, 480, TRUE);
    pump_bench_messages();
    width_dc = GetDC(navigator_window);
    row rows[] = {
        {"paint, page at the start", 0, 0},
        {"paint, page in the middle", 0, 0},
        {"paint, page at the end", 0, 0},
        {"SB_BOTTOM (scroll and paint)", 0, 0},
        {"SB_TOP (scroll and paint)", 0, 0},
        {"SB_PAGEDOWN (scroll and paint)", 0, 0},
        {"SB_LINEUP (scroll and paint)", 0, 0},
        {"click on a word (mark it)", 0, 0},
        {"layout only, GetCharWidthA per byte", 0, 0},
        {"layout only, width table per paint", 0, 0},
    };
    const size_t short_size = 20000, long_size = 50u * 1024 * 1024;
    measure(prose(short_size), 0, rows);
    measure(prose(long_size), 1, rows);
    RECT r;
    GetClientRect(navigator_window, &r);
    printf("Navigator, client %ldx%ld, %u lines a page, median of %d (ms)\n", r.right, r.bottom,
           lines_per_page, REPEATS);
    printf("%-38s %12s %12s %8s\n", "operation", "20 KB text", "50 MB text", "ratio");
    for (const row &x : rows)
        printf("%-38s %12.3f %12.3f %8.2f\n", x.label, x.short_ms, x.long_ms,
               x.long_ms / x.short_ms);
    ReleaseDC(navigator_window, width_dc);
    DestroyWindow(frame_window);
    return 0;
}
