// The kind decision on any head: never out of its four answers, the OLE2
// signature always a Word document, and an HTML page never HTML while it is to
// be read as text. The cases themselves are in the loader tests.
#include "formats/file_kind.h"

#include <algorithm>
#include <stdlib.h>
#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    unsigned char head[FILE_HEAD_SIZE] = {};
    memcpy(head, data, std::min(size, (size_t)FILE_HEAD_READ));
    const int word = memcmp(head, "\xD0\xCF\x11\xE0\xA1", 5) == 0;
    for (int html_as_text = 0; html_as_text <= 2; html_as_text++) {
        int kind = decide_file_kind(head, html_as_text);
        if (kind < FILE_PLAIN_TEXT || kind > FILE_UNRECOGNISED || word != (kind == FILE_WORD) ||
            (html_as_text == 1 && kind == FILE_HTML))
            abort();
    }
    return 0;
}
