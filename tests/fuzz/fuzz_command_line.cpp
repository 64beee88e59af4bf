// The first argument of any command line: within the buffer, zero-terminated,
// its length told right, and never a blank or a quote unless quoted.
#include "app/command_line.h"

#include <stdlib.h>
#include <string.h>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    const std::string line((const char *)data, size);
    const size_t room = size % 300;
    char argument[300];
    memset(argument, 'z', sizeof argument);
    size_t length = first_argument(line.c_str(), argument, room);
    if (room == 0 ? length != 0 : (length >= room || strlen(argument) != length))
        abort();
    if (room && memchr(argument, '"', length))
        abort();
    return 0;
}
