// The Color window: the text and background colours, set one component at a
// time with three bars or all at once with a swatch. Every change shows at
// once in the Fonts, Navigation, Speed and Reader windows.
#include <windows.h>
#include <stdint.h>
#include "controls/color.h"
#include "controls/color_layout.h"
#include "controls/child_controls.h"
#include "ui/tool_windows.h"
#include "ui/window_classes.h"
#include "ui/window_handles.h"
#include "reading/drawing.h"
#include "settings/settings.h"

enum { COLOUR_BAR_ID = 1003, TEXT_BUTTON_ID = 1006, BACK_BUTTON_ID = 1007 };
enum { TARGET_BACKGROUND, TARGET_TEXT };

static int color_target;
// All three carry the same id: WM_HSCROLL tells them apart by handle.
static HWND colour_bars[COLOUR_BAR_COUNT];
static HWND text_button, back_button;
static color_layout layout;
static int click_x, click_y;

// The red, green or blue field of the colour being edited.
static int32_t *target_component(int bar) {
    int32_t *text[COLOUR_BAR_COUNT] = {&settings.text_red, &settings.text_green,
                                       &settings.text_blue};
    int32_t *back[COLOUR_BAR_COUNT] = {&settings.back_red, &settings.back_green,
                                       &settings.back_blue};
    return color_target == TARGET_TEXT ? text[bar] : back[bar];
}

static void layout_color_controls(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    layout = color_layout_for(client.right, client.bottom);
}

// The box's outline two pixels outside it, in the default pen and brush,
// then the box filled with the colour; the brush lives for this one fill.
static void draw_framed_fill(HDC dc, edges box, COLORREF colour) {
    Rectangle(dc, box.left - 2, box.top - 2, box.right + 2, box.bottom + 2);
    RECT r = {box.left, box.top, box.right, box.bottom};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

static void draw_sample(HDC dc) {
    draw_framed_fill(dc, layout.sample, settings_back_colour());
    use_settings_colours(dc, 0);
    RECT r = {layout.sample.left, layout.sample.top, layout.sample.right, layout.sample.bottom};
    DrawTextA(dc, "Tavrin", 6, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

// Each window is asked in turn and has repainted before the next is asked.
static void ask_colour_windows_to_repaint() {
    HWND *windows[] = {&fonts_window, &navigator_window, &speed_window, &reader_window};
    for (HWND *w : windows)
        if (*w)
            SendMessageA(*w, WM_PAINT, 0, 0);
}

static void draw_colour_sample(HWND window) {
    HDC dc = GetDC(window);
    if (dc) {
        draw_sample(dc);
        ReleaseDC(window, dc);
    }
    ask_colour_windows_to_repaint();
}

static void paint_color_window(HDC dc) {
    draw_sample(dc);
    for (int i = 0; i < SWATCH_COUNT; i++) {
        const swatch_colour &c = swatch_colours[i];
        draw_framed_fill(dc, layout.swatches[i], RGB(c.red, c.green, c.blue));
    }
}

static void pick_swatch(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    int swatch = swatch_at(click_x, click_y, client.right, client.bottom);
    if (swatch == CLICK_IGNORED)
        return;
    if (swatch != NO_SWATCH) {
        const swatch_colour &c = swatch_colours[swatch];
        *target_component(0) = c.red;
        *target_component(1) = c.green;
        *target_component(2) = c.blue;
    }
    draw_colour_sample(window);
}

// The radio buttons are plain ones: the window moves the check itself.
static void choose_target(int target) {
    color_target = target;
    SendMessageA(target == TARGET_TEXT ? back_button : text_button, BM_SETCHECK, 0, 0);
    SendMessageA(target == TARGET_TEXT ? text_button : back_button, BM_SETCHECK, 1, 0);
}

// The thumbs stay at the range's start until a bar is used.
static LRESULT on_create(HWND window) {
    layout_color_controls(window);
    for (int i = 0; i < COLOUR_BAR_COUNT; i++)
        colour_bars[i] = create_child_control(window, "SCROLLBAR", NULL, SBS_HORZ, layout.bars[i],
                                              COLOUR_BAR_ID);
    text_button = create_child_control(window, "BUTTON", "Text color", BS_RADIOBUTTON,
                                       layout.text_button, TEXT_BUTTON_ID);
    back_button = create_child_control(window, "BUTTON", "Background", BS_RADIOBUTTON,
                                       layout.back_button, BACK_BUTTON_ID);
    for (int i = 0; i < COLOUR_BAR_COUNT; i++)
        SetScrollRange(colour_bars[i], SB_CTL, 1, COMPONENT_MAX, TRUE);
    color_target = TARGET_BACKGROUND;
    SendMessageA(back_button, BM_SETCHECK, 1, 0);
    return 0;
}

static LRESULT on_size(HWND window, WPARAM wparam, LPARAM lparam) {
    layout_color_controls(window);
    for (int i = 0; i < COLOUR_BAR_COUNT; i++)
        place_child_control(colour_bars[i], layout.bars[i]);
    place_child_control(text_button, layout.text_button);
    place_child_control(back_button, layout.back_button);
    // The MDI client needs it too, to keep a maximized child's menu right.
    return DefMDIChildProcA(window, WM_SIZE, wparam, lparam);
}

static LRESULT on_paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc) {
        paint_color_window(dc);
        EndPaint(window, &paint);
    }
    return 0;
}

static LRESULT on_command(WPARAM wparam) {
    if (HIWORD(wparam) != BN_CLICKED)
        return 0;
    if (LOWORD(wparam) == TEXT_BUTTON_ID)
        choose_target(TARGET_TEXT);
    else if (LOWORD(wparam) == BACK_BUTTON_ID)
        choose_target(TARGET_BACKGROUND);
    return 0;
}

// A scroll from no bar of this window (as the keys send) changes nothing,
// but like every other the sample is redrawn and the windows told.
static LRESULT on_hscroll(HWND window, WPARAM wparam, LPARAM lparam) {
    for (int i = 0; i < COLOUR_BAR_COUNT; i++) {
        if (colour_bars[i] != (HWND)lparam)
            continue;
        int32_t *component = target_component(i);
        bar_step step = colour_step(*component, LOWORD(wparam), HIWORD(wparam));
        if (step.acted) {
            *component = step.value;
            SetScrollPos(colour_bars[i], SB_CTL, step.thumb, TRUE);
        }
    }
    draw_colour_sample(window);
    return 0;
}

static LRESULT on_click(HWND window, LPARAM lparam) {
    click_x = (short)LOWORD(lparam);
    click_y = (short)HIWORD(lparam);
    pick_swatch(window);
    return 0;
}

// A key that reaches the window itself names no bar, so whatever scroll code
// it stands for steps no component: only the redraw of a scroll remains.
static LRESULT on_keydown(HWND window) {
    draw_colour_sample(window);
    return 0;
}

static LRESULT on_destroy() {
    forget_tool_window(&color_window, &settings.color_rect);
    colour_bars[0] = colour_bars[1] = colour_bars[2] = text_button = back_button = 0;
    return 0;
}

static LRESULT CALLBACK color_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE: return on_create(window);
    case WM_SIZE: return on_size(window, wparam, lparam);
    case WM_PAINT: return on_paint(window);
    case WM_COMMAND: return on_command(wparam);
    case WM_HSCROLL: return on_hscroll(window, wparam, lparam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return on_click(window, lparam);
    case WM_KEYDOWN: return on_keydown(window);
    case WM_TIMER: return 0;
    case WM_DESTROY: return on_destroy();
    }
    return DefMDIChildProcA(window, message, wparam, lparam);
}

int register_color_class() {
    return register_tavrin_class("COLORCLASS", color_window_proc, "COLOR", COLOR_WINDOW, "TAV");
}
