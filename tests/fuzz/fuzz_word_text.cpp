// The Word conversion, block by block, against the byte loop it stands for,
// with the marker looked for across the whole file. The first input byte
// chooses the block size.
#include "document/word_text.h"

#include <stdlib.h>
#include <string.h>
#include <vector>

static std::vector<unsigned char> expected_text(const unsigned char *file, size_t size) {
    std::vector<unsigned char> text(size + 1, 0);
    size_t marker = size;
    for (size_t j = 0; j + 1 < size; j++)
        if (file[j] == 0xDC && file[j + 1] == 0xA5) {
            marker = j;
            break;
        }
    if (marker == size) {
        size_t n = strlen(word_error_text) < size ? strlen(word_error_text) : size;
        memcpy(text.data(), word_error_text, n);
        return text;
    }
    size_t out = 0;
    for (size_t k = marker + WORD_TEXT_OFFSET; k < size; k++) {
        unsigned char b = file[k];
        if (b == 13) {
            if (out + 2 > size)
                break;
            text[out++] = 13;
            text[out++] = 10;
            continue;
        }
        if (out + 1 > size)
            break;
        text[out++] = b < 32 ? 0 : b == 0xA0 || b == 0x99 ? ' ' : b;
    }
    return text;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    if (size == 0)
        return 0;
    size_t block_size = data[0] * 7 + 1;
    const unsigned char *file = data + 1;
    size -= 1;

    std::vector<unsigned char> text(size + 1, 0);
    word_text_state state;
    begin_word_text(&state, (uint32_t)size);
    for (size_t at = 0; at < size; at += block_size) {
        size_t n = size - at < block_size ? size - at : block_size;
        convert_word_block(&state, file + at, (uint32_t)n, text.data());
    }
    finish_word_text(&state, text.data());
    if (text != expected_text(file, size))
        abort();
    return 0;
}
