// The frame window: the menu, the MDI client and the command table.
#include <windows.h>
#include <shellapi.h>
#include "app/frame.h"
#include "ui/tool_windows.h"
#include "ui/version.h"
#include "ui/window_classes.h"
#include "ui/window_handles.h"
#include "document/document_block.h"
#include "document/file_loaders.h"
#include "document/open_file.h"
#include "reading/reader_state.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "ui/message_box.h"

// Asks the frame to open a named file once the commands queued before it
// have run; lParam is the path.
enum { WM_OPEN_NAMED_FILE = WM_APP + 2 };

static LRESULT on_create(HWND frame) {
    CLIENTCREATESTRUCT client = {};
    client.hWindowMenu = GetSubMenu(GetMenu(frame), 3);
    client.idFirstChild = FIRST_CHILD_ID;
    mdi_client =
        CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", NULL, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0,
                        frame, (HMENU)(INT_PTR)MDI_CLIENT_ID, app_instance, &client);
    ShowWindow(mdi_client, SW_SHOW);
    frame_window = frame;
    // Files dropped on any of the program's windows come here: the system
    // gives a drop to the nearest window that takes files.
    DragAcceptFiles(frame, TRUE);
    if (settings.save_positions)
        for (int i = 0; i < TOOL_WINDOW_COUNT; i++)
            if (tool_window_kinds[i].rect->height)
                PostMessageA(frame, WM_COMMAND, tool_window_kinds[i].command, 0);
    PostMessageA(frame, WM_COMMAND, CMD_ABOUT, 0);
    return 0;
}

static LRESULT on_size(LPARAM lparam) {
    MoveWindow(mdi_client, 0, 0, LOWORD(lparam), HIWORD(lparam), TRUE);
    return 0;
}

static LRESULT on_destroy() {
    if (settings.save_on_exit)
        save_settings_with_placements();
    PostQuitMessage(0);
    return 0;
}

static void close_active_child() {
    HWND child = (HWND)SendMessageA(mdi_client, WM_MDIGETACTIVE, 0, 0);
    if (child)
        SendMessageA(mdi_client, WM_MDIDESTROY, (WPARAM)child, 0);
}

static void cascade_children() {
    if (uses_95_shell_calls())
        CascadeWindows(mdi_client, MDITILE_SKIPDISABLED, NULL, 0, NULL);
    else
        SendMessageA(mdi_client, WM_MDICASCADE, MDITILE_SKIPDISABLED, 0);
}

static void tile_children(UINT how) {
    if (uses_95_shell_calls())
        TileWindows(mdi_client, how, NULL, 0, NULL);
    else
        SendMessageA(mdi_client, WM_MDITILE, how, 0);
}

static void show_about_window() {
    if (about_window) {
        ShowWindow(about_window, SW_SHOWNORMAL);
        return;
    }
    about_window = CreateWindowExA(0, "TAV_ABOUT", "", WS_POPUP | WS_VISIBLE, CW_USEDEFAULT, 0,
                                   CW_USEDEFAULT, 0, NULL, NULL, app_instance, NULL);
}

// What Open does once its dialog has chosen a file, and what a file named on
// the command line or dropped on a window gets: its kind decided, the loader
// run and the file named in the caption; a file that cannot be read is
// reported and the Document stays as it was.
static void open_named_file(const char *path) {
    lstrcpynA(file_path, path, sizeof file_path);
    lstrcpynA(file_title, path, sizeof file_title);
    if (!examine_chosen_file(path, NULL))
        return;
    load_file_of_kind(document_kind, file_path, file_size);
    char caption[sizeof file_title + 32];
    wsprintfA(caption, "Tavrin - File [ %s ]", file_title);
    SetWindowTextA(frame_window, caption);
}

static void open_file() {
    reset_document();
    char chosen[MAX_PATH];
    if (open_file_dialog(NULL, chosen))
        open_named_file(chosen);
}

void open_file_when_started(HWND frame, const char *path) {
    PostMessageA(frame, WM_OPEN_NAMED_FILE, 0, (LPARAM)path);
}

static LRESULT on_open_named_file(LPARAM path) {
    open_named_file((const char *)path);
    return 0;
}

// The first of the files dropped is opened.
static LRESULT on_drop_files(WPARAM drop) {
    char path[MAX_PATH];
    if (DragQueryFileA((HDROP)drop, 0, path, sizeof path))
        open_named_file(path);
    DragFinish((HDROP)drop);
    return 0;
}

static void start_reader() {
    running = 1;
    PostMessageA(reader_window, WM_COMMAND, CMD_START, 0);
}

static void paste() {
    if (!paste_clipboard()) {
        show_message_box(NULL, "Problem with clipboard", "Paste error");
        return;
    }
    SetWindowTextA(frame_window, "Tavrin - Paste from clipboard ");
    if (OpenClipboard(frame_window)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

int run_frame_command(HWND frame, int command) {
    switch (command) {
    case CMD_EXIT: DestroyWindow(frame); break;
    case CMD_CLOSE: close_active_child(); break;
    case CMD_CASCADE: cascade_children(); break;
    case CMD_TILE_HORIZONTAL: tile_children(MDITILE_HORIZONTAL); break;
    case CMD_TILE_VERTICAL: tile_children(MDITILE_VERTICAL); break;
    case CMD_ARRANGE: ArrangeIconicWindows(mdi_client); break;
    case CMD_ABOUT: show_about_window(); break;
    case CMD_NAVIGATOR:
    case CMD_SPEED:
    case CMD_FONTS:
    case CMD_COLOR:
    case CMD_PREFERENCES:
    case CMD_READER:
    case CMD_GLOM: open_tool_window(tool_window_for_command(command)); break;
    case CMD_OPEN: open_file(); break;
    case CMD_START: start_reader(); break;
    case CMD_STOP: running = 0; break;
    case CMD_PASTE: paste(); break;
    default: return 0;
    }
    return 1;
}

static LRESULT CALLBACK frame_window_proc(HWND frame, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE: return on_create(frame);
    case WM_SIZE: return on_size(lparam);
    case WM_DESTROY: return on_destroy();
    case WM_DROPFILES: return on_drop_files(wparam);
    case WM_OPEN_NAMED_FILE: return on_open_named_file(lparam);
    case WM_COMMAND:
        if (run_frame_command(frame, LOWORD(wparam)))
            return 0;
        break;
    }
    return DefFrameProcA(frame, mdi_client, message, wparam, lparam);
}

int register_frame_class() {
    return register_tavrin_class("TAV", frame_window_proc, "TAV", COLOR_APPWORKSPACE, "TAV");
}
