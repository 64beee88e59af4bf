#include <windows.h>
#include "document/document.h"
#include "document/document_block.h"
#include "ui/window_handles.h"

#include <string.h>
#include "ui/message_box.h"

enum { WELCOME_BLOCK_SIZE = 255 };

static void announce_new_text() {
    if (navigator_window)
        SendMessageA(navigator_window, WM_DOCUMENT_REPLACED, 0, 0);
}

int reset_document() {
    HGLOBAL block = GlobalAlloc(GMEM_ZEROINIT, WELCOME_BLOCK_SIZE);
    if (!block) {
        show_message_box(NULL, "GlobalAlloc  failed!", NULL);
        return 0;
    }
    unsigned char *text = (unsigned char *)block;
    memcpy(text, welcome_text, strlen(welcome_text));
    HGLOBAL previous = (HGLOBAL)document.text_block;
    document.text_block = block;
    document.text = text;
    document.text_length = (uint32_t)strlen(welcome_text);
    document.read_pos = 0;
    document.anchor_pos = 0;
    if (previous)
        GlobalFree(previous);
    announce_new_text();
    return 1;
}

unsigned char *resize_text_block(uint32_t length) {
    if (length == 0xFFFFFFFFu)
        return 0;
    HGLOBAL old_block = (HGLOBAL)document.text_block;
    SIZE_T old_size = old_block ? GlobalSize(old_block) : 0;
    HGLOBAL block = old_block ? GlobalReAlloc(old_block, length + 1, GMEM_MOVEABLE | GMEM_ZEROINIT)
                              : GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, length + 1);
    if (!block)
        return 0;
    unsigned char *text = (unsigned char *)GlobalLock(block);
    if (!text) {
        // The old block may have moved; keep the Document pointing at it.
        document.text_block = block;
        document.text = 0;
        document.text_length = 0;
        document.read_pos = document.anchor_pos = 0;
        return 0;
    }
    // Growth is zeroed by the resize; the part that held the old text is not.
    memset(text, 0, old_size < (SIZE_T)length + 1 ? old_size : (SIZE_T)length + 1);
    // Until the filler commits, the Document is an empty text in the new
    // block: a message box shown meanwhile may let the Reader tick.
    document.text_block = block;
    document.text = text;
    document.text_length = 0;
    document.read_pos = document.anchor_pos = 0;
    return text;
}

void shrink_text_block(uint32_t length) {
    HGLOBAL block = (HGLOBAL)document.text_block;
    GlobalUnlock(block);
    HGLOBAL smaller = GlobalReAlloc(block, (SIZE_T)length + 1, GMEM_MOVEABLE);
    if (smaller)
        block = smaller;
    document.text_block = block;
    document.text = (unsigned char *)GlobalLock(block);
}

void commit_text_block(uint32_t length) {
    document.text[length] = 0;
    GlobalUnlock((HGLOBAL)document.text_block);
    document.text_length = length;
    document.read_pos = 0;
    document.anchor_pos = 0;
    announce_new_text();
}

// The first of the text formats the clipboard offers, read as single bytes.
static HANDLE clipboard_text_data() {
    static const UINT formats[] = {CF_TEXT, CF_LOCALE, CF_OEMTEXT, CF_UNICODETEXT};
    for (UINT format : formats) {
        HANDLE data = GetClipboardData(format);
        if (data)
            return data;
    }
    return 0;
}

// Bytes before the first zero, never counting past the end of the data.
static uint32_t bounded_text_length(const unsigned char *bytes, SIZE_T size) {
    const void *zero = memchr(bytes, 0, size);
    return (uint32_t)(zero ? (const unsigned char *)zero - bytes : size);
}

int take_clipboard_text() {
    if (!OpenClipboard(frame_window))
        return 0;
    HANDLE data = clipboard_text_data();
    const unsigned char *bytes = data ? (const unsigned char *)GlobalLock(data) : 0;
    if (!bytes) {
        CloseClipboard();
        return 0;
    }
    uint32_t n = bounded_text_length(bytes, GlobalSize(data));
    unsigned char *text = resize_text_block(n);
    if (!text) {
        show_message_box(NULL, "GlobalReAlloc for glom from clipboard failed!", NULL);
        GlobalUnlock(data);
        CloseClipboard();
        return 0;
    }
    memcpy(text, bytes, n);
    GlobalUnlock(data);
    CloseClipboard();
    commit_text_block(n);
    return 1;
}

int paste_clipboard() {
    if (!navigator_window)
        return 0;
    return take_clipboard_text();
}
