#include "settings/settings_file.h"
#include "settings/settings.h"

#include <string.h>

char settings_file_name[16];
char start_directory[260];

int load_settings() {
    HANDLE file = CreateFileA(settings_file_name, GENERIC_READ, 0, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    char buffer[SETTINGS_LINE_SIZE] = "";
    DWORD got = 0;
    if (!ReadFile(file, buffer, sizeof buffer - 1, &got, NULL)) {
        CloseHandle(file);
        return 0;
    }
    parse_settings_line(&settings, buffer, got);
    CloseHandle(file);
    reset_font_parameters(&settings);
    return 1;
}

static int save_failed(const char **failure, const char *text) {
    *failure = text;
    return 0;
}

// Puts the finished temporary file in the place of the settings file. The 95
// family has no MoveFileExA; there the old file is removed first.
static int replace_settings_file(const char *temporary, const char *path) {
    if (MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING))
        return 1;
    DeleteFileA(path);
    return MoveFileA(temporary, path);
}

int save_settings(const char **failure) {
    char line[SETTINGS_LINE_SIZE];
    DWORD length = (DWORD)format_settings_line(&settings, line, sizeof line);

    // The settings are written beside the file first and replace it only when
    // complete, so a failed write never loses the settings already saved.
    char path[MAX_PATH + 16], temporary[MAX_PATH + 16];
    lstrcpynA(path, start_directory, MAX_PATH);
    lstrcatA(path, "\\");
    lstrcatA(path, settings_file_name);
    lstrcpyA(temporary, path);
    lstrcatA(temporary, ".new");

    HANDLE file =
        CreateFileA(temporary, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return save_failed(failure, "File open failed.");
    DWORD written = 0;
    BOOL wrote = WriteFile(file, line, length, &written, NULL) && written == length;
    wrote = CloseHandle(file) && wrote;
    if (!wrote || !replace_settings_file(temporary, path)) {
        DeleteFileA(temporary);
        return save_failed(failure, "File write failed.");
    }
    return 1;
}
