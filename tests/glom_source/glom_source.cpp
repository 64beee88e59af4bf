// A stand-in for a mail program, run by the Glom tests in a process of its
// own: its window "Eudora Test Source" holds a mailbox window, titled by the
// command line up to its '|', holding a view holding an edit control with the
// rest of the command line as its text. At start it leaves a text of its own
// on the clipboard.
#include <windows.h>
#include <string.h>

static LRESULT CALLBACK source_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

static void leave_clipboard_text(const char *text) {
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    memcpy(GlobalLock(data), text, strlen(text) + 1);
    GlobalUnlock(data);
    if (OpenClipboard(NULL)) {
        EmptyClipboard();
        SetClipboardData(CF_TEXT, data);
        CloseClipboard();
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
    static char mailbox_title[4096];
    lstrcpynA(mailbox_title, command_line, sizeof mailbox_title);
    char *bar = strchr(mailbox_title, '|');
    const char *text = "";
    if (bar) {
        *bar = 0;
        text = bar + 1;
    }

    // Before the window, so the tests find the text there once they see it.
    leave_clipboard_text("Left by the source");
    WNDCLASSA wc = {};
    wc.lpfnWndProc = source_proc;
    wc.hInstance = instance;
    wc.lpszClassName = "GLOMSOURCE";
    RegisterClassA(&wc);
    HWND top = CreateWindowExA(0, "GLOMSOURCE", "Eudora Test Source", WS_OVERLAPPEDWINDOW, 0, 0,
                               300, 200, NULL, NULL, instance, NULL);
    HWND mailbox = CreateWindowExA(0, "STATIC", mailbox_title, WS_CHILD | WS_VISIBLE, 0, 0, 300,
                                   200, top, NULL, instance, NULL);
    HWND view = CreateWindowExA(0, "STATIC", "the middle level", WS_CHILD | WS_VISIBLE, 0, 0, 300,
                                200, mailbox, NULL, instance, NULL);
    CreateWindowExA(0, "EDIT", text, WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 300, 200, view,
                    NULL, instance, NULL);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
