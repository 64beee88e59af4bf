#define DOCTEST_CONFIG_IMPLEMENT
#include "harness.h"

#include "app/startup.h"
#include "ui/dispatch.h"
#include "ui/window_handles.h"

#include <stdio.h>
#include <fstream>
#include <set>

std::vector<shown_message> shown_messages;
std::vector<std::string> created_classes;
static HHOOK message_box_hook;
static std::set<HWND> unread_dialogs;

void pump_messages() {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT)
            dispatch_message(&msg);
    }
}

void pump_for(DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        pump_messages();
        MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
    }
    pump_messages();
}

std::string class_of(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

static BOOL CALLBACK find_combo_box(HWND child, LPARAM found) {
    *(int *)found |= class_of(child) == "ComboBox";
    return TRUE;
}

static BOOL CALLBACK find_message_text(HWND child, LPARAM text) {
    if (class_of(child) == "Static" && !window_text(child).empty())
        *(std::string *)text = window_text(child);
    return TRUE;
}

// A dialog without combo boxes is a message box (the Open dialog has them):
// note what it says and close it as if OK were pressed.
static LRESULT CALLBACK watch_message_boxes(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_CREATEWND) {
        created_classes.push_back(class_of((HWND)wparam));
        if (created_classes.back() == "#32770")
            unread_dialogs.insert((HWND)wparam);
    }
    // Recorded at its first activation only: a box activated again (when
    // another window took the focus meanwhile) is still the same message.
    if (code == HCBT_ACTIVATE && unread_dialogs.erase((HWND)wparam)) {
        HWND window = (HWND)wparam;
        int has_combo = 0;
        EnumChildWindows(window, find_combo_box, (LPARAM)&has_combo);
        if (!has_combo) {
            shown_message m;
            EnumChildWindows(window, find_message_text, (LPARAM)&m.text);
            m.caption = window_text(window);
            shown_messages.push_back(m);
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(message_box_hook, code, wparam, lparam);
}

std::string shown_message_list() {
    std::string all;
    for (const shown_message &m : shown_messages)
        all += (all.empty() ? "" : " | ") + m.caption + ": " + m.text;
    return all;
}

std::string enter_fresh_directory() {
    static int count;
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    char path[MAX_PATH];
    // Process numbers come back in later runs: take the first name not yet used.
    do
        snprintf(path, sizeof path, "%stavrin-test-%lu-%lu-%d", base, GetCurrentProcessId(),
                 GetTickCount(), ++count);
    while (!CreateDirectoryA(path, NULL));
    SetCurrentDirectoryA(path);
    return path;
}

HWND start_program(int show, int about) {
    shown_messages.clear();
    created_classes.clear();
    init_shared_state(GetModuleHandleA(NULL));
    HWND frame = create_frame_window(show);
    pump_messages();
    if (about == HIDE_ABOUT && about_window)
        ShowWindow(about_window, SW_HIDE);
    return frame;
}

void stop_program() {
    if (frame_window && IsWindow(frame_window))
        DestroyWindow(frame_window);
    if (about_window && IsWindow(about_window))
        DestroyWindow(about_window);
    pump_messages();
    frame_window = 0;
    mdi_client = 0;
}

std::string read_whole_file(const std::string &path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void write_whole_file(const std::string &path, const std::string &bytes) {
    std::ofstream f(path, std::ios::binary);
    REQUIRE(f.write(bytes.data(), bytes.size()).good());
}

int file_exists(const std::string &path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string window_text(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string utf8_menu_text(HMENU menu, int position) {
    wchar_t text[128] = L"";
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    char utf8[256] = "";
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, NULL, NULL);
    return utf8;
}

void send_key(WORD key, wchar_t unicode) {
    INPUT input[2] = {};
    for (int i = 0; i < 2; i++) {
        input[i].type = INPUT_KEYBOARD;
        input[i].ki.wVk = key;
        input[i].ki.wScan = unicode;
        input[i].ki.dwFlags = (unicode ? KEYEVENTF_UNICODE : 0) | (i ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, input, sizeof input[0]);
}

void send_key_with(WORD held, WORD key) {
    INPUT input[4] = {};
    const WORD keys[4] = {held, key, key, held};
    for (int i = 0; i < 4; i++) {
        input[i].type = INPUT_KEYBOARD;
        input[i].ki.wVk = keys[i];
        input[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, input, sizeof input[0]);
}

void turn_wheel(HWND window, int amount) {
    RECT r;
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = (DWORD)amount;
    SendInput(1, &input, sizeof input);
}

void put_clipboard_text(const std::string &text) {
    REQUIRE(OpenClipboard(NULL));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char *p = (char *)GlobalLock(data);
    memcpy(p, text.c_str(), text.size() + 1);
    GlobalUnlock(data);
    SetClipboardData(CF_TEXT, data);
    CloseClipboard();
}

std::string clipboard_text() {
    std::string text = "<none>";
    if (!OpenClipboard(NULL))
        return "<clipboard busy>";
    HANDLE data = GetClipboardData(CF_TEXT);
    if (data) {
        text = (const char *)GlobalLock(data);
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

int main(int argc, char **argv) {
    app_instance = GetModuleHandleA(NULL);
    if (!register_window_classes()) {
        fprintf(stderr, "cannot register the window classes\n");
        return 1;
    }
    message_box_hook = SetWindowsHookExA(WH_CBT, watch_message_boxes, NULL, GetCurrentThreadId());
    doctest::Context context(argc, argv);
    return context.run();
}
