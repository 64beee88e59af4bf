#pragma once
#include <windows.h>

// Registers one of the program's window classes: styles CS_HREDRAW |
// CS_VREDRAW, the arrow cursor, the icon of the given resource name. Uses
// RegisterClassExA, with a small icon, on the Windows 95 family.
int register_tavrin_class(const char *class_name, WNDPROC procedure, const char *icon_name,
                          int background_colour, const char *menu_name);
