// The settings file: what start-up reads and what saving writes.
#include "harness.h"

#include "app/frame.h"
#include "app/tool_windows.h"
#include "app/window_handles.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "reading/reader.h"

TEST_CASE("exit writes tav.dat only when save_on_exit is on, rectangles zero unless asked") {
    std::string folder = enter_fresh_directory();
    start_program();
    stop_program();
    CHECK_FALSE(file_exists(folder + "\\tav.dat"));

    HWND frame = start_program();
    settings.save_on_exit = 1;
    settings.speed_rect = window_rect{5, 6, 250, 150};
    run_frame_command(frame, CMD_SPEED);
    run_frame_command(frame, CMD_EXIT);
    pump_messages();
    CHECK(speed_window == nullptr);
    stop_program();
    std::string line = "490 100 0 0 0 255 255 255 1 2 1 0 ";
    for (int i = 0; i < 33; i++)
        line += "0 ";
    line += "Times New Roman\n";
    CHECK(read_whole_file(folder + "\\tav.dat") == line);
    CHECK(settings.speed_rect.width == 0);
}

TEST_CASE("start-up takes what the file holds and applies the defaults only without a file") {
    const struct {
        std::string label;
        const char *content; // 0: no file
        int32_t wpm, back_red, font_height;
        const char *face_name;
    } cases[] = {
        {"no file", 0, 490, 255, 100, "Times New Roman"},
        {"empty file", "", 0, 0, 0, ""},
        {"only 300", "300", 300, 0, 0, ""},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        enter_fresh_directory();
        if (c.content)
            write_whole_file("tav.dat", c.content);
        start_program();
        CHECK(settings.words_per_minute == c.wpm);
        CHECK(settings.back_red == c.back_red);
        CHECK(std::string(settings.face_name) == c.face_name);
        CHECK(settings.font_charset == 1);
        LOGFONTA font = {};
        GetObjectA(reader_font, sizeof font, &font);
        CHECK(font.lfHeight == c.font_height);
        CHECK(std::string(font.lfFaceName) == c.face_name);
        stop_program();
    }
}

TEST_CASE("settings saved and read back are the same, negative places and blanks included") {
    std::string folder = enter_fresh_directory();
    start_program();
    settings.words_per_minute = 777;
    lstrcpyA(settings.face_name, "Book Antiqua Bold");
    settings.save_positions = 1;
    SetWindowPos(frame_window, 0, -30, -20, 640, 480, SWP_NOZORDER);
    REQUIRE(save_settings() == 1);
    std::string first = read_whole_file(folder + "\\tav.dat");
    // Saved again into the start directory, wherever the current one has gone.
    enter_fresh_directory();
    REQUIRE(save_settings() == 1);
    CHECK(read_whole_file(folder + "\\tav.dat") == first);
    stop_program();
    SetCurrentDirectoryA(folder.c_str());
    start_program();
    CHECK(settings.words_per_minute == 777);
    CHECK(std::string(settings.face_name) == "Book Antiqua Bold");
    RECT r;
    GetWindowRect(frame_window, &r);
    CHECK(r.left == -30);
    CHECK(r.top == -20);
    stop_program();
}

// Places a tool window dx, dy from the origin the settings measure from: in
// the test prefix a sizing frame is 4 pixels, a caption and a menu bar 19,
// the client's edge 2.
static void place_from_origin(HWND window, int dx, int dy) {
    RECT frame;
    GetWindowRect(frame_window, &frame);
    POINT p = {frame.left + 4 + 2 + dx, frame.top + 19 + 19 + 4 + 2 + dy};
    ScreenToClient(mdi_client, &p);
    SetWindowPos(window, 0, p.x, p.y, 260, 170, SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST_CASE("tool windows are recorded from the frame's client origin, offsets of 3 or less as 0") {
    const struct { int dx, dy, x, y; } cases[] = {{3, 3, 0, 0}, {4, 4, 4, 4}, {-5, 40, 0, 40}};
    enter_fresh_directory();
    HWND frame = start_program();
    settings.save_positions = 1;
    run_frame_command(frame, CMD_NAVIGATOR);
    run_frame_command(frame, CMD_READER);
    for (const auto &c : cases) {
        CAPTURE(c.dx);
        place_from_origin(reader_window, c.dx, c.dy);
        record_window_rects();
        CHECK(settings.reader_rect.x == c.x);
        CHECK(settings.reader_rect.y == c.y);
        CHECK(settings.reader_rect.width == 260);
    }
    // A window closed before saving is saved as zero and not re-opened.
    DestroyWindow(navigator_window);
    REQUIRE(save_settings() == 1);
    stop_program();
    start_program();
    CHECK(navigator_window == nullptr);
    CHECK(reader_window != nullptr);
    stop_program();
}

TEST_CASE("a frame saved while minimised opens at the default place next time") {
    enter_fresh_directory();
    HWND frame = start_program();
    settings.save_positions = 1;
    ShowWindow(frame, SW_MINIMIZE);
    REQUIRE(save_settings() == 1);
    CHECK(settings.frame_rect.height < 32);
    stop_program();
    RECT r;
    GetWindowRect(start_program(), &r);
    CHECK(r.bottom - r.top >= 32);
    stop_program();
}

TEST_CASE("a save that cannot be written reports it and keeps the file already saved") {
    std::string folder = enter_fresh_directory();
    write_whole_file("tav.dat", "300 ");
    start_program();
    // Something in the way of the new file: the old one must survive.
    REQUIRE(CreateDirectoryA((folder + "\\tav.dat.new").c_str(), NULL));
    CHECK(save_settings() == 0);
    REQUIRE(shown_messages.size() == 1);
    CHECK(shown_messages[0].text == "File open failed.");
    CHECK(shown_messages[0].caption == "Save Preferences Error");
    CHECK(read_whole_file(folder + "\\tav.dat") == "300 ");
    stop_program();
}

// Fills the disk the current folder is on; returns the filler's name.
static std::string fill_disk() {
    std::string filler = "filler";
    HANDLE file = CreateFileA(filler.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    static char block[4096];
    DWORD written = 1;
    while (WriteFile(file, block, sizeof block, &written, NULL) && written == sizeof block)
        ;
    while (WriteFile(file, block, 1, &written, NULL) && written == 1)
        ;
    CloseHandle(file);
    return filler;
}

TEST_CASE("a save onto a full disk or into a read-only folder fails and keeps tav.dat") {
    // The folders come from tests/faults/with_mounted_folders.sh, which mounts
    // them where it may; a Windows program cannot make them itself.
    const struct {
        std::string label;
        const char *variable, *expected_message;
    } cases[] = {
        {"a full disk", "TAVRIN_FULL_FOLDER", "File write failed."},
        {"a read-only folder", "TAVRIN_READ_ONLY_FOLDER", "File open failed."},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        char folder[MAX_PATH] = "";
        if (!GetEnvironmentVariableA(c.variable, folder, sizeof folder) ||
            !SetCurrentDirectoryA(folder)) {
            MESSAGE("skipped, no folder on " << c.label << " (" << c.variable << " unset)");
            continue;
        }
        std::string filler;
        if (c.variable == cases[0].variable) {
            write_whole_file("tav.dat", "300 ");
            filler = fill_disk();
        }
        REQUIRE(read_whole_file("tav.dat") == "300 ");
        start_program();
        settings.words_per_minute = 900;
        CHECK(save_settings() == 0);
        REQUIRE(shown_messages.size() == 1);
        CHECK(shown_messages[0].text == c.expected_message);
        CHECK_FALSE(file_exists("tav.dat.new"));
        stop_program();
        start_program();
        CHECK(settings.words_per_minute == 300);
        stop_program();
        if (!filler.empty())
            DeleteFileA(filler.c_str());
    }
}

TEST_CASE(
    "a tav.dat of random bytes, of 10 MB or that is a folder: start-up goes on, a save mends it") {
    std::string noise(4096, '\0');
    unsigned seed = 12;
    for (char &b : noise)
        b = (char)((seed = seed * 1103515245u + 12345u) >> 24);
    noise[0] = '\xFF'; // not a number: parsing stops at once
    std::string sevens;
    for (int i = 0; i < 5 << 20; i++)
        sevens += "7 ";
    const struct {
        std::string label, content; // empty: tav.dat is a folder
        int32_t wpm;
        std::string face_name, expected_message;
    } cases[] = {
        {"random bytes", noise, 0, "", ""},
        {"10 MB of 7s", sevens, 7, "7 7 7 7 7 7 7 7 7 7 7 7 7 7 7 7", ""},
        {"a folder", "", 490, "Times New Roman", "File write failed."},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        std::string folder = enter_fresh_directory();
        if (c.content.empty())
            REQUIRE(CreateDirectoryA("tav.dat", NULL));
        else
            write_whole_file("tav.dat", c.content);
        start_program();
        CHECK(settings.words_per_minute == c.wpm);
        CHECK(std::string(settings.face_name) == c.face_name);
        settings.words_per_minute = 640;
        CHECK(save_settings() == c.expected_message.empty());
        CHECK(shown_messages.size() == !c.expected_message.empty());
        stop_program();
        CHECK_FALSE(file_exists("tav.dat.new"));
        if (!c.expected_message.empty()) {
            CHECK(shown_messages.at(0).text == c.expected_message);
            CHECK(GetFileAttributesA("tav.dat") == FILE_ATTRIBUTE_DIRECTORY);
            continue;
        }
        // One line that reads back as saved.
        std::string line = read_whole_file("tav.dat");
        CHECK(line.size() <= 572);
        CHECK(line.find('\n') == line.size() - 1);
        start_program();
        CHECK(settings.words_per_minute == 640);
        CHECK(std::string(settings.face_name) == c.face_name);
        stop_program();
    }
}
