// The named character references of HTML 4 and XML, for books written in
// XHTML that use them without declaring them.
#pragma once
#include <stdint.h>

// The code point the name stands for (without '&' and ';', case matters), 0
// when it is not one of them.
uint32_t html_entity(const char *name, uint32_t length);
