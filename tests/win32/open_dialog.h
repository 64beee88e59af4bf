// Answering the real Open dialog from inside its own modal loop: a thread
// timer finds it and types the path on the keyboard into whatever has the
// focus, then Enter, as a user would; after a folder, it can select the first
// file of the list the dialog went to.
#pragma once
#include "harness.h"

#include "ui/window_handles.h"
#include "resources/resource.h"

#include <commctrl.h>

inline std::string open_answer_path;
inline bool open_answer_selects_first_file;
inline int open_dialog_ticks;
// The Selection box just before the first file is selected, and the
// Selection and Path boxes when the dialog is cancelled.
inline std::string selection_before_selecting, selection_at_cancel, path_at_cancel;
// Whether the template's two Russian labels were there at the cancel: they
// reach the dialog's ANSI controls only through the right code page.
inline bool labels_at_cancel;

inline std::string ansi(const std::wstring &text) {
    char bytes[1024] = "";
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes, sizeof bytes, NULL, NULL);
    return bytes;
}

// A box of the template, which is a child dialog of the system's.
inline std::string template_box_text(HWND dialog, int box) {
    char text[MAX_PATH] = "";
    GetDlgItemTextA(FindWindowExA(dialog, NULL, "#32770", NULL), box, text, sizeof text);
    return text;
}

inline void CALLBACK answer_open_dialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA("#32770", "Tavrin - Open file");
    if (dialog && open_dialog_ticks++ == 0) {
        wchar_t typed[MAX_PATH] = L"";
        MultiByteToWideChar(CP_ACP, 0, open_answer_path.c_str(), -1, typed, MAX_PATH);
        for (const wchar_t *c = typed; *c; c++)
            send_key(0, *c);
        send_key(typed[0] ? VK_RETURN : VK_ESCAPE);
    } else if (dialog && open_dialog_ticks == 5 && open_answer_selects_first_file) {
        selection_before_selecting = template_box_text(dialog, IDC_SELECTION_BOX);
        HWND view = FindWindowExA(dialog, NULL, "SHELLDLL_DefView", NULL);
        LVITEMA item = {};
        item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(FindWindowExA(view, NULL, "SysListView32", NULL), LVM_SETITEMSTATE, 0,
                     (LPARAM)&item);
    } else if (dialog && open_dialog_ticks == (open_answer_selects_first_file ? 10 : 500)) {
        // Open did not close it: end the modal loop; unless asked, the checks fail.
        selection_at_cancel = template_box_text(dialog, IDC_SELECTION_BOX);
        path_at_cancel = template_box_text(dialog, IDC_PATH_BOX);
        HWND parts = FindWindowExA(dialog, NULL, "#32770", NULL);
        labels_at_cancel = FindWindowExW(parts, NULL, L"Static", L"Путь:") &&
                           FindWindowExW(parts, NULL, L"Static", L"Выбор:");
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

// Answers the next Open dialog with the path, or with Escape when it is
// empty; a dialog still open after 500 ticks of 20 ms, or 10 when it selects
// the first file, is cancelled.
inline void answer_next_open_dialog(const std::string &path, bool select_first_file = false) {
    static UINT_PTR timer; // one answering timer at a time
    KillTimer(NULL, timer);
    open_answer_path = path;
    open_answer_selects_first_file = select_first_file;
    open_dialog_ticks = 0;
    timer = SetTimer(NULL, 0, 20, answer_open_dialog);
    shown_messages.clear();
}

// The Open command from the menu, answered with the path.
inline void open_through_frame(const std::string &path, bool select_first_file = false) {
    answer_next_open_dialog(path, select_first_file);
    SendMessageA(frame_window, WM_COMMAND, CMD_OPEN, 0);
    pump_messages();
}

// The messages shown since the dialog was answered, each in brackets.
inline std::string shown_message_texts() {
    std::string texts;
    for (const shown_message &m : shown_messages)
        texts += "[" + m.text + "]";
    return texts;
}

// A file as large as asked without taking the disk space.
inline void write_sparse_file(const std::string &path, ULONGLONG size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    LONG high = (LONG)(size >> 32);
    SetFilePointer(file, (LONG)(DWORD)size, &high, FILE_BEGIN);
    CHECK(SetEndOfFile(file));
    CloseHandle(file);
}
