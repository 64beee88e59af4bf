#include "formats/file_kind.h"

#include <string.h>

static const unsigned char ole2_signature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1};

static int holds(const unsigned char *bytes, uint32_t count, const char *word) {
    uint32_t length = (uint32_t)strlen(word);
    for (uint32_t i = 0; i + length <= count; i++)
        if (memcmp(bytes + i, word, length) == 0)
            return 1;
    return 0;
}

int decide_file_kind(const unsigned char head[FILE_HEAD_SIZE], int html_as_text) {
    if (memcmp(head, ole2_signature, sizeof ole2_signature) == 0)
        return FILE_WORD;
    // The tag search stops at the first zero byte, as a string search would.
    const void *zero = memchr(head, 0, FILE_HEAD_SIZE);
    uint32_t text_end =
        zero ? (uint32_t)((const unsigned char *)zero - head) : (uint32_t)FILE_HEAD_SIZE;
    if (holds(head, text_end, "<html>") || holds(head, text_end, "<HTML>"))
        return html_as_text == 1 ? FILE_PLAIN_TEXT : FILE_HTML;
    for (uint32_t i = 0; i < FILE_HEAD_SIZE; i++)
        if (head[i] >= 128)
            return FILE_UNRECOGNISED;
    return FILE_PLAIN_TEXT;
}

int head_is_zip(const unsigned char head[FILE_HEAD_SIZE]) {
    return memcmp(head, "PK\3\4", 4) == 0;
}
