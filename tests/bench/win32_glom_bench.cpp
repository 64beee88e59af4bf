// How long a Glom capture of a 10 MB text takes against copying 10 MB.
// The source is a window of this process with an Edit menu whose Copy puts
// the text on the clipboard as a program does (a new block, the bytes copied
// in, handed to the clipboard). The capture: emptying the clipboard, finding
// the window among all top-level windows, its menu, the two commands, and
// the Document filled from the clipboard. Copying: a block of the size, the
// bytes copied in, the block freed. Runs alternate; medians and their ratio
// are printed, and how much of the capture the source's own Copy took.
#include "bench_program.h"

#include "document/document.h"
#include "glom/glom.h"
#include "glom/glom_sources.h"
#include "glom/glom_capture.h"
#include "resources/resource.h"

#include <string.h>

enum { SELECT_ID = 40, COPY_ID = 41, TEXT_SIZE = 10 << 20 };

static std::string source_text;
static double source_copy_ms; // of the last capture, the source's own Copy

static void put_on_clipboard(HWND owner, const std::string &text) {
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(data), text.c_str(), text.size() + 1);
    GlobalUnlock(data);
    OpenClipboard(owner);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, data);
    CloseClipboard();
}

static LRESULT CALLBACK source_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && LOWORD(wparam) == COPY_ID) {
        double start = now_ms();
        put_on_clipboard(window, source_text);
        source_copy_ms = now_ms() - start;
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

static double copy_ms() {
    double start = now_ms();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, source_text.size() + 1);
    memcpy(GlobalLock(block), source_text.c_str(), source_text.size() + 1);
    GlobalUnlock(block);
    GlobalFree(block);
    return now_ms() - start;
}

static double capture_ms() {
    double start = now_ms();
    int done = glom_capture();
    double ms = now_ms() - start;
    return done && document.text_length == source_text.size() ? ms : -1;
}

int main() {
    if (!start_bench_program(CMD_NAVIGATOR))
        return 1;
    source_text = prose(TEXT_SIZE).substr(0, TEXT_SIZE);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = source_proc;
    wc.hInstance = app_instance;
    wc.lpszClassName = "BENCHSOURCE";
    RegisterClassA(&wc);
    HMENU bar = CreateMenu(), edit = CreatePopupMenu();
    AppendMenuA(edit, MF_STRING, COPY_ID, "&Copy");
    AppendMenuA(edit, MF_STRING, SELECT_ID, "Select &All");
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)edit, "&Edit");
    CreateWindowExA(0, "BENCHSOURCE", "Bench source - Memo", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                    NULL, bar, app_instance, NULL);
    lstrcpyA(glom_name, "Bench source ");

    const int runs = 11;
    copy_ms();
    capture_ms();
    std::vector<double> copy, capture, source;
    for (int i = 0; i < runs; i++) {
        copy.push_back(copy_ms());
        capture.push_back(capture_ms());
        source.push_back(source_copy_ms);
    }
    double c = median(copy), g = median(capture);
    printf("%5s %5s %10s %12s %7s %14s\n", "size", "runs", "copy ms", "capture ms", "ratio",
           "of it source");
    printf("%2d MB %5d %10.1f %12.1f %7.2f %14.1f\n", TEXT_SIZE >> 20, runs, c, g, g / c,
           median(source));
    return 0;
}
