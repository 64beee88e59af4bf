#include "ui/dispatch.h"
#include "ui/window_handles.h"

// The shortcuts of the frame's commands: all of them, or, while an edit box
// has the keyboard, those that leave the box its own paste keys.
static HACCEL shortcuts(HWND focus) {
    static HACCEL all, editing;
    if (!all) {
        all = LoadAcceleratorsA(app_instance, "TAV");
        editing = LoadAcceleratorsA(app_instance, "TAV_EDITING");
    }
    return SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL ? editing : all;
}

static int translate_shortcut(MSG *msg) {
    if (!frame_window || msg->message != WM_KEYDOWN)
        return 0;
    HACCEL table = shortcuts(msg->hwnd);
    return table && TranslateAcceleratorA(frame_window, table, msg);
}

void dispatch_message(MSG *msg) {
    if (translate_shortcut(msg))
        return;
    if (mdi_client && TranslateMDISysAccel(mdi_client, msg))
        return;
    TranslateMessage(msg);
    DispatchMessageA(msg);
}
