#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include "document/open_file.h"
#include "document/file_kinds.h"
#include "formats/file_kind.h"
#include "ui/window_handles.h"
#include "resources/resource.h"
#include "settings/settings.h"

#include <string.h>
#include "ui/message_box.h"

char file_path[MAX_PATH];
char file_title[256];
int document_kind;
uint64_t file_size;

// Books come after All Files, which stays the third and the one the dialog
// starts on.
static const char open_filter[] = "Text Files(*.TXT)\0*.txt\0"
                                  "MS Word Files(*.DOC)\0*.doc\0"
                                  "All Files(*.*)\0*.*\0"
                                  "Books(*.EPUB;*.FB2;*.DOCX)\0*.epub;*.fb2;*.fb2.zip;*.docx\0";

enum { ALL_FILES_FILTER = 3, DIALOG_TEXT_SIZE = 260 };

static void set_box_from_dialog(HWND dialog, int box, UINT request) {
    char text[DIALOG_TEXT_SIZE];
    LRESULT length = SendMessageA(GetParent(dialog), request, sizeof text, (LPARAM)text);
    if ((ULONG_PTR)length <= sizeof text)
        SetDlgItemTextA(dialog, box, text);
}

// Posted to itself once the dialog is set up: whatever the system focused
// first (under some versions the template's first box), typing goes into the
// dialog's own file-name box, so that a typed path and Enter open the file.
enum { WM_FOCUS_FILE_NAME = WM_APP + 1 };

static void focus_file_name_box(HWND dialog) {
    HWND explorer = GetParent(dialog);
    HWND box = GetDlgItem(explorer, cmb13);
    SetFocus(box ? box : GetDlgItem(explorer, edt1));
}

static void on_dialog_notify(HWND dialog, const OFNOTIFYA *notify) {
    switch (notify->hdr.code) {
    case CDN_INITDONE: PostMessageA(dialog, WM_FOCUS_FILE_NAME, 0, 0); break;
    case CDN_FILEOK: SetDlgItemTextA(dialog, IDC_SELECTION_BOX, notify->lpOFN->lpstrFile); break;
    case CDN_HELP: show_message_box(dialog, "Got the Help button notify.", "ComDlg32 Test"); break;
    case CDN_SHAREVIOLATION:
        SetDlgItemTextA(dialog, IDC_SELECTION_BOX, notify->pszFile);
        show_message_box(dialog, "Got a sharing violation notify.", "ComDlg32 Test");
        break;
    case CDN_FOLDERCHANGE: set_box_from_dialog(dialog, IDC_SELECTION_BOX, CDM_GETFOLDERPATH); break;
    case CDN_SELCHANGE:
        set_box_from_dialog(dialog, IDC_SELECTION_BOX, CDM_GETSPEC);
        set_box_from_dialog(dialog, IDC_PATH_BOX, CDM_GETFILEPATH);
        break;
    }
}

UINT_PTR CALLBACK open_dialog_hook(HWND dialog, UINT message, WPARAM, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG: SetWindowLongPtrA(dialog, DWLP_USER, (LONG_PTR)lparam); return 1;
    case WM_DESTROY: {
        // Read on every close, OK or Cancel; after OK the Selection box holds
        // the whole chosen path.
        const OPENFILENAMEA *dialog_data =
            (const OPENFILENAMEA *)GetWindowLongPtrA(dialog, DWLP_USER);
        if (dialog_data)
            GetDlgItemTextA(dialog, IDC_SELECTION_BOX, (char *)dialog_data->lCustData,
                            sizeof file_path);
        return 1;
    }
    case WM_NOTIFY: on_dialog_notify(dialog, (const OFNOTIFYA *)lparam); return 0;
    case WM_FOCUS_FILE_NAME: focus_file_name_box(dialog); return 1;
    }
    return 0;
}

struct dialog_error {
    DWORD code;
    UINT string_id;
};

static const dialog_error dialog_errors[] = {
    {CDERR_DIALOGFAILURE, 1},    {CDERR_STRUCTSIZE, 2},       {CDERR_INITIALIZATION, 3},
    {CDERR_NOTEMPLATE, 4},       {CDERR_NOHINSTANCE, 5},      {CDERR_LOADSTRFAILURE, 6},
    {CDERR_FINDRESFAILURE, 7},   {CDERR_LOADRESFAILURE, 8},   {CDERR_LOCKRESFAILURE, 9},
    {CDERR_MEMALLOCFAILURE, 10}, {CDERR_MEMLOCKFAILURE, 11},  {CDERR_NOHOOK, 12},
    {PDERR_SETUPFAILURE, 13},    {PDERR_PARSEFAILURE, 14},    {PDERR_RETDEFFAILURE, 15},
    {PDERR_LOADDRVFAILURE, 16},  {PDERR_GETDEVMODEFAIL, 17},  {PDERR_INITFAILURE, 18},
    {PDERR_NODEVICES, 19},       {PDERR_NODEFAULTPRN, 20},    {PDERR_DNDMMISMATCH, 21},
    {PDERR_CREATEICFAILURE, 22}, {PDERR_PRINTERNOTFOUND, 23}, {CFERR_NOFONTS, 24},
    {FNERR_SUBCLASSFAILURE, 25}, {FNERR_INVALIDFILENAME, 26}, {FNERR_BUFFERTOOSMALL, 27},
};

enum { UNKNOWN_DIALOG_ERROR = 29 };

void report_dialog_error(DWORD code, HWND owner) {
    if (code == 0)
        return;
    UINT string_id = UNKNOWN_DIALOG_ERROR;
    for (const dialog_error &e : dialog_errors)
        if (e.code == code)
            string_id = e.string_id;
    char text[DIALOG_TEXT_SIZE] = "";
    LoadStringA(app_instance, string_id, text, sizeof text);
    show_message_box(owner, text, NULL);
}

// Reads the head of the chosen file and decides its kind; the size and the
// kind change only when it succeeds.
int examine_chosen_file(const char *path, HWND owner) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        show_message_box(owner, "File open failed.", NULL);
        return 0;
    }
    // The high part too: a file of 4 GB or more must not pass for a small one.
    DWORD size_high = 0;
    DWORD size_low = GetFileSize(file, &size_high);
    if (size_low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
        show_message_box(NULL, "GetFileSize failed!", NULL);
        CloseHandle(file);
        return 0;
    }
    unsigned char head[FILE_HEAD_SIZE];
    memset(head, 0, sizeof head);
    DWORD count = 0;
    if (!ReadFile(file, head, FILE_HEAD_READ, &count, NULL) || count == 0) {
        show_message_box(owner, "Zero bytes read.", NULL);
        CloseHandle(file);
        return 0;
    }
    uint64_t size = ((uint64_t)size_high << 32) | size_low;
    int kind = decide_chosen_kind(file, size, head, count, settings.html_as_text, owner);
    if (kind < 0) {
        CloseHandle(file);
        return 0;
    }
    document_kind = kind;
    file_size = size;
    CloseHandle(file);
    return 1;
}

int open_file_dialog(HWND owner, char chosen[MAX_PATH]) {
    memset(chosen, 0, MAX_PATH);
    OPENFILENAMEA dialog;
    memset(&dialog, 0, sizeof dialog);
    // The size Windows 95 and NT 4 know, which every later version accepts.
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.hInstance = app_instance;
    dialog.lpstrFilter = open_filter;
    dialog.nFilterIndex = ALL_FILES_FILTER;
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = "Tavrin - Open file";
    dialog.Flags = OFN_EXPLORER | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK | OFN_SHOWHELP;
    dialog.lCustData = (LPARAM)file_path;
    dialog.lpfnHook = open_dialog_hook;
    dialog.lpTemplateName = MAKEINTRESOURCEA(IDD_OPEN_TEMPLATE);
    if (!GetOpenFileNameA(&dialog)) {
        report_dialog_error(CommDlgExtendedError(), owner);
        return 0;
    }
    return 1;
}
