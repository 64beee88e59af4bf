// The seven tool windows: MDI children of the frame, at most one of each.
#pragma once
#include <windows.h>
#include "settings/settings.h"

struct tool_window_kind {
    int command;            // the frame command that opens it
    const char *class_name; // its window class
    const char *title;
    HWND *handle;      // its entry in the window-handle registry
    window_rect *rect; // its saved placement in the Settings
};

enum { TOOL_WINDOW_COUNT = 7 };

// In the order in which saved windows are re-opened at start.
extern const tool_window_kind tool_window_kinds[TOOL_WINDOW_COUNT];

// The kind opened by a frame command, or 0.
const tool_window_kind *tool_window_for_command(int command);

// Focuses the window when it is open; otherwise creates it at its saved
// placement (or the default one when that is all zero) and shows it.
void open_tool_window(const tool_window_kind *kind);

// What every tool window does when it is destroyed: its handle and its saved
// rectangle become zero, so it counts as closed.
void forget_tool_window(HWND *handle, window_rect *rect);

// WM_MDIACTIVATE of a tool window whose keys belong to one of its controls:
// activation may leave the focus on the child window itself (Wine does so even
// right after creation), so typing would not reach the control; it goes back.
LRESULT activate_focusing(HWND window, WPARAM wparam, LPARAM lparam, HWND control);

// Records the frame's and the open tool windows' placements in the Settings,
// the tool windows' from the frame's client origin (offsets of 3 or less as 0).
void record_window_rects();
// Zeroes every saved placement: the frame's and the tool windows'.
void clear_window_rects();

// Saves the settings with the placements as they are now (or none when
// placements are not saved); 1, or 0 after reporting the failure.
int save_settings_with_placements();

// Procedure of a tool window that has no behaviour of its own yet: it only
// keeps the registry right when it is destroyed.
LRESULT CALLBACK plain_tool_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
