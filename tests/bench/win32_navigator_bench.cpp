// What the Navigator costs on a 50 MB text against a 20 KB one: a full page
// paint at the start, middle and end, SB_BOTTOM and a click; and the layout of
// a page with one width query per byte against a width table filled once per
// paint. Run under Wine.
#include "bench_program.h"

#include "document/document.h"
#include "reading/line_layout.h"
#include "reading/navigator.h"
#include "resources/resource.h"

enum { REPEATS = 41 };

static HDC dc;
static RECT client;
static int table[256];
static int width_by_query(unsigned char b) {
    int w = 0;
    GetCharWidthA(dc, b, b, &w);
    return w;
}
static int width_from_table(unsigned char b) {
    return table[b];
}

// Median time of one message sent to the Navigator, the page repainted from
// anchor before each; with width_of, of laying out a page instead, filling
// the table first when width_of reads it.
static double median_ms(uint32_t anchor, UINT message, WPARAM wparam = 0, LPARAM lparam = 0,
                        byte_width_function width_of = 0) {
    std::vector<double> times;
    for (int i = 0; i < REPEATS; i++) {
        document.anchor_pos = anchor;
        SendMessageA(navigator_window, WM_PAINT, 0, 0);
        GdiFlush();
        double start = now_ms();
        if (message)
            SendMessageA(navigator_window, message, wparam, lparam);
        if (width_of == width_from_table)
            GetCharWidthA(dc, 0, 255, table);
        char line[LINE_TEXT_SIZE];
        for (uint32_t line_count = 0, pos = anchor; width_of && line_count < lines_per_page;
             line_count++)
            pos += layout_line(width_of, client.right, 0, pos, line);
        GdiFlush();
        times.push_back(now_ms() - start);
    }
    return median(times);
}

int main() {
    if (!start_bench_program(CMD_NAVIGATOR))
        return 1;
    MoveWindow(navigator_window, 0, 0, 640, 480, TRUE);
    GetClientRect(navigator_window, &client);
    dc = GetDC(navigator_window);
    const char *labels[] = {"paint, page at the start",
                            "paint, page in the middle",
                            "paint, page at the end",
                            "SB_BOTTOM (scroll and paint)",
                            "click on a word (mark it)",
                            "layout only, GetCharWidthA per byte",
                            "layout only, width table per paint"};
    std::vector<double> ms[2];
    for (size_t size : {20000u, 50u << 20}) {
        bench_load_text(prose(size));
        uint32_t middle = document.text_length / 2;
        // The word under the pointer in the middle of the page's fifth line.
        LPARAM on_a_word = MAKELPARAM(200, 4 * line_height + line_height / 2);
        ms[size > 20000] = {median_ms(0, WM_PAINT),
                            median_ms(middle, WM_PAINT),
                            median_ms(document.text_length - 2000, WM_PAINT),
                            median_ms(middle, WM_VSCROLL, SB_BOTTOM),
                            median_ms(middle, WM_LBUTTONDOWN, MK_LBUTTON, on_a_word),
                            median_ms(middle, 0, 0, 0, width_by_query),
                            median_ms(middle, 0, 0, 0, width_from_table)};
    }
    printf("Navigator, client %ldx%ld, %u lines a page, median of %d (ms)\n", client.right,
           client.bottom, lines_per_page, REPEATS);
    printf("%-38s %12s %12s %8s\n", "operation", "20 KB text", "50 MB text", "ratio");
    for (size_t i = 0; i < ms[0].size(); i++)
        printf("%-38s %12.3f %12.3f %8.2f\n", labels[i], ms[0][i], ms[1][i], ms[1][i] / ms[0][i]);
    DestroyWindow(frame_window);
    return 0;
}
