#include <windows.h>
#include "ui/version.h"

int uses_95_shell_calls() {
    DWORD version = GetVersion();
    if (!(version & 0x80000000u))
        return 0;
    return LOBYTE(LOWORD(version)) >= 4;
}
