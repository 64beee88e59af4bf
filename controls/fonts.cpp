// The Fonts window: the reader font's face from a list of the installed
// families and its height from a scroll bar, with a sample of both. Every
// change rebuilds the reader font at once and has the Reader redraw.
#include <windows.h>
#include <stdio.h>
#include "controls/fonts.h"
#include "controls/fonts_layout.h"
#include "controls/child_controls.h"
#include "ui/tool_windows.h"
#include "ui/window_classes.h"
#include "ui/window_handles.h"
#include "reading/drawing.h"
#include "reading/reader.h"
#include "settings/settings.h"

static_assert(SB_LINEUP == BAR_LINE_UP && SB_PAGEDOWN == BAR_PAGE_DOWN &&
                  SB_THUMBTRACK == BAR_THUMB_TRACK && SB_BOTTOM == BAR_BOTTOM,
              "the bars' steps take Windows' scroll codes as they come");

enum { FAMILY_LIST_ID = 1001, SIZE_BAR_ID = 1002 };

static HWND family_list, size_bar;
static fonts_layout layout;

static fonts_layout layout_of(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return fonts_layout_for(client.right, client.bottom);
}

// Without a display context the controls keep their places.
static int layout_fonts_controls(HWND window) {
    HDC dc = GetDC(window);
    if (!dc)
        return 0;
    layout = layout_of(window);
    ReleaseDC(window, dc);
    return 1;
}

static RECT rect_of(edges e, int inset) {
    RECT r = {e.left + inset, e.top + inset, e.right - inset, e.bottom - inset};
    return r;
}

static void draw_font_boxes(HDC dc, const fonts_layout &boxes) {
    Rectangle(dc, boxes.sample_box.left, boxes.sample_box.top, boxes.sample_box.right,
              boxes.sample_box.bottom);
    Rectangle(dc, boxes.size_box.left, boxes.size_box.top, boxes.size_box.right,
              boxes.size_box.bottom);
}

static void draw_in_box(HDC dc, edges box, const char *text, int length, HBRUSH back) {
    RECT inner = rect_of(box, 2);
    FillRect(dc, &inner, back);
    DrawTextA(dc, text, length, &inner, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

// The reader font is rebuilt and the Reader told even when there is nothing
// to draw with. The font replaced and the size font, made for this one
// drawing, are deleted once no device context holds them.
static void rebuild_font_and_draw(HWND window) {
    fonts_layout boxes = layout_of(window);
    replace_reader_font(create_reader_font(settings.font_height));
    HFONT size_font = create_reader_font(boxes.size_font_height);
    HDC dc = GetDC(window);
    if (dc) {
        draw_font_boxes(dc, boxes);
        HGDIOBJ old_font = SelectObject(dc, reader_font);
        use_settings_colours(dc, 0);
        HBRUSH back = CreateSolidBrush(settings_back_colour());
        draw_in_box(dc, boxes.sample_box, "AaBbCc", 6, back);
        SelectObject(dc, size_font);
        char number[16];
        int length = snprintf(number, sizeof number, "%d", (int)settings.font_height);
        draw_in_box(dc, boxes.size_box, number, length, back);
        DeleteObject(back);
        SelectObject(dc, old_font);
        ReleaseDC(window, dc);
    }
    DeleteObject(size_font);
    if (reader_window)
        SendMessageA(reader_window, WM_PAINT, 0, 0);
}

// Wine reports each family once for every character set it has; the list
// names each family once.
static int CALLBACK add_font_family(const LOGFONTA *font, const TEXTMETRICA *, DWORD, LPARAM list) {
    HWND list_window = (HWND)list;
    if (IsWindow(list_window) && SendMessageA(list_window, LB_FINDSTRINGEXACT, (WPARAM)-1,
                                              (LPARAM)font->lfFaceName) == LB_ERR)
        SendMessageA(list_window, LB_ADDSTRING, 0, (LPARAM)font->lfFaceName);
    return 1;
}

// Without a display context the window opens empty: no controls, no list.
static LRESULT on_create(HWND window) {
    HDC dc = GetDC(window);
    if (!dc)
        return 0;
    layout = layout_of(window);
    family_list = create_child_control(window, "LISTBOX", "", LBS_STANDARD, layout.family_list,
                                       FAMILY_LIST_ID);
    size_bar =
        create_child_control(window, "SCROLLBAR", NULL, SBS_HORZ, layout.size_bar, SIZE_BAR_ID);
    EnumFontFamiliesA(dc, NULL, add_font_family, (LPARAM)family_list);
    ReleaseDC(window, dc);
    // The thumb stays at 1 until the first size change.
    SetScrollRange(size_bar, SB_CTL, FONT_HEIGHT_MIN, FONT_HEIGHT_MAX, TRUE);
    SetFocus(family_list);
    return 0;
}

static LRESULT on_size(HWND window, WPARAM wparam, LPARAM lparam) {
    if (layout_fonts_controls(window)) {
        place_child_control(family_list, layout.family_list);
        place_child_control(size_bar, layout.size_bar);
    }
    // The MDI client needs it too, to keep a maximized child's menu right.
    return DefMDIChildProcA(window, WM_SIZE, wparam, lparam);
}

static LRESULT on_paint(HWND window) {
    PAINTSTRUCT paint;
    if (BeginPaint(window, &paint)) {
        rebuild_font_and_draw(window);
        EndPaint(window, &paint);
    }
    return 0;
}

// An entry longer than a face name can be (31 characters) is not taken: it
// would not fit the name.
static LRESULT on_command(HWND window, WPARAM wparam) {
    if (LOWORD(wparam) != FAMILY_LIST_ID || HIWORD(wparam) != LBN_SELCHANGE)
        return 0;
    LRESULT index = SendMessageA(family_list, LB_GETCURSEL, 0, 0);
    LRESULT length = SendMessageA(family_list, LB_GETTEXTLEN, (WPARAM)index, 0);
    if (index == LB_ERR || length < 0 || length >= FACE_NAME_SIZE)
        return 0;
    char name[FACE_NAME_SIZE] = "";
    SendMessageA(family_list, LB_GETTEXT, (WPARAM)index, (LPARAM)name);
    lstrcpynA(settings.face_name, name, FACE_NAME_SIZE);
    rebuild_font_and_draw(window);
    return 0;
}

static LRESULT on_hscroll(HWND window, WPARAM wparam) {
    bar_step step = font_size_step(settings.font_height, LOWORD(wparam), HIWORD(wparam));
    if (!step.acted)
        return 0;
    settings.font_height = step.value;
    SetScrollPos(size_bar, SB_CTL, step.thumb, TRUE);
    rebuild_font_and_draw(window);
    return 0;
}

static int scroll_code_for_key(WPARAM key) {
    switch (key) {
    case VK_PRIOR: return SB_PAGEUP;
    case VK_NEXT: return SB_PAGEDOWN;
    case VK_END: return SB_BOTTOM;
    case VK_HOME: return SB_TOP;
    case VK_UP: return SB_LINEUP;
    case VK_DOWN: return SB_LINEDOWN;
    }
    return -1;
}

// Keys that reach the window itself: the focus keys move it between the
// controls, the scroll keys step the size; Left and Right do nothing.
static LRESULT on_keydown(HWND window, WPARAM key) {
    switch (key) {
    case VK_TAB:
    case VK_SHIFT: SetFocus(GetFocus() == family_list ? size_bar : family_list); break;
    case VK_INSERT: SetFocus(size_bar); break;
    case VK_DELETE: SetFocus(family_list); break;
    default: {
        int code = scroll_code_for_key(key);
        if (code >= 0)
            SendMessageA(window, WM_HSCROLL, (WPARAM)code, 0);
    }
    }
    return 0;
}

static LRESULT on_destroy() {
    forget_tool_window(&fonts_window, &settings.fonts_rect);
    family_list = size_bar = 0;
    return 0;
}

static LRESULT CALLBACK fonts_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE: return on_create(window);
    case WM_SIZE: return on_size(window, wparam, lparam);
    case WM_PAINT: return on_paint(window);
    case WM_COMMAND: return on_command(window, wparam);
    case WM_HSCROLL: return on_hscroll(window, wparam);
    case WM_KEYDOWN: return on_keydown(window, wparam);
    case WM_MDIACTIVATE: return activate_focusing(window, wparam, lparam, family_list);
    case WM_DESTROY: return on_destroy();
    }
    return DefMDIChildProcA(window, message, wparam, lparam);
}

int register_fonts_class() {
    return register_tavrin_class("FONTSCLASS", fonts_window_proc, "FONTS", COLOR_WINDOW, "TAV");
}
