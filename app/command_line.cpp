// Refuses nothing: reads up to the command line's zero byte and writes at
// most size bytes.
#include "app/command_line.h"

static int is_blank(char c) {
    return c == ' ' || c == '\t';
}

size_t first_argument(const char *command_line, char *argument, size_t size) {
    if (size == 0)
        return 0;
    const char *c = command_line ? command_line : "";
    while (is_blank(*c))
        c++;
    size_t length = 0;
    for (int quoted = 0; *c && (quoted || !is_blank(*c)); c++) {
        if (*c == '"')
            quoted = !quoted;
        else if (length + 1 < size)
            argument[length++] = *c;
    }
    argument[length] = 0;
    return length;
}
