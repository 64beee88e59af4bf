// The About window: placed in the middle of the screen, drawn yellow on black,
// hidden by a key or a click and shown again by its command.
#include "harness.h"

#include "app/frame.h"
#include "app/window_handles.h"
#include "resources/resource.h"

static RECT centred_rect() {
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    RECT r;
    r.left = (desktop.right - 400) / 2;
    r.top = (desktop.bottom - 300) / 2;
    r.right = r.left + 400;
    r.bottom = r.top + 300;
    return r;
}

static void check_centred(HWND window) {
    RECT expected = centred_rect(), actual;
    GetWindowRect(window, &actual);
    CHECK(actual.left == expected.left);
    CHECK(actual.top == expected.top);
    CHECK(actual.right == expected.right);
    CHECK(actual.bottom == expected.bottom);
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

TEST_CASE("the About window opens at start: a 400 by 300 pop-up in the middle of the screen") {
    enter_fresh_directory();
    start_program();
    REQUIRE(about_window != nullptr);
    char class_name[32] = "";
    GetClassNameA(about_window, class_name, sizeof class_name);
    CHECK(std::string(class_name) == "TAV_ABOUT");
    CHECK(window_text(about_window) == "");
    LONG style = GetWindowLongA(about_window, GWL_STYLE);
    CHECK((style & WS_POPUP) != 0);
    CHECK((style & WS_CAPTION) == 0);
    CHECK(GetWindow(about_window, GW_OWNER) == nullptr);
    CHECK(IsWindowVisible(about_window));
    check_centred(about_window);
    stop_program();
}

TEST_CASE("the About window shows the name in yellow on black") {
    enter_fresh_directory();
    start_program();
    REQUIRE(about_window != nullptr);
    SetWindowPos(about_window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    UpdateWindow(about_window);
    pump_for(50);
    const COLORREF yellow = RGB(255, 255, 0), black = RGB(0, 0, 0);
    RECT title = {20, 10, 200, 60}, credits = {130, 64, 390, 185}, corner = {300, 200, 400, 245};
    CHECK(pixels_of_colour(about_window, title, yellow) > 20);
    CHECK(pixels_of_colour(about_window, credits, yellow) > 20);
    CHECK(pixels_of_colour(about_window, corner, black) == 50 * 23);
    stop_program();
}

TEST_CASE("a key or a click hides the About window; its command shows the same window again") {
    const struct {
        const char *label;
        UINT message;
    } hiders[] = {
        {"key", WM_KEYDOWN}, {"click", WM_LBUTTONDOWN}, {"double click", WM_LBUTTONDBLCLK}};
    enter_fresh_directory();
    HWND frame = start_program();
    HWND about = about_window;
    REQUIRE(about != nullptr);
    for (const auto &h : hiders) {
        CAPTURE(h.label);
        SendMessageA(about, h.message, h.message == WM_KEYDOWN ? VK_SPACE : 0, 0);
        pump_messages();
        CHECK_FALSE(IsWindowVisible(about));
        CHECK(about_window == about);
        // Moved away while hidden: showing it repaints it in the middle again.
        SetWindowPos(about, 0, 5, 5, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
        run_frame_command(frame, CMD_ABOUT);
        UpdateWindow(about);
        pump_messages();
        CHECK(IsWindowVisible(about));
        CHECK(about_window == about);
        check_centred(about);
    }
    int about_windows = 0;
    for (const std::string &c : created_classes)
        about_windows += c == "TAV_ABOUT";
    CHECK(about_windows == 1);
    stop_program();
    CHECK(about_window == nullptr);
}

TEST_CASE("every repaint moves the About window back to the middle") {
    enter_fresh_directory();
    start_program();
    SetWindowPos(about_window, 0, 3, 7, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(about_window, NULL, TRUE);
    UpdateWindow(about_window);
    pump_messages();
    check_centred(about_window);
    stop_program();
}
