#include "ui/dispatch.h"
#include "ui/window_handles.h"

void dispatch_message(MSG *msg) {
    if (mdi_client && TranslateMDISysAccel(mdi_client, msg))
        return;
    TranslateMessage(msg);
    DispatchMessageA(msg);
}
