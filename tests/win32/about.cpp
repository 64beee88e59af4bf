// The About window: placed in the middle of the screen, drawn yellow on black,
// hidden by a key or a click and shown again by its command.
#include "harness.h"

#include "app/frame.h"
#include "app/window_handles.h"
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

// Counts the screen pixels of one colour inside a part of the window.
static int pixels_of_colour(HWND window, RECT part, COLORREF colour) {
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = part.top; y < part.bottom; y += 2)
        for (int x = part.left; x < part.right; x += 2)
            count += GetPixel(dc, x, y) == colour;
    ReleaseDC(window, dc);
    return count;
}

TEST_CASE("the About window opens at start in the middle of the screen, yellow on black; a key "
          "or a click hides it; its command shows the same one again") {
    enter_fresh_directory();
    HWND frame = start_program(SW_SHOWNORMAL, KEEP_ABOUT);
    HWND about = about_window;
    REQUIRE(about != nullptr);
    CHECK((GetWindowLongA(about, GWL_STYLE) & (WS_POPUP | WS_CAPTION)) == WS_POPUP);
    CHECK(GetWindow(about, GW_OWNER) == nullptr);
    check_centred(about);
    SetWindowPos(about, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RedrawWindow(about, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    const COLORREF yellow = RGB(255, 255, 0), black = RGB(0, 0, 0);
    CHECK(pixels_of_colour(about, {20, 10, 200, 60}, yellow) > 20);
    CHECK(pixels_of_colour(about, {130, 64, 390, 185}, yellow) > 20);
    CHECK(pixels_of_colour(about, {300, 200, 400, 245}, black) == 50 * 23);

    for (UINT message : {WM_KEYDOWN, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        CAPTURE(message);
        SendMessageA(about, message, 0, 0);
        CHECK_FALSE(IsWindowVisible(about));
        // Moved away while hidden: showing it repaints it in the middle again.
        SetWindowPos(about, 0, 5, 5, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
        run_frame_command(frame, CMD_ABOUT);
        UpdateWindow(about);
        CHECK(about_window == about);
        check_centred(about);
    }
    stop_program();
    CHECK(about_window == nullptr);
}
