// The Reader: one word of the Document at a time, centred, stepped by a
// window timer set afresh at every tick for the time left until the next one
// is due on the reading schedule.
#include <windows.h>
#include <mmsystem.h>
#include <string.h>
#include "reading/reader.h"
#include "ui/tool_windows.h"
#include "ui/window_classes.h"
#include "ui/window_handles.h"
#include "document/document.h"
#include "reading/drawing.h"
#include "reading/navigator.h"
#include "reading/reader_state.h"
#include "reading/reading_schedule.h"
#include "reading/words.h"
#include "resources/resource.h"
#include "settings/settings.h"

enum { READER_TIMER = 1030 };

HFONT reader_font;
static RECT reader_client_rect;
static int fine_timer_held;

HFONT create_reader_font(int height) {
    return CreateFontA(height, settings.font_width, settings.font_escapement,
                       settings.font_orientation, settings.font_width, 0, 0, 0,
                       (DWORD)settings.font_charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, settings.face_name);
}

void replace_reader_font(HFONT font) {
    HFONT previous = reader_font;
    reader_font = font;
    if (previous && previous != font)
        DeleteObject(previous);
}

int reader_holds_fine_timer() {
    return fine_timer_held;
}

// The default system tick (about 15.6 ms) would stretch a 20 ms interval to
// about 31 ms, so the rate shown would not be the rate read.
static void hold_fine_timer(int wanted) {
    if (wanted && !fine_timer_held)
        fine_timer_held = timeBeginPeriod(1) == TIMERR_NOERROR;
    else if (!wanted && fine_timer_held) {
        timeEndPeriod(1);
        fine_timer_held = 0;
    }
}

static reading_schedule schedule;
static int timer_armed; // a click or closing disarms it; a stray tick then re-arms nothing

static int64_t clock_now() {
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return count.QuadPart;
}

static int64_t clock_frequency() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

static void arm_reader_timer() {
    timer_armed = 1;
    SetTimer(reader_window, READER_TIMER, next_tick_delay_ms(&schedule, clock_now()), NULL);
}

static void start_reading() {
    running = 1;
    begin_schedule(&schedule, clock_now(), clock_frequency(), settings.words_per_minute);
    arm_reader_timer();
}

static void draw_reader() {
    HDC dc = GetDC(reader_window);
    if (!dc)
        return;
    HGDIOBJ old_font = SelectObject(dc, reader_font);
    use_settings_colours(dc, 0);
    HBRUSH brush = CreateSolidBrush(settings_back_colour());
    FillRect(dc, &reader_client_rect, brush);
    DeleteObject(brush);
    int length = lstrlenA(current_word);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, current_word, length, &size);
    // A word wider than the window gets a negative x and is cut on both sides.
    int x = (reader_client_rect.right - size.cx) / 2;
    int y = (reader_client_rect.bottom - size.cy) / 2;
    TextOutA(dc, x, y, current_word, length);
    SelectObject(dc, old_font);
    ReleaseDC(reader_window, dc);
}

static LRESULT on_create(HWND window) {
    reader_window = window;
    GetClientRect(window, &reader_client_rect);
    running = 0;
    return 0;
}

static LRESULT on_size(HWND window, WPARAM wparam, LPARAM lparam) {
    GetClientRect(window, &reader_client_rect);
    // The MDI client needs it too, to keep a maximized child's menu right.
    return DefMDIChildProcA(window, WM_SIZE, wparam, lparam);
}

static LRESULT on_paint(HWND window) {
    validate_window(window);
    draw_reader();
    return 0;
}

// Ticks only count a pause down while one is pending, running or not; a tick
// also notices a Stop the frame made by clearing running.
static LRESULT on_timer() {
    if (timer_armed) {
        count_tick(&schedule, clock_now());
        arm_reader_timer();
    }
    if (pause_ticks != 0)
        pause_ticks--;
    else if (running == 1) {
        take_next_word();
        draw_reader();
    }
    hold_fine_timer(running);
    return 0;
}

static LRESULT on_click(HWND window) {
    if (running == 1) {
        running = 0;
        recentre_navigator = 1;
        KillTimer(window, READER_TIMER);
        timer_armed = 0;
        ask_navigator_to_redraw();
    } else
        start_reading();
    hold_fine_timer(running);
    return 0;
}

static LRESULT on_keydown(WPARAM key) {
    switch (key) {
    // Held for a shortcut (Ctrl+O, Shift+Insert): not a key of the Reader's own.
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU: return 0;
    case VK_PRIOR:
    case VK_LEFT:
    case VK_UP: phrase_back(); break;
    case VK_NEXT:
    case VK_RIGHT:
    case VK_DOWN: phrase_forward(); break;
    case VK_END:
        document.read_pos = document.anchor_pos = keep_in_text(document.text_length);
        break;
    case VK_HOME: document.read_pos = document.anchor_pos = 0; break;
    default:
        // Stopping by key leaves the timer armed; its ticks then do nothing.
        if (running == 1)
            running = 0;
        else
            start_reading();
    }
    hold_fine_timer(running);
    ask_navigator_to_redraw();
    return 0;
}

static LRESULT on_command(WPARAM wparam) {
    switch (LOWORD(wparam)) {
    case CMD_START: start_reading(); break;
    case CMD_GLOM:
        // The new rate counts from the last word shown.
        if (running == 1) {
            change_rate(&schedule, settings.words_per_minute);
            arm_reader_timer();
        }
        break;
    case CMD_STOP: running = 0; break;
    }
    hold_fine_timer(running);
    return 0;
}

static LRESULT on_destroy(HWND window) {
    KillTimer(window, READER_TIMER);
    timer_armed = 0;
    hold_fine_timer(0);
    forget_tool_window(&reader_window, &settings.reader_rect);
    memset(current_word, 0, sizeof current_word);
    return 0;
}

static LRESULT CALLBACK reader_window_proc(HWND window, UINT message, WPARAM wparam,
                                           LPARAM lparam) {
    switch (message) {
    case WM_CREATE: return on_create(window);
    case WM_SIZE: return on_size(window, wparam, lparam);
    case WM_PAINT: return on_paint(window);
    case WM_TIMER: return on_timer();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return on_click(window);
    case WM_KEYDOWN: return on_keydown(wparam);
    case WM_COMMAND: return on_command(wparam);
    case WM_DESTROY: return on_destroy(window);
    }
    return DefMDIChildProcA(window, message, wparam, lparam);
}

int register_reader_class() {
    return register_tavrin_class("DRAWCLASS", reader_window_proc, "DRAW", COLOR_WINDOW, "TAV");
}
