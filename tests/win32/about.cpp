// The About window: placed in the middle of the screen, hidden by a key or a
// click and shown again by its command.
#include "harness.h"

#include "app/frame.h"
#include "ui/window_handles.h"
#include "resources/resource.h"

static void check_centred(HWND window) {
    RECT desktop, actual;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(window, &actual);
    CHECK(actual.left == (desktop.right - 400) / 2);
    CHECK(actual.top == (desktop.bottom - 300) / 2);
    CHECK(actual.right - actual.left == 400);
    CHECK(actual.bottom - actual.top == 300);
}

TEST_CASE("the About window opens at start in the middle of the screen, without a caption; a key "
          "or a click hides it; its command shows the same one again, in the middle again") {
    enter_fresh_directory();
    HWND frame = start_program(SW_SHOWNORMAL, KEEP_ABOUT);
    HWND about = about_window;
    REQUIRE(about != nullptr);
    CHECK((GetWindowLongA(about, GWL_STYLE) & (WS_POPUP | WS_CAPTION)) == WS_POPUP);
    check_centred(about);
    for (UINT message : {WM_KEYDOWN, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        CAPTURE(message);
        SendMessageA(about, message, 0, 0);
        CHECK_FALSE(IsWindowVisible(about));
        // Moved away while hidden: showing it repaints it in the middle again.
        SetWindowPos(about, 0, 5, 5, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
        run_frame_command(frame, CMD_ABOUT);
        UpdateWindow(about);
        CHECK(about_window == about);
        CHECK(IsWindowVisible(about));
        check_centred(about);
    }
    stop_program();
}
