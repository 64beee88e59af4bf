// A stand-in for a mail program, run by the Glom tests in a process of its
// own: its window "Eudora Test Source" holds the In mailbox, holding a view
// holding a window whose text is the command line. It runs until ended.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
    const char *titles[] = {"Eudora Test Source", "Mb - [In]", "the middle level", command_line};
    HWND window = NULL;
    for (const char *title : titles)
        window = CreateWindowExA(0, "STATIC", title, window ? WS_CHILD : WS_OVERLAPPEDWINDOW, 0, 0,
                                 300, 200, window, NULL, instance, NULL);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
