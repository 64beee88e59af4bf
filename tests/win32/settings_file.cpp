// The settings file: what start-up reads and what saving writes.
#include "harness.h"

#include "app/frame.h"
#include "app/tool_windows.h"
#include "app/window_handles.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "settings/settings_file.h"

#include <string.h>

static std::string default_line(int save_on_exit) {
    std::string line = "490 100 0 0 0 255 255 255 1 2 ";
    line += save_on_exit ? "1 " : "0 ";
    for (int i = 0; i < 34; i++)
        line += "0 ";
    return line + "Times New Roman\n";
}

TEST_CASE("exit writes tav.dat only when save_on_exit is on") {
    std::string folder = enter_fresh_directory();
    start_program();
    stop_program();
    CHECK_FALSE(file_exists(folder + "\\tav.dat"));

    start_program();
    settings.save_on_exit = 1;
    stop_program();
    std::string line = read_whole_file(folder + "\\tav.dat");
    CHECK(line == default_line(1));
    CHECK(line.size() == 116);
    CHECK_FALSE(file_exists(folder + "\\tav.dat.new"));
}

TEST_CASE("start-up takes what the file holds and applies the defaults only without a file") {
    struct {
        const char *label;
        const char *content; // 0: no file
        int32_t wpm, back_red, extra_delay;
        const char *face_name;
    } cases[] = {
        {"no file", 0, 490, 255, 2, "Times New Roman"},
        {"empty file", "", 0, 0, 0, ""},
        {"only 300", "300", 300, 0, 0, ""},
        {"a face with blanks",
         "200 90 1 2 3 4 5 6 1 7 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "
         "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 Courier New Bold\n",
         200, 4, 7, "Courier New Bold"},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        enter_fresh_directory();
        if (c.content)
            write_whole_file("tav.dat", c.content);
        start_program();
        CHECK(settings.words_per_minute == c.wpm);
        CHECK(settings.back_red == c.back_red);
        CHECK(settings.extra_delay == c.extra_delay);
        CHECK(std::string(settings.face_name) == c.face_name);
        CHECK(settings.font_width == 0);
        CHECK(settings.font_escapement == 0);
        CHECK(settings.font_orientation == 0);
        CHECK(settings.font_charset == 1);
        CHECK(reader_font != nullptr);
        stop_program();
    }
}

TEST_CASE("the reader font is made from the defaults when there is no file") {
    enter_fresh_directory();
    start_program();
    LOGFONTA font = {};
    REQUIRE(GetObjectA(reader_font, sizeof font, &font) == sizeof font);
    CHECK(font.lfHeight == 100);
    CHECK(std::string(font.lfFaceName) == "Times New Roman");
    CHECK(font.lfQuality == PROOF_QUALITY);
    CHECK(font.lfCharSet == DEFAULT_CHARSET);
    stop_program();
}

TEST_CASE("settings saved and read back are the same, negative places included") {
    std::string folder = enter_fresh_directory();
    start_program();
    settings.words_per_minute = 777;
    settings.text_red = 12;
    settings.html_as_text = 1;
    lstrcpyA(settings.face_name, "Book Antiqua");
    settings.save_positions = 1;
    SetWindowPos(frame_window, 0, -30, -20, 640, 480, SWP_NOZORDER);
    pump_messages();
    REQUIRE(save_settings() == 1);
    std::string first = read_whole_file(folder + "\\tav.dat");
    REQUIRE(save_settings() == 1);
    CHECK(read_whole_file(folder + "\\tav.dat") == first);
    CHECK(first.compare(0, 4, "777 ") == 0);
    CHECK(first.find("1 -30 -20 640 480 ") != std::string::npos);
    stop_program();

    start_program();
    CHECK(settings.words_per_minute == 777);
    CHECK(settings.text_red == 12);
    CHECK(settings.html_as_text == 1);
    CHECK(settings.frame_rect.x == -30);
    CHECK(settings.frame_rect.y == -20);
    CHECK(std::string(settings.face_name) == "Book Antiqua");
    RECT r;
    GetWindowRect(frame_window, &r);
    CHECK(r.left == -30);
    CHECK(r.top == -20);
    stop_program();
}

TEST_CASE("the file is read from the current directory at start and written to it later") {
    std::string start = enter_fresh_directory();
    Settings s;
    apply_default_settings(&s);
    s.words_per_minute = 321;
    write_settings_file(s);
    start_program();
    CHECK(settings.words_per_minute == 321);
    std::string elsewhere = enter_fresh_directory();
    settings.words_per_minute = 654;
    REQUIRE(save_settings() == 1);
    CHECK(read_whole_file(start + "\\tav.dat").compare(0, 4, "654 ") == 0);
    CHECK_FALSE(file_exists(elsewhere + "\\tav.dat"));
    stop_program();
}

TEST_CASE("with save_positions off the rectangles are saved as zero and zeroed in memory") {
    std::string folder = enter_fresh_directory();
    HWND frame = start_program();
    settings.speed_rect = window_rect{5, 6, 250, 150};
    run_frame_command(frame, CMD_SPEED);
    pump_messages();
    REQUIRE(save_settings() == 1);
    CHECK(read_whole_file(folder + "\\tav.dat") == default_line(0));
    CHECK(settings.speed_rect.width == 0);
    CHECK(settings.frame_rect.width == 0);
    stop_program();
}

// Places a tool window so that its top-left corner lies dx, dy from the
// origin the settings measure from.
static void place_from_origin(HWND window, int dx, int dy) {
    RECT frame;
    GetWindowRect(frame_window, &frame);
    POINT p = {frame.left + GetSystemMetrics(SM_CXFRAME) + dx,
               frame.top + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) +
                   GetSystemMetrics(SM_CYFRAME) + dy};
    ScreenToClient(mdi_client, &p);
    SetWindowPos(window, 0, p.x, p.y, 260, 170, SWP_NOZORDER | SWP_NOACTIVATE);
    pump_messages();
}

TEST_CASE("tool windows are recorded from the frame's client origin, offsets of 3 or less as 0") {
    struct {
        int dx, dy, x, y;
    } cases[] = {{3, 3, 0, 0}, {4, 4, 4, 4}, {-5, 40, 0, 40}, {57, 2, 57, 0}};
    enter_fresh_directory();
    HWND frame = start_program();
    settings.save_positions = 1;
    run_frame_command(frame, CMD_READER);
    run_frame_command(frame, CMD_NAVIGATOR);
    pump_messages();
    for (const auto &c : cases) {
        CAPTURE(c.dx);
        CAPTURE(c.dy);
        place_from_origin(reader_window, c.dx, c.dy);
        record_window_rects();
        CHECK(settings.reader_rect.x == c.x);
        CHECK(settings.reader_rect.y == c.y);
        CHECK(settings.reader_rect.width == 260);
        CHECK(settings.reader_rect.height == 170);
    }
    RECT r;
    GetWindowRect(frame, &r);
    CHECK(settings.frame_rect.x == r.left);
    CHECK(settings.frame_rect.width == r.right - r.left);
    SUBCASE("a window closed before saving is saved as zero and not re-opened") {
        DestroyWindow(navigator_window);
        REQUIRE(save_settings() == 1);
        CHECK(settings.navigator_rect.height == 0);
        CHECK(settings.reader_rect.width == 260);
        stop_program();
        start_program();
        CHECK(navigator_window == nullptr);
        CHECK(reader_window != nullptr);
    }
    stop_program();
}

TEST_CASE("a frame saved while minimised opens at the default place next time") {
    enter_fresh_directory();
    Settings s;
    apply_default_settings(&s);
    s.frame_rect = window_rect{120, 90, 500, 400};
    write_settings_file(s);
    HWND frame = start_program();
    settings.save_positions = 1;
    ShowWindow(frame, SW_MINIMIZE);
    pump_messages();
    REQUIRE(save_settings() == 1);
    // Minimised, the frame is the small bar of an icon title.
    CHECK(settings.frame_rect.height < 32);
    stop_program();
    start_program();
    RECT r;
    GetWindowRect(frame_window, &r);
    CHECK(settings.frame_rect.height < 32);
    CHECK(r.bottom - r.top >= 32);
    stop_program();
}

TEST_CASE("a save that cannot be written reports it and keeps the file already saved") {
    std::string folder = enter_fresh_directory();
    write_whole_file("tav.dat", "300 ");
    start_program();
    // Something in the way of the new file: the old one must survive.
    REQUIRE(CreateDirectoryA((folder + "\\tav.dat.new").c_str(), NULL));
    shown_messages.clear();
    CHECK(save_settings() == 0);
    REQUIRE(shown_messages.size() == 1);
    CHECK(shown_messages[0].text == "File open failed.");
    CHECK(shown_messages[0].caption == "Save Preferences Error");
    CHECK(read_whole_file(folder + "\\tav.dat") == "300 ");
    RemoveDirectoryA((folder + "\\tav.dat.new").c_str());

    SUBCASE("a start directory that is gone") {
        lstrcpyA(start_directory, "C:\\no\\such\\folder");
        shown_messages.clear();
        CHECK(save_settings() == 0);
        REQUIRE(shown_messages.size() == 1);
        CHECK(shown_messages[0].text == "File open failed.");
    }
    SUBCASE("a read-only settings file cannot be replaced") {
        SetFileAttributesA((folder + "\\tav.dat").c_str(), FILE_ATTRIBUTE_READONLY);
        shown_messages.clear();
        int saved = save_settings();
        SetFileAttributesA((folder + "\\tav.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!saved) {
            REQUIRE(shown_messages.size() == 1);
            CHECK(shown_messages[0].text == "File write failed.");
            CHECK(read_whole_file(folder + "\\tav.dat") == "300 ");
        }
        CHECK_FALSE(file_exists(folder + "\\tav.dat.new"));
    }
    settings.save_on_exit = 0;
    stop_program();
}
