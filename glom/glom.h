// The Glom window ("GLOMCLASS"): the list of running programs whose text can
// be captured, and the buttons that capture it and rebuild the list.
#pragma once
#include <windows.h>

enum { GLOM_LIST_ID = 3001, GLOM_BUTTON_ID = 3002, GLOM_REFRESH_ID = 3003 };

int register_glom_class();
