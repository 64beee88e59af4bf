// The Word conversion, block by block, against the byte loop it stands for,
// with the marker looked for across the whole file. The first input byte
// chooses the block size.
#include "formats/word_text.h"

#include <algorithm>
#include <stdlib.h>
#include <string.h>
#include <vector>

static std::vector<unsigned char> expected_text(const unsigned char *file, size_t size) {
    std::vector<unsigned char> text(size + 1, 0);
    const unsigned char marker[] = {0xDC, 0xA5};
    size_t k = std::search(file, file + size, marker, marker + 2) - file;
    if (k == size) {
        memcpy(text.data(), word_error_text, std::min(strlen(word_error_text), size));
        return text;
    }
    // A paragraph mark becomes CR LF, other control bytes zero bytes, 0xA0 and
    // 0x99 blanks; conversion stops at the first byte that does not fit.
    size_t out = 0;
    for (k += WORD_TEXT_OFFSET; k < size; k++) {
        unsigned char b = file[k];
        if (out + (b == 13 ? 2 : 1) > size)
            break;
        text[out++] = b == 13 ? 13 : b < 32 ? 0 : b == 0xA0 || b == 0x99 ? ' ' : b;
        if (b == 13)
            text[out++] = 10;
    }
    return text;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    if (size == 0)
        return 0;
    size_t block_size = data[0] * 7 + 1;
    std::vector<unsigned char> file(data + 1, data + size), text(size, 0);
    word_text_state state;
    begin_word_text(&state, (uint32_t)file.size());
    for (size_t at = 0; at < file.size(); at += block_size)
        convert_word_block(&state, &file[at], (uint32_t)std::min(block_size, file.size() - at),
                           text.data());
    finish_word_text(&state, text.data());
    if (text != expected_text(file.data(), file.size()))
        abort();
    return 0;
}
