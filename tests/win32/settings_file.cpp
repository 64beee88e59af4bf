// The settings file: what start-up reads and what saving writes.
#include "harness.h"

#include "app/frame.h"
#include "ui/tool_windows.h"
#include "ui/window_handles.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "reading/reader.h"

TEST_CASE("start-up takes what tav.dat holds, the defaults only without it; exit writes it only "
          "when save_on_exit is on, rectangles zero unless asked") {
    std::string saved = "490 100 0 0 0 255 255 255 1 2 1 0 ";
    for (int i = 0; i < 33; i++)
        saved += "0 ";
    saved += "Times New Roman\n";
    const struct {
        std::string label;
        const char *content; // 0: no file
        int32_t wpm, font_height;
        std::string face_name;
        int32_t save_on_exit;
        std::string after_exit; // "<none>": no file
    } cases[] = {
        {"no file", 0, 490, 100, "Times New Roman", 0, "<none>"},
        {"no file, saving on exit", 0, 490, 100, "Times New Roman", 1, saved},
        {"empty file", "", 0, 0, "", 0, ""},
        {"only 300", "300", 300, 0, "", 0, "300"},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        enter_fresh_directory();
        if (c.content)
            write_whole_file("tav.dat", c.content);
        HWND frame = start_program();
        CHECK(settings.words_per_minute == c.wpm);
        CHECK(std::string(settings.face_name) == c.face_name);
        CHECK(settings.font_charset == 1);
        LOGFONTA font = {};
        GetObjectA(reader_font, sizeof font, &font);
        CHECK(font.lfHeight == c.font_height);
        settings.save_on_exit = c.save_on_exit;
        settings.speed_rect = window_rect{5, 6, 250, 150};
        run_frame_command(frame, CMD_EXIT);
        stop_program();
        CHECK((file_exists("tav.dat") ? read_whole_file("tav.dat") : "<none>") == c.after_exit);
    }
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

TEST_CASE("what is saved comes back at the next start, negative places and blanks included, but "
          "not a minimised frame; tool windows are recorded from the frame's client origin, "
          "offsets of 3 or less as 0") {
    std::string folder = enter_fresh_directory();
    start_program();
    settings.words_per_minute = 777;
    lstrcpyA(settings.face_name, "Book Antiqua Bold");
    settings.save_positions = 1;
    SetWindowPos(frame_window, 0, -30, -20, 640, 480, SWP_NOZORDER);
    REQUIRE(save_settings_with_placements() == 1);
    std::string first = read_whole_file(folder + "\\tav.dat");
    // Saved again into the start directory, wherever the current one has gone.
    enter_fresh_directory();
    REQUIRE(save_settings_with_placements() == 1);
    CHECK(read_whole_file(folder + "\\tav.dat") == first);
    stop_program();
    SetCurrentDirectoryA(folder.c_str());
    RECT r;
    GetWindowRect(start_program(), &r);
    CHECK(settings.words_per_minute == 777);
    CHECK(std::string(settings.face_name) == "Book Antiqua Bold");
    CHECK(r.left == -30);
    CHECK(r.top == -20);

    const struct { int dx, dy, x, y; } cases[] = {{3, 3, 0, 0}, {4, 4, 4, 4}, {-5, 40, 0, 40}};
    run_frame_command(frame_window, CMD_READER);
    for (const auto &c : cases) {
        CAPTURE(c.dx);
        place_from_origin(reader_window, c.dx, c.dy);
        record_window_rects();
        CHECK(settings.reader_rect.x == c.x);
        CHECK(settings.reader_rect.y == c.y);
        CHECK(settings.reader_rect.width == 260);
    }

    ShowWindow(frame_window, SW_MINIMIZE);
    REQUIRE(save_settings_with_placements() == 1);
    CHECK(settings.frame_rect.height < 32);
    stop_program();
    GetWindowRect(start_program(), &r);
    CHECK(r.bottom - r.top >= 32);
    stop_program();
}

// Fills the disk the current folder is on with a file named "filler".
static void fill_disk() {
    HANDLE file = CreateFileA("filler", GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    static char block[4096];
    DWORD written;
    for (DWORD size = sizeof block; size > 0; size /= 2)
        while (WriteFile(file, block, size, &written, NULL) && written == size)
            ;
    CloseHandle(file);
}

TEST_CASE("start-up goes on past a tav.dat of noise, of 10 MB or that is a folder; a save that "
          "fails (a full disk, a read-only folder, a folder in the way) keeps what was saved") {
    std::string noise; // from a zero byte, not a number: parsing stops at once
    for (unsigned i = 0; i < 4096; i++)
        noise += (char)(i * 2654435761u >> 24);
    std::string sevens;
    for (int i = 0; i < 5 << 20; i++)
        sevens += "7 ";
    const std::string open_failed = "Save Preferences Error: File open failed.";
    const std::string write_failed = "Save Preferences Error: File write failed.";
    // The mounted folders come from tests/faults/with_mounted_folders.sh, which
    // mounts them where it may; a Windows program cannot make them itself.
    const struct {
        std::string label;
        const char *variable; // the folder to work in; 0: a fresh one
        std::string content;  // written to tav.dat unless empty
        std::string folder;   // a folder made under this name first
        int fill_disk;
        int32_t wpm;
        std::string face_name, message; // no message: the save succeeds
    } cases[] = {
        {"random bytes", 0, noise, "", 0, 0, "", ""},
        {"10 MB of 7s", 0, sevens, "", 0, 7, "7 7 7 7 7 7 7 7 7 7 7 7 7 7 7 7", ""},
        {"tav.dat a folder", 0, "", "tav.dat", 0, 490, "Times New Roman", write_failed},
        {"a folder in the way of the new file", 0, "300 ", "tav.dat.new", 0, 300, "", open_failed},
        {"a full disk", "TAVRIN_FULL_FOLDER", "300 ", "", 1, 300, "", write_failed},
        {"a read-only folder holding 300", "TAVRIN_READ_ONLY_FOLDER", "", "", 0, 300, "",
         open_failed},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        char folder[MAX_PATH] = "";
        if (!c.variable)
            enter_fresh_directory();
        else if (!GetEnvironmentVariableA(c.variable, folder, sizeof folder) ||
                 !SetCurrentDirectoryA(folder)) {
            MESSAGE("skipped, no folder on " << c.label << " (" << c.variable << " unset)");
            continue;
        }
        if (!c.content.empty())
            write_whole_file("tav.dat", c.content);
        if (!c.folder.empty())
            REQUIRE(CreateDirectoryA(c.folder.c_str(), NULL));
        if (c.fill_disk)
            fill_disk();
        start_program();
        CHECK(settings.words_per_minute == c.wpm);
        CHECK(std::string(settings.face_name) == c.face_name);
        settings.words_per_minute = 640;
        CHECK(save_settings_with_placements() == c.message.empty());
        CHECK(shown_message_list() == c.message);
        stop_program();
        CHECK(file_exists("tav.dat.new") == (c.folder == "tav.dat.new"));
        // A good save reads back as saved; a failed one left the old file.
        start_program();
        CHECK(settings.words_per_minute == (c.message.empty() ? 640 : c.wpm));
        CHECK(std::string(settings.face_name) == c.face_name);
        stop_program();
        DeleteFileA("filler");
    }
}
