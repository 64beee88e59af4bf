// Tells the tour where Tavrin's windows are and what its frame's caption
// says, as any program may ask of another's windows; it sends Tavrin nothing
// and changes nothing. One line of output, exit code 1 when the window asked
// for is not there or not visible.
//   peek client CLASS     client area on the screen: x y width height
//   peek window CLASS     window rectangle on the screen: x y width height
//   peek control CLASS ID a child control's window rectangle
//   peek caption          the frame's caption
//   peek open-dialog ID   a control of the Open dialog, by its id
// CLASS is "TAV" (the frame), "TAV_ABOUT" or one of the tool windows'.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static HWND find_window(const char *class_name) {
    if (!strcmp(class_name, "TAV") || !strcmp(class_name, "TAV_ABOUT"))
        return FindWindowA(class_name, NULL);
    HWND client = FindWindowExA(FindWindowA("TAV", NULL), NULL, "MDICLIENT", NULL);
    return client ? FindWindowExA(client, NULL, class_name, NULL) : NULL;
}

static int print_rect(HWND window, int client_area) {
    if (!window || !IsWindowVisible(window))
        return 1;
    RECT r;
    if (client_area) {
        GetClientRect(window, &r);
        MapWindowPoints(window, NULL, (POINT *)&r, 2);
    } else {
        GetWindowRect(window, &r);
    }
    printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

int main(int argc, char **argv) {
    if (argc == 2 && !strcmp(argv[1], "caption")) {
        HWND frame = FindWindowA("TAV", NULL);
        char text[512] = "";
        GetWindowTextA(frame, text, sizeof text);
        printf("%s\n", text);
        return frame ? 0 : 1;
    }
    if (argc == 3 && !strcmp(argv[1], "client"))
        return print_rect(find_window(argv[2]), 1);
    if (argc == 3 && !strcmp(argv[1], "window"))
        return print_rect(find_window(argv[2]), 0);
    if (argc == 4 && !strcmp(argv[1], "control"))
        return print_rect(GetDlgItem(find_window(argv[2]), atoi(argv[3])), 0);
    if (argc == 3 && !strcmp(argv[1], "open-dialog"))
        return print_rect(GetDlgItem(FindWindowA("#32770", "Tavrin - Open file"), atoi(argv[2])), 0);
    fprintf(stderr, "usage: peek client|window CLASS, control CLASS ID, caption, open-dialog ID\n");
    return 2;
}
