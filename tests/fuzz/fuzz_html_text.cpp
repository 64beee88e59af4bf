// Mark-up removal, block by block and in place, against the byte loop it
// stands for. The first input byte chooses the block size.
#include "document/html_text.h"

#include <stdlib.h>
#include <string.h>
#include <vector>

static std::vector<unsigned char> expected_text(const unsigned char *page, size_t size) {
    std::vector<unsigned char> text(size, 0);
    int copying = 0;
    for (size_t k = 0; k < size; k++) {
        if (page[k] == '<')
            copying = 0;
        else if (page[k] == '>')
            copying = 1;
        else if (copying)
            text[k] = page[k];
    }
    return text;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    if (size == 0)
        return 0;
    size_t block_size = data[0] % 64 + 1;
    const unsigned char *page = data + 1;
    size -= 1;
    std::vector<unsigned char> expected = expected_text(page, size);

    std::vector<unsigned char> blocks(size, 0xEE);
    html_text_state state;
    begin_html_text(&state);
    for (size_t at = 0; at < size; at += block_size) {
        size_t n = size - at < block_size ? size - at : block_size;
        strip_html_block(&state, page + at, blocks.data() + at, (uint32_t)n);
    }
    if (blocks != expected)
        abort();

    std::vector<unsigned char> in_place(page, page + size);
    begin_html_text(&state);
    strip_html_block(&state, in_place.data(), in_place.data(), (uint32_t)size);
    if (in_place != expected)
        abort();
    return 0;
}
