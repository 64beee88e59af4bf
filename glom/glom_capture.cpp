#include <windows.h>
#include "glom/glom_capture.h"
#include "glom/glom_sources.h"
#include "ui/message_box.h"
#include "ui/window_handles.h"
#include "document/document_block.h"

#include <string.h>

static const char glom_view_class[] = "HTML_Internet Explorer";

// The chosen program's top-level window, and the window that receives the
// commands or whose text is read.
static HWND glom_target, glom_source;

static BOOL CALLBACK find_glom_target(HWND window, LPARAM) {
    char title[GLOM_TITLE_SIZE] = "";
    GetWindowTextA(window, title, GLOM_TITLE_READ);
    if (title_matches_glom_name(title, glom_name))
        glom_target = window;
    return TRUE;
}

// Internet Explorer handles the commands in its page view.
static BOOL CALLBACK find_ie_view(HWND window, LPARAM) {
    char class_name[GLOM_CLASS_READ] = "";
    GetClassNameA(window, class_name, GLOM_CLASS_READ);
    if (strcmp(class_name, glom_view_class) == 0)
        glom_source = window;
    return TRUE;
}

// Sends the message and waits for the answer, but not past the time limit:
// a source program that hangs must not hang the reader with it.
static int ask_source(HWND source, UINT message, WPARAM wparam, LPARAM lparam, DWORD_PTR *answer) {
    *answer = 0;
    return SendMessageTimeoutA(source, message, wparam, lparam, SMTO_ABORTIFHUNG,
                               GLOM_ANSWER_TIMEOUT_MS, answer) != 0;
}

// The window of Eudora's tree that shows the text: two levels down, or three
// in the mailboxes and windows that show a list above it. None when the tree
// is not that deep.
static HWND eudora_text_window(HWND target) {
    HWND mailbox = GetWindow(target, GW_CHILD);
    HWND view = mailbox ? GetWindow(mailbox, GW_CHILD) : 0;
    char title[EUDORA_TITLE_READ] = "";
    if (mailbox)
        GetWindowTextA(mailbox, title, EUDORA_TITLE_READ);
    if (!eudora_text_lies_deeper(title))
        return view;
    return view ? GetWindow(view, GW_CHILD) : 0;
}

static int report_no_memory() {
    show_message_box(NULL, "Global Memory for glom failed!", NULL);
    return 0;
}

// The text is read into a block of its own first, so that a source that does
// not answer, or reports a length it cannot fill, leaves the Document whole;
// the Document then takes what the window actually copied. No window gives
// an empty text. A late answer from another program never reaches the block:
// the system copies the text across only while the request is waited for.
static int take_window_text(HWND source) {
    DWORD_PTR reported = 0;
    if (source && !ask_source(source, WM_GETTEXTLENGTH, 0, 0, &reported))
        return 0;
    if (reported >= 0xFFFFFFFFu)
        return report_no_memory();
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, reported + 1);
    unsigned char *bytes = copy ? (unsigned char *)GlobalLock(copy) : 0;
    if (!bytes) {
        if (copy)
            GlobalFree(copy);
        return report_no_memory();
    }
    DWORD_PTR copied = 0;
    int answered = !source || ask_source(source, WM_GETTEXT, reported + 1, (LPARAM)bytes, &copied);
    size_t limit = copied < reported ? copied : reported;
    const void *zero = memchr(bytes, 0, limit);
    uint32_t length = (uint32_t)(zero ? (const unsigned char *)zero - bytes : limit);
    unsigned char *text = answered ? resize_text_block(length) : 0;
    if (text) {
        memcpy(text, bytes, length);
        commit_text_block(length);
    } else if (answered) {
        report_no_memory();
    }
    GlobalUnlock(copy);
    GlobalFree(copy);
    return text != 0;
}

// The source's own Select and Copy commands, as its Edit menu would send
// them, leave its text on the clipboard.
static int copy_through_clipboard(const select_copy_items *items) {
    empty_clipboard(frame_window);
    DWORD_PTR answer;
    if (!ask_source(glom_source, WM_COMMAND, LOWORD(items->select_id), 0, &answer))
        return 0;
    if (items->copy_pos >= 0 &&
        !ask_source(glom_source, WM_COMMAND, LOWORD(items->copy_id), 0, &answer))
        return 0;
    return take_clipboard_text();
}

int glom_capture() {
    empty_clipboard(frame_window);
    glom_target = 0;
    EnumWindows(find_glom_target, 0);
    if (!glom_target)
        return 0;
    select_copy_items items;
    find_window_select_copy(glom_target, &items);
    glom_source = glom_target;
    if (strstr(glom_name, "Microsoft Word") && items.select_pos < 0)
        return 0;
    if (strstr(glom_name, "Microsoft Internet Explorer"))
        EnumChildWindows(glom_target, find_ie_view, 0);
    if (strstr(glom_name, "Eudora")) {
        glom_source = eudora_text_window(glom_target);
        return take_window_text(glom_source);
    }
    if (items.select_pos < 0)
        return 0;
    return copy_through_clipboard(&items);
}
