// The Color window under Wine: its bars, buttons and swatches, the windows
// it has repaint, and what all the drawing windows leave behind.
#include "tool_controls.h"

#include "controls/color_layout.h"

// What every change of colour sends, the Reader once through the Fonts window.
static const std::string ALL_REPAINTED = "FONTSCLASS DRAWCLASS NAVCLASS SPEEDCLASS DRAWCLASS";

static void open_all_windows() {
    start_with(color_window, {CMD_FONTS, CMD_NAVIGATOR, CMD_SPEED, CMD_READER, CMD_COLOR});
}

static void set_components(int text, int back) {
    settings.text_red = settings.text_green = settings.text_blue = text;
    settings.back_red = settings.back_green = settings.back_blue = back;
}

// The text's components, then the background's: "r,g,b r,g,b".
static std::string components() {
    char s[64];
    snprintf(s, sizeof s, "%d,%d,%d %d,%d,%d", settings.text_red, settings.text_green,
             settings.text_blue, settings.back_red, settings.back_green, settings.back_blue);
    return s;
}

static std::string thumbs(const std::vector<HWND> &bars) {
    std::string s;
    for (HWND bar : bars)
        s += (s.empty() ? "" : " ") + std::to_string(GetScrollPos(bar, SB_CTL));
    return s;
}

// Each case starts from 9,9,9 on 9,9,9 with the thumbs at 100.
static void reset_to_nines(const std::vector<HWND> &bars) {
    set_components(9, 9);
    for (HWND bar : bars)
        SetScrollPos(bar, SB_CTL, 100, TRUE);
}

TEST_CASE("the Color window opens on the background with the thumbs at the left; swatches and "
          "bars set only the target's components and have the windows repaint in order") {
    open_all_windows();
    HWND color = color_window;
    std::vector<HWND> bars = controls_of(color, "ScrollBar");
    CHECK(SendDlgItemMessageA(color, 1007, BM_GETCHECK, 0, 0) == BST_CHECKED);
    CHECK(SendDlgItemMessageA(color, 1006, BM_GETCHECK, 0, 0) == BST_UNCHECKED);
    CHECK(thumbs(bars) == "1 1 1");
    size_client(color, 600, 400); // sw 120, sh 100; columns end before 130, 255 and 380
    set_components(0, 40);
    RedrawWindow(color, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(color);
    CHECK(GetPixel(dc, 420, 20) == RGB(40, 40, 40)); // the sample
    CHECK(GetPixel(dc, 300, 50) == RGB(255, 255, 0));
    ReleaseDC(color, dc);

    const struct {
        std::string label;
        int button, x, y;
        std::string after, paints;
    } clicks[] = {
        {"lower row, middle column: green", 1006, 200, 105, "0,255,0 9,9,9", ALL_REPAINTED},
        {"between the columns: only the sample", 1006, 130, 50, "9,9,9 9,9,9", ALL_REPAINTED},
        {"below the swatches' half: nothing", 1007, 60, 201, "9,9,9 9,9,9", ""},
    };
    for (const auto &c : clicks) {
        CAPTURE(c.label);
        SendDlgItemMessageA(color, c.button, BM_CLICK, 0, 0);
        reset_to_nines(bars);
        std::string paints = paints_during(
            [&] { SendMessageA(color, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y)); });
        CHECK(components() == c.after);
        CHECK(paints == c.paints);
        CHECK(thumbs(bars) == "100 100 100");
    }

    const struct {
        std::string label;
        int button, bar, from;
        WPARAM code;
        std::string after, thumbs;
    } steps[] = {
        {"left arrow at 254", 1007, 0, 254, SB_LINEUP, "9,9,9 255,9,9", "255 100 100"},
        {"left arrow at 255: thumb", 1007, 0, 255, SB_LINEUP, "9,9,9 255,9,9", "255 100 100"},
        {"right arrow at 1", 1007, 1, 1, SB_LINEDOWN, "9,9,9 9,0,9", "100 1 100"},
        {"right arrow at 0", 1007, 1, 0, SB_LINEDOWN, "9,9,9 9,0,9", "100 1 100"},
        {"left of the thumb at 250", 1007, 2, 250, SB_PAGEUP, "9,9,9 9,9,255", "100 100 255"},
        {"right of the thumb at 5", 1007, 2, 5, SB_PAGEDOWN, "9,9,9 9,9,0", "100 100 1"},
        {"Home", 1007, 0, 128, SB_TOP, "9,9,9 0,9,9", "1 100 100"},
        {"End", 1007, 0, 128, SB_BOTTOM, "9,9,9 255,9,9", "255 100 100"},
        {"Text color, red dragged", 1006, 0, 9, MAKEWPARAM(SB_THUMBTRACK, 77), "77,9,9 9,9,9",
         "77 100 100"},
        {"Text color, End on blue", 1006, 2, 9, SB_BOTTOM, "9,9,255 9,9,9", "100 100 255"},
        {"thumb released", 1006, 0, 9, MAKEWPARAM(SB_THUMBPOSITION, 77), "9,9,9 9,9,9",
         "100 100 100"},
        {"from no bar, as keys send", 1006, -1, 9, SB_LINEUP, "9,9,9 9,9,9", "100 100 100"},
    };
    for (const auto &c : steps) {
        CAPTURE(c.label);
        SendDlgItemMessageA(color, c.button, BM_CLICK, 0, 0);
        reset_to_nines(bars);
        if (c.bar >= 0)
            (c.button == 1006 ? &settings.text_red : &settings.back_red)[c.bar] = c.from;
        LPARAM from = c.bar >= 0 ? (LPARAM)bars[c.bar] : 0;
        std::string paints = paints_during([&] { SendMessageA(color, WM_HSCROLL, c.code, from); });
        CHECK(components() == c.after);
        CHECK(thumbs(bars) == c.thumbs);
        CHECK(paints == ALL_REPAINTED);
    }
    // The buttons are plain radio buttons the window checks itself.
    CHECK(SendDlgItemMessageA(color, 1006, BM_GETCHECK, 0, 0) == BST_CHECKED);
    CHECK(SendDlgItemMessageA(color, 1007, BM_GETCHECK, 0, 0) == BST_UNCHECKED);
    stop_program();
}

// Each run makes, selects and deletes its fonts and brushes as it does on
// screen; with the frame hidden Wine clips the drawing away. A step costs
// Wine some ten server calls, so 2,000 steps of each kind (or as many as
// TAVRIN_LEAK_STEPS asks) keep this within seconds, and a leak of one object
// a step still shows as 2,000. The version does not matter here: NT only.
TEST_CASE("size, colour and rate steps and repaints leave no GDI object behind") {
    if (GetVersion() & 0x80000000)
        return;
    open_all_windows();
    load_text(numbered_words(200));
    for (HWND w : {fonts_window, navigator_window, speed_window, reader_window, color_window})
        size_client(w, 160, 120);
    ShowWindow(frame_window, SW_HIDE);
    // Each step runs up or down a bar; the Speed window's tell the Reader,
    // whose notices are taken off the queue at once. Without a window, each
    // window repaints in turn.
    const struct {
        std::string label;
        HWND window, bar;
    } runs[] = {
        {"size steps", fonts_window, GetDlgItem(fonts_window, 1002)},
        {"colour steps", color_window, controls_of(color_window, "ScrollBar")[0]},
        {"rate steps", speed_window, NULL},
        {"repaints of each window in turn", NULL, NULL},
    };
    HWND painted[] = {fonts_window, navigator_window, speed_window, reader_window};
    const char *asked = getenv("TAVRIN_LEAK_STEPS");
    const int steps = asked ? atoi(asked) : 2000;
    for (const auto &run : runs) {
        CAPTURE(run.label);
        const long before = live_gdi_objects();
        for (int i = 0; i < steps; i++) {
            if (run.window)
                SendMessageA(run.window, WM_HSCROLL, i % 2 ? SB_LINEUP : SB_LINEDOWN,
                             (LPARAM)run.bar);
            else if (i % 5 < 4)
                SendMessageA(painted[i % 5], WM_PAINT, 0, 0);
            else
                RedrawWindow(color_window, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
            pump_messages();
        }
        const long gained = live_gdi_objects() - before;
        CHECK(gained < 10);
        MESSAGE(run.label << ": " << gained << " objects gained over " << steps << " steps");
    }
    stop_program();
}
