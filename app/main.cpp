#include <windows.h>
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    return tavrin_main(instance, show);
}
