// The About window: a borderless pop-up, centred on the screen, shown at
// every start; a key or a click hides it.
#include <windows.h>
#include "app/about.h"
#include "ui/window_classes.h"
#include "ui/window_handles.h"

enum { ABOUT_WIDTH = 400, ABOUT_HEIGHT = 300 };

struct about_line {
    const char *text;
    int x, y;
};

static const about_line maker_line = {"Quickleaf Works", 130, 64};
static const about_line address_lines[4] = {
    {"14 Linden Row, Suite 3", 130, 105},
    {"Harrowgate Business Park", 130, 125},
    {"Eastmere, EM4 7QT", 130, 145},
    {"Northland", 130, 165},
};
static const about_line notice_lines[2] = {
    {"Copyright (c) 1997 Quickleaf Works", 10, 250},
    {"http://www.quickleaf.example/tavrin", 10, 270},
};

static HFONT create_about_font(int height, int width, int italic, int underline) {
    return CreateFontA(height, width, 0, 0, FW_NORMAL, italic, underline, 0, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_ROMAN, "Times New Roman");
}

static void draw_lines(HDC dc, HFONT font, const about_line *lines, int count) {
    SetMapperFlags(dc, 1);
    SelectObject(dc, font);
    for (int i = 0; i < count; i++)
        TextOutA(dc, lines[i].x, lines[i].y, lines[i].text, lstrlenA(lines[i].text));
}

static void draw_about(HDC dc, const RECT *client) {
    HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    FillRect(dc, client, black);
    DeleteObject(black);

    HFONT title_font = create_about_font(50, 15, 1, 1);
    HFONT maker_font = create_about_font(36, 15, 0, 0);
    HFONT address_font = create_about_font(20, 0, 0, 0);
    HFONT notice_font = create_about_font(20, 0, 0, 0);

    SetMapperFlags(dc, 1);
    HFONT kept = (HFONT)SelectObject(dc, title_font);
    SetBkColor(dc, RGB(0, 0, 0));
    SetTextColor(dc, RGB(255, 255, 0));
    TextOutA(dc, 20, 10, "Tavrin", 6);
    draw_lines(dc, maker_font, &maker_line, 1);
    draw_lines(dc, address_font, address_lines, 4);
    draw_lines(dc, notice_font, notice_lines, 2);

    SelectObject(dc, kept);
    DeleteObject(title_font);
    DeleteObject(maker_font);
    DeleteObject(address_font);
    DeleteObject(notice_font);
}

// Centres the window on the screen; on a screen smaller than the window the
// position goes negative and the window hangs over the edges.
static void place_about_window(HWND window) {
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    SetWindowPos(window, 0, (desktop.right - ABOUT_WIDTH) / 2, (desktop.bottom - ABOUT_HEIGHT) / 2,
                 ABOUT_WIDTH, ABOUT_HEIGHT, SWP_SHOWWINDOW);
}

static LRESULT on_create(HWND window) {
    HDC dc = GetDC(window);
    place_about_window(window);
    RECT client;
    GetClientRect(window, &client);
    draw_about(dc, &client);
    ReleaseDC(window, dc);
    return 0;
}

static LRESULT on_paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (dc) {
        place_about_window(window);
        RECT client;
        GetClientRect(window, &client);
        draw_about(dc, &client);
        EndPaint(window, &ps);
    }
    return 0;
}

static LRESULT on_hide(HWND window) {
    ShowWindow(window, SW_HIDE);
    return 0;
}

static LRESULT on_destroy() {
    about_window = 0;
    return 0;
}

static LRESULT CALLBACK about_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE: return on_create(window);
    case WM_PAINT: return on_paint(window);
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return on_hide(window);
    case WM_DESTROY: return on_destroy();
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

int register_about_class() {
    return register_tavrin_class("TAV_ABOUT", about_window_proc, "TAV", COLOR_APPWORKSPACE, NULL);
}
