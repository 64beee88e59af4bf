// The Navigator: the Document as wrapped lines from anchor_pos, scrolled by
// its scroll bar and keys; a click marks a word and moves read_pos there.
#include <windows.h>
#include <string.h>
#include "reading/navigator.h"
#include "ui/tool_windows.h"
#include "ui/window_classes.h"
#include "ui/window_handles.h"
#include "document/document.h"
#include "document/document_block.h"
#include "reading/byte_sets.h"
#include "reading/drawing.h"
#include "reading/line_layout.h"
#include "reading/reader_state.h"
#include "reading/words.h"
#include "settings/settings.h"

int line_height;
int chars_per_line;
unsigned lines_per_page;
static unsigned scroll_max;
uint32_t line_starts[LINE_STARTS_SIZE];
// Only lines_laid_out lines were laid out (at most LINE_STARTS_SIZE - 1).
static unsigned lines_laid_out;
// -2: nothing to mark after a paint; -1: looking for the line that holds
// read_pos; 0 or more: the line whose word is to be marked.
static int target_line;
static char highlight_word[HIGHLIGHT_WORD_SIZE];
static int highlight_pos, highlight_line;
static int highlight_x, highlight_y, highlight_shown;

static char line_text[LINE_TEXT_SIZE];
static int left_margin;
static POINTS click_point;
static int byte_widths[256];

void reset_navigator_state() {
    line_height = 0;
    chars_per_line = 1;
    lines_per_page = 0;
    scroll_max = 0;
    memset(line_starts, 0, sizeof line_starts);
    lines_laid_out = 0;
    target_line = -2;
    highlight_word[0] = 0;
    highlight_pos = highlight_line = highlight_x = highlight_y = highlight_shown = 0;
    click_point.x = click_point.y = 0;
    left_margin = 0;
}

static int measured_width(unsigned char b) {
    return byte_widths[b];
}

static int client_width() {
    RECT r;
    GetClientRect(navigator_window, &r);
    return r.right;
}

// The scroll range follows the text: one position per chars_per_line bytes.
static void set_scroll_range(HWND window, int thumb) {
    scroll_max = document.text_length / (unsigned)chars_per_line;
    SetScrollRange(window, SB_VERT, 0, (int)scroll_max, TRUE);
    SetScrollPos(window, SB_VERT, thumb, TRUE);
}

// Takes the metrics of the system font, which the Navigator never changes:
// the widths of all 256 bytes in one query instead of one per byte laid out,
// and the page's size, without dividing by a height or width of zero. Then
// sets the scroll range and puts the thumb at the given line.
static void measure_page(HWND window, HDC dc, int thumb) {
    if (!GetCharWidthA(dc, 0, 255, byte_widths))
        memset(byte_widths, 0, sizeof byte_widths);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    RECT r;
    GetClientRect(window, &r);
    line_height = metrics.tmHeight + metrics.tmExternalLeading;
    int average = metrics.tmAveCharWidth > 0 ? metrics.tmAveCharWidth : 1;
    chars_per_line = r.right / average;
    if (chars_per_line < 1)
        chars_per_line = 1;
    lines_per_page = line_height > 0 && r.bottom > 0 ? (unsigned)(r.bottom / line_height) : 0;
    set_scroll_range(window, thumb);
}

static int highlight_word_at();

static void draw_page(HDC dc) {
    RECT r;
    GetClientRect(navigator_window, &r);
    SetBkMode(dc, OPAQUE);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SIZE blank = {0, 0};
    GetTextExtentPoint32A(dc, " ", 1, &blank);
    left_margin = blank.cx;
    int width = r.right ? r.right : 10;
    use_settings_colours(dc, 0);
    unsigned most = lines_per_page < LINE_STARTS_SIZE - 1 ? lines_per_page : LINE_STARTS_SIZE - 1;
    // A page is never left part empty at the end of the text: one that would
    // be shows the last full page instead, whatever put its top there.
    document.anchor_pos =
        full_page_top(measured_width, width, left_margin, most, document.anchor_pos);
    uint32_t pos = document.anchor_pos;
    int y = 0;
    unsigned line = 0;
    line_starts[0] = pos;
    while (line < most && pos < document.text_length) {
        line++;
        uint32_t n = layout_line(measured_width, width, left_margin, pos, line_text);
        TextOutA(dc, left_margin, y, line_text, lstrlenA(line_text));
        y += line_height;
        pos += n;
        line_starts[line] = pos;
        if (document.read_pos < pos && target_line == -1)
            target_line = (int)line - 1;
    }
    lines_laid_out = line;
}

static void paint_navigator() {
    left_margin = 0;
    highlight_word[0] = 0;
    if (!document.text)
        return;
    memset(line_starts, 0, sizeof line_starts);
    lines_laid_out = 0;
    if (recentre_navigator == 1) {
        uint32_t back = 2 * (uint32_t)chars_per_line;
        document.anchor_pos =
            back < document.read_pos ? keep_in_text(word_start(document.read_pos - back)) : 0;
        target_line = -1;
        recentre_navigator = 0;
    } else
        target_line = -2;
    HDC dc = GetDC(navigator_window);
    if (dc) {
        draw_page(dc);
        ReleaseDC(navigator_window, dc);
    }
    if (target_line >= 0)
        highlight_word_at();
}

// The line under the click, or -1 for none: above the page, below the last
// line laid out, or with no line height to measure by.
static int clicked_line() {
    if (line_height <= 0 || click_point.y < 0)
        return -1;
    int line = click_point.y == 0 ? 0 : (click_point.y + line_height - 1) / line_height - 1;
    return line < (int)lines_laid_out ? line : -1;
}

// Scans the marked line for the byte that decides the word: in the reading
// position case the first byte past read_pos, in the click case the first
// whose summed width reaches the click. Returns 1 with highlight_pos set.
static int find_marked_word(int line) {
    uint32_t end = line_starts[line + 1];
    int x = 0;
    for (uint32_t p = line_starts[line]; p < document.text_length && p < end; p++) {
        x += measured_width(document.text[p]);
        if (target_line >= 0 && document.read_pos < p) {
            highlight_pos = (int)word_start(p);
            return 1;
        }
        if (click_point.x <= x) {
            highlight_pos = (int)word_start(p);
            document.read_pos = (uint32_t)highlight_pos;
            return 1;
        }
    }
    return 0;
}

// Copies bytes from `from` up to `before` into buffer, stopping at a zero
// byte (and at a separator when collecting a word), never past the text or
// the buffer; returns how many.
static int copy_bytes(char *buffer, int size, uint32_t from, uint32_t before, int stop_at_word) {
    uint32_t end = before < document.text_length ? before : document.text_length;
    int n = 0;
    for (uint32_t q = from; q < end && n < size - 1; q++) {
        unsigned char b = document.text[q];
        if (b == 0 || (stop_at_word && in_byte_set(word_separators, b)))
            break;
        buffer[n++] = (char)b;
    }
    buffer[n] = 0;
    return n;
}

static void draw_mark(HDC dc, int line) {
    highlight_y = line * line_height;
    int x = left_margin;
    uint32_t line_start = line_starts[line], line_end = line_starts[line + 1];
    uint32_t before = (uint32_t)highlight_pos < line_end ? (uint32_t)highlight_pos : line_end;
    int n = copy_bytes(line_text, LINE_TEXT_SIZE, line_start, before, 0);
    use_settings_colours(dc, 0);
    TextOutA(dc, left_margin, highlight_y, line_text, n);
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, line_text, n, &extent);
    x += extent.cx;
    n = copy_bytes(highlight_word, HIGHLIGHT_WORD_SIZE, (uint32_t)highlight_pos, line_end, 1);
    use_settings_colours(dc, 1);
    TextOutA(dc, x, highlight_y, highlight_word, n);
    highlight_x = x;
    use_settings_colours(dc, 0);
}

// Marks one word: the one at read_pos after a re-centre (target_line 0 or
// more), otherwise the one under the last click, which read_pos moves to.
static int highlight_word_at() {
    HDC dc = GetDC(navigator_window);
    if (!dc)
        return 0;
    if (highlight_shown == 1 && highlight_word[0]) {
        use_settings_colours(dc, 0);
        TextOutA(dc, highlight_x, highlight_y, highlight_word, lstrlenA(highlight_word));
    }
    highlight_shown = 0;
    highlight_x = highlight_pos = highlight_y = 0;
    highlight_word[0] = 0;
    highlight_line = target_line >= 0 ? target_line : clicked_line();
    int marked = highlight_line >= 0 && find_marked_word(highlight_line);
    // Whatever the outcome, the search for the reading position is over, so a
    // later click is taken as a click.
    target_line = -1;
    if (marked) {
        highlight_shown = 1;
        draw_mark(dc, highlight_line);
    }
    ReleaseDC(navigator_window, dc);
    return marked;
}

static LRESULT on_create(HWND window) {
    navigator_window = window;
    HDC dc = GetDC(window);
    if (!dc)
        return 0;
    measure_page(window, dc, 1);
    ReleaseDC(window, dc);
    return 0;
}

static LRESULT on_size(HWND window, WPARAM wparam, LPARAM lparam) {
    RECT r;
    GetClientRect(window, &r);
    HDC dc = r.right > 32 && r.bottom > 32 ? GetDC(window) : 0;
    if (dc) {
        measure_page(window, dc, 0);
        ReleaseDC(window, dc);
    }
    // The MDI client needs it too, to keep a maximized child's menu right.
    return DefMDIChildProcA(window, WM_SIZE, wparam, lparam);
}

static LRESULT on_paint(HWND window) {
    validate_window(window);
    paint_navigator();
    return 0;
}

static void move_thumb(HWND window, int position) {
    SetScrollPos(window, SB_VERT, position, TRUE);
}

static void move_thumb_by(HWND window, int lines) {
    move_thumb(window, GetScrollPos(window, SB_VERT) + lines);
}

// The page after the first lines of the last paint; a page that ended with
// the text gives the end, never the zeroed entries after it.
static uint32_t start_after_lines(unsigned lines) {
    return line_starts[lines < lines_laid_out ? lines : lines_laid_out];
}

static void scroll_to(HWND window, uint32_t anchor, int thumb) {
    document.anchor_pos = keep_in_text(anchor);
    move_thumb(window, thumb);
    paint_navigator();
}

// Back by one line's worth of bytes for each line asked (Page Up asks for one).
static void scroll_up(HWND window, int pass, unsigned lines, int thumb_lines) {
    if (pass) {
        for (unsigned i = 0; i < lines; i++)
            document.anchor_pos =
                lines_up(measured_width, client_width(), left_margin, document.anchor_pos);
        move_thumb_by(window, -thumb_lines);
        paint_navigator();
    } else
        move_thumb(window, 0);
}

// Whether the last page drawn showed the end of the text.
static int page_reaches_end() {
    return line_starts[lines_laid_out] >= document.text_length;
}

// Down by the first lines of the page, never past the last page; once the
// page shows the end of the text only the thumb moves, to its end.
static void scroll_down(HWND window, unsigned lines, int thumb_lines) {
    if (!page_reaches_end()) {
        document.anchor_pos = keep_in_text(start_after_lines(lines));
        move_thumb_by(window, thumb_lines);
        paint_navigator();
    }
    if (page_reaches_end())
        move_thumb(window, (int)scroll_max);
}

// Where the thumb was let go. The message carries only 16 bits of it, and a
// long text's range goes far beyond; the scroll bar holds all 32.
static int released_thumb(HWND window) {
    SCROLLINFO info;
    memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(window, SB_VERT, &info);
    return info.nTrackPos;
}

static LRESULT on_vscroll(HWND window, WPARAM wparam) {
    uint32_t length = document.text_length, anchor = document.anchor_pos;
    switch (LOWORD(wparam)) {
    case SB_LINEUP: scroll_up(window, anchor > 0, 1, 1); break;
    case SB_LINEDOWN: scroll_down(window, 1, 1); break;
    case SB_PAGEUP: scroll_up(window, lines_per_page < anchor, 1, 3); break;
    case SB_PAGEDOWN: scroll_down(window, lines_per_page, 3); break;
    case SB_THUMBPOSITION: {
        int thumb = released_thumb(window);
        scroll_to(window, (uint32_t)chars_per_line * (uint32_t)thumb, thumb);
        break;
    }
    case SB_TOP: scroll_to(window, 0, 0); break;
    case SB_BOTTOM: scroll_to(window, length, (int)scroll_max); break;
    }
    return 0;
}

// Navigator keys move the page only; read_pos stays.
static LRESULT on_keydown(HWND window, WPARAM key) {
    WPARAM code = 0xFFFF;
    switch (key) {
    case VK_PRIOR: code = SB_PAGEUP; break;
    case VK_NEXT: code = SB_PAGEDOWN; break;
    case VK_END: code = SB_BOTTOM; break;
    case VK_HOME: code = SB_TOP; break;
    case VK_UP: code = SB_LINEUP; break;
    case VK_DOWN: code = SB_LINEDOWN; break;
    }
    SendMessageA(window, WM_VSCROLL, code, 0);
    return 0;
}

// Lines per notch of the wheel as the system is set, or a page when it says
// so (or sets more than a page).
static unsigned wheel_lines() {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return lines == WHEEL_PAGESCROLL || lines > lines_per_page ? lines_per_page : lines;
}

// The wheel scrolls as the line keys do, by its lines at once; turns of less
// than a notch add up until they make one.
static LRESULT on_mouse_wheel(HWND window, WPARAM wparam) {
    static int turned;
    turned += (short)HIWORD(wparam);
    int notches = turned / WHEEL_DELTA;
    turned -= notches * WHEEL_DELTA;
    unsigned lines = (unsigned)(notches < 0 ? -notches : notches) * wheel_lines();
    if (lines == 0)
        return 0;
    if (notches > 0)
        scroll_up(window, document.anchor_pos > 0, lines, (int)lines);
    else
        scroll_down(window, lines, (int)lines);
    return 0;
}

static LRESULT on_click(LPARAM lparam) {
    click_point = MAKEPOINTS(lparam);
    highlight_word_at();
    return 0;
}

static LRESULT on_destroy() {
    forget_tool_window(&navigator_window, &settings.navigator_rect);
    return 0;
}

static LRESULT on_document_replaced(HWND window) {
    set_scroll_range(window, 0);
    ask_navigator_to_redraw();
    return 0;
}

static LRESULT CALLBACK navigator_window_proc(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
    switch (message) {
    case WM_CREATE: return on_create(window);
    case WM_SIZE: return on_size(window, wparam, lparam);
    case WM_PAINT: return on_paint(window);
    case WM_VSCROLL: return on_vscroll(window, wparam);
    case WM_KEYDOWN: return on_keydown(window, wparam);
    case WM_MOUSEWHEEL: return on_mouse_wheel(window, wparam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return on_click(lparam);
    case WM_COMMAND: return 0;
    case WM_DOCUMENT_REPLACED: return on_document_replaced(window);
    case WM_DESTROY: return on_destroy();
    }
    return DefMDIChildProcA(window, message, wparam, lparam);
}

int register_navigator_class() {
    return register_tavrin_class("NAVCLASS", navigator_window_proc, "NAV", COLOR_WINDOW, "TAV");
}

void ask_navigator_to_redraw() {
    if (navigator_window)
        PostMessageA(navigator_window, WM_PAINT, 0, 0);
}

