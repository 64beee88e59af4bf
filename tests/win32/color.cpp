// The Color window under Wine: its bars, buttons and swatches, the windows
// it has repaint, and what all the drawing windows leave behind.
#include "tool_controls.h"

#include "controls/color_layout.h"
#include "settings/settings.h"

// What every change of colour sends, the Reader once through the Fonts window.
static const std::string ALL_REPAINTED = "FONTSCLASS DRAWCLASS NAVCLASS SPEEDCLASS DRAWCLASS";

static void open_all_windows() {
    enter_fresh_directory();
    start_program();
    for (int command : {CMD_FONTS, CMD_NAVIGATOR, CMD_SPEED, CMD_READER, CMD_COLOR})
        run_command(command);
    REQUIRE(color_window != nullptr);
}

static void set_components(int text, int back) {
    settings.text_red = settings.text_green = settings.text_blue = text;
    settings.back_red = settings.back_green = settings.back_blue = back;
}

static std::string components() {
    char s[64];
    snprintf(s, sizeof s, "text %d,%d,%d back %d,%d,%d", settings.text_red, settings.text_green,
             settings.text_blue, settings.back_red, settings.back_green, settings.back_blue);
    return s;
}

static std::string thumbs(const std::vector<HWND> &bars) {
    std::string s;
    for (HWND bar : bars)
        s += std::to_string(GetScrollPos(bar, SB_CTL)) + " ";
    return s;
}

TEST_CASE("a new Color window: Background chosen, thumbs at the left, sample and swatches drawn") {
    enter_fresh_directory();
    start_program();
    set_components(0, 40);
    run_command(CMD_COLOR);
    HWND color = color_window;
    CHECK(SendDlgItemMessageA(color, 1007, BM_GETCHECK, 0, 0) == BST_CHECKED);
    CHECK(SendDlgItemMessageA(color, 1006, BM_GETCHECK, 0, 0) == BST_UNCHECKED);
    CHECK(thumbs(controls_of(color, "ScrollBar")) == "1 1 1 ");
    RECT client;
    GetClientRect(color, &client);
    color_layout l = color_layout_for(client.right, client.bottom);
    HDC dc = GetDC(color);
    CHECK(GetPixel(dc, l.sample.left + 1, l.sample.top + 1) == RGB(40, 40, 40));
    const edges &yellow = l.swatches[YELLOW_SWATCH];
    CHECK(GetPixel(dc, (yellow.left + yellow.right) / 2, (yellow.top + yellow.bottom) / 2) ==
          RGB(255, 255, 0));
    ReleaseDC(color, dc);
    CHECK(rect_after_closing(color, &settings.color_rect) == "0 0 0 0");
    CHECK(color_window == nullptr);
    stop_program();
}

TEST_CASE("a swatch click sets the target's three components and repaints the windows in order") {
    open_all_windows();
    HWND color = color_window;
    size_client(color, 600, 400); // sw 120, sh 100; columns end before 130, 255 and 380
    std::vector<HWND> bars = controls_of(color, "ScrollBar");
    const struct {
        std::string label;
        int button, x, y;
        std::string after, paints;
    } cases[] = {
        {"black on the background", 1007, 60, 50, "text 9,9,9 back 0,0,0", ALL_REPAINTED},
        {"yellow on the text", 1006, 300, 50, "text 255,255,0 back 9,9,9", ALL_REPAINTED},
        {"left column at sh + 9: black", 1006, 60, 109, "text 0,0,0 back 9,9,9", ALL_REPAINTED},
        {"middle column at sh + 5: green", 1006, 200, 105, "text 0,255,0 back 9,9,9",
         ALL_REPAINTED},
        {"between the columns: only the sample", 1006, 130, 50, "text 9,9,9 back 9,9,9",
         ALL_REPAINTED},
        {"below the swatches' half: nothing", 1007, 60, 201, "text 9,9,9 back 9,9,9", ""},
        {"in the sample's third: nothing", 1007, 401, 50, "text 9,9,9 back 9,9,9", ""},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        SendDlgItemMessageA(color, c.button, BM_CLICK, 0, 0);
        set_components(9, 9);
        for (HWND bar : bars)
            SetScrollPos(bar, SB_CTL, 100, TRUE);
        std::string paints = paints_during(
            [&] { SendMessageA(color, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y)); });
        CHECK(components() == c.after);
        CHECK(paints == c.paints);
        CHECK(thumbs(bars) == "100 100 100 ");
    }
    stop_program();
}

TEST_CASE("a bar steps only its own component of the target; keys step none") {
    open_all_windows();
    HWND color = color_window;
    std::vector<HWND> bars = controls_of(color, "ScrollBar");
    const struct {
        std::string label;
        int button, bar, from;
        WPARAM code;
        std::string after, thumbs;
    } cases[] = {
        {"left arrow at 254", 1007, 0, 254, SB_LINEUP, "text 9,9,9 back 255,9,9", "255 100 100 "},
        {"left arrow at 255: the thumb to 255", 1007, 0, 255, SB_LINEUP, "text 9,9,9 back 255,9,9",
         "255 100 100 "},
        {"right arrow at 1 (the thumb at the left end)", 1007, 1, 1, SB_LINEDOWN,
         "text 9,9,9 back 9,0,9", "100 1 100 "},
        {"right arrow at 0", 1007, 1, 0, SB_LINEDOWN, "text 9,9,9 back 9,0,9", "100 1 100 "},
        {"left of the thumb at 250", 1007, 2, 250, SB_PAGEUP, "text 9,9,9 back 9,9,255",
         "100 100 255 "},
        {"right of the thumb at 5", 1007, 2, 5, SB_PAGEDOWN, "text 9,9,9 back 9,9,0", "100 100 1 "},
        {"Home", 1007, 0, 128, SB_TOP, "text 9,9,9 back 0,9,9", "1 100 100 "},
        {"End", 1007, 0, 128, SB_BOTTOM, "text 9,9,9 back 255,9,9", "255 100 100 "},
        {"Text color, then a drag of the red bar", 1006, 0, 9, MAKEWPARAM(SB_THUMBTRACK, 77),
         "text 77,9,9 back 9,9,9", "77 100 100 "},
        {"Text color, then End on the blue bar", 1006, 2, 9, SB_BOTTOM, "text 9,9,255 back 9,9,9",
         "100 100 255 "},
        {"thumb released", 1006, 0, 9, MAKEWPARAM(SB_THUMBPOSITION, 77), "text 9,9,9 back 9,9,9",
         "100 100 100 "},
        {"a scroll from no bar, as keys send", 1006, -1, 9, SB_LINEUP, "text 9,9,9 back 9,9,9",
         "100 100 100 "},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        SendDlgItemMessageA(color, c.button, BM_CLICK, 0, 0);
        set_components(9, 9);
        if (c.bar >= 0) {
            int32_t *fields = c.button == 1006 ? &settings.text_red : &settings.back_red;
            fields[c.bar] = c.from;
        }
        for (HWND bar : bars)
            SetScrollPos(bar, SB_CTL, 100, TRUE);
        LPARAM from = c.bar >= 0 ? (LPARAM)bars[c.bar] : 0;
        std::string paints = paints_during([&] { SendMessageA(color, WM_HSCROLL, c.code, from); });
        CHECK(components() == c.after);
        CHECK(thumbs(bars) == c.thumbs);
        CHECK(paints == ALL_REPAINTED);
    }
    // The buttons are plain radio buttons the window checks itself.
    CHECK(SendDlgItemMessageA(color, 1006, BM_GETCHECK, 0, 0) == BST_CHECKED);
    CHECK(SendDlgItemMessageA(color, 1007, BM_GETCHECK, 0, 0) == BST_UNCHECKED);
    set_components(9, 9);
    std::string paints = paints_during([&] { SendMessageA(color, WM_KEYDOWN, VK_PRIOR, 0); });
    CHECK(components() == "text 9,9,9 back 9,9,9");
    CHECK(paints == ALL_REPAINTED);
    stop_program();
}

// Each run makes, selects and deletes its fonts and brushes as it does on
// screen; with the frame hidden Wine clips the drawing away. A step costs
// Wine some ten server calls, so 2,000 steps of each kind (or as many as
// TAVRIN_LEAK_STEPS asks) keep this within seconds, and a leak of one object
// a step still shows as 2,000. The version does not matter here: NT only.
TEST_CASE("size steps, colour steps and repaints leave no GDI object behind") {
    if (GetVersion() & 0x80000000)
        return;
    open_all_windows();
    load_text(numbered_words(200));
    for (HWND w : {fonts_window, navigator_window, speed_window, reader_window, color_window})
        size_client(w, 160, 120);
    ShowWindow(frame_window, SW_HIDE);
    static HWND size_bar, red_bar;
    size_bar = GetDlgItem(fonts_window, 1002);
    red_bar = controls_of(color_window, "ScrollBar")[0];
    const struct {
        std::string label;
        void (*step)(int i);
    } runs[] = {
        {"size steps",
         [](int i) {
             SendMessageA(fonts_window, WM_HSCROLL, i % 2 ? SB_LINEUP : SB_LINEDOWN,
                          (LPARAM)size_bar);
         }},
        {"colour steps",
         [](int i) {
             SendMessageA(color_window, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, i % 256),
                          (LPARAM)red_bar);
         }},
        {"repaints of each window in turn",
         [](int i) {
             HWND windows[] = {fonts_window, navigator_window, speed_window, reader_window};
             if (i % 5 < 4)
                 SendMessageA(windows[i % 5], WM_PAINT, 0, 0);
             else
                 RedrawWindow(color_window, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
         }},
    };
    const char *asked = getenv("TAVRIN_LEAK_STEPS");
    const int steps = asked ? atoi(asked) : 2000;
    for (const auto &run : runs) {
        CAPTURE(run.label);
        const long before = live_gdi_objects();
        for (int i = 0; i < steps; i++)
            run.step(i);
        const long gained = live_gdi_objects() - before;
        CHECK(gained < 10);
        MESSAGE(run.label << ": " << gained << " objects gained over " << steps << " steps");
    }
    stop_program();
}
