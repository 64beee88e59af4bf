#include "app/startup.h"
#include "app/about.h"
#include "app/command_line.h"
#include "app/frame.h"
#include "controls/color.h"
#include "controls/fonts.h"
#include "controls/preferences.h"
#include "controls/speed.h"
#include "glom/glom.h"
#include "ui/dispatch.h"
#include "ui/window_handles.h"
#include "document/document.h"
#include "document/document_block.h"
#include "document/open_file.h"
#include "reading/byte_sets.h"
#include "reading/reader_state.h"
#include "reading/navigator.h"
#include "reading/reader.h"
#include "settings/settings.h"
#include "settings/settings_file.h"

#include <string.h>

// Every window class the program has, in the order they are registered; each
// window's own file says how its class is made.
static int (*const class_registrations[])() = {
    register_frame_class, register_navigator_class, register_reader_class,
    register_fonts_class, register_speed_class,     register_preferences_class,
    register_color_class, register_glom_class,      register_about_class,
};

int register_window_classes() {
    for (int (*registration)() : class_registrations)
        if (!registration())
            return 0;
    return 1;
}

void init_shared_state(HINSTANCE instance) {
    lstrcpyA(settings_file_name, "tav.dat");
    app_instance = instance;
    frame_window = mdi_client = about_window = 0;
    navigator_window = reader_window = speed_window = fonts_window = 0;
    color_window = preferences_window = glom_window = 0;
    fill_byte_sets();

    file_path[0] = 0;
    document.text = 0;
    document.text_length = 0;
    document.read_pos = document.anchor_pos = 0;
    document_kind = 0;
    reset_navigator_state();

    memset(&settings, 0, sizeof settings);
    reset_font_parameters(&settings);
    if (!load_settings()) {
        apply_default_settings(&settings);
        pause_ticks = 0;
    }
    replace_reader_font(create_reader_font(settings.font_height));
    recentre_navigator = 0;
    lstrcpyA(current_word, "Tavrin");
    reset_document();
    start_directory[0] = 0;
    GetCurrentDirectoryA(sizeof start_directory, start_directory);
}

HWND create_frame_window(int show) {
    const window_rect &r = settings.frame_rect;
    int x = CW_USEDEFAULT, y = 0, width = CW_USEDEFAULT, height = 0;
    if (r.width >= 32 && r.height >= 32) {
        x = r.x;
        y = r.y;
        width = r.width;
        height = r.height;
    }
    HWND frame = CreateWindowExA(0, "TAV", "Tavrin", WS_OVERLAPPEDWINDOW, x, y, width, height, NULL,
                                 NULL, app_instance, NULL);
    if (!frame)
        return 0;
    ShowWindow(frame, show);
    UpdateWindow(frame);
    return frame;
}

int run_message_loop() {
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        dispatch_message(&msg);
    return (int)msg.wParam;
}

int tavrin_main(HINSTANCE instance, const char *command_line, int show) {
    app_instance = instance;
    if (!register_window_classes())
        return 0;
    init_shared_state(instance);
    HWND frame = create_frame_window(show);
    if (!frame)
        return 0;
    static char named_file[MAX_PATH];
    if (first_argument(command_line, named_file, sizeof named_file))
        open_file_when_started(frame, named_file);
    int code = run_message_loop();
    replace_reader_font(0);
    return code;
}
