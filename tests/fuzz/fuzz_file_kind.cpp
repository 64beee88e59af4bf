// The kind decision against a plain reading of its rules, for any head.
#include "document/file_kind.h"

#include <algorithm>
#include <stdlib.h>
#include <string.h>

static int expected_kind(const unsigned char *head, int html_as_text) {
    if (memcmp(head, "\xD0\xCF\x11\xE0\xA1", 5) == 0)
        return FILE_WORD;
    // The head always ends in a zero byte, so it is a string.
    if (strstr((const char *)head, "<html>") || strstr((const char *)head, "<HTML>"))
        return html_as_text == 1 ? FILE_PLAIN_TEXT : FILE_HTML;
    return std::any_of(head, head + FILE_HEAD_SIZE, [](unsigned char b) { return b >= 128; })
               ? FILE_UNRECOGNISED
               : FILE_PLAIN_TEXT;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    unsigned char head[FILE_HEAD_SIZE] = {};
    memcpy(head, data, std::min(size, (size_t)FILE_HEAD_READ));
    for (int html_as_text = 0; html_as_text <= 2; html_as_text++)
        if (decide_file_kind(head, html_as_text) != expected_kind(head, html_as_text))
            abort();
    return 0;
}
