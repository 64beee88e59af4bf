// Mark-up removal in place, block by block as the HTML loader runs it, against
// the byte loop it stands for. The first input byte chooses the block size.
#include "formats/html_text.h"

#include <algorithm>
#include <stdlib.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    if (size == 0)
        return 0;
    size_t block_size = data[0] % 64 + 1;
    std::vector<unsigned char> page(data + 1, data + size), expected(size - 1, 0);
    // Every '<' stops copying and every '>' starts it; neither is copied.
    int copying = 0;
    for (size_t k = 0; k < page.size(); k++)
        if (page[k] == '<' || page[k] == '>')
            copying = page[k] == '>';
        else if (copying)
            expected[k] = page[k];

    html_text_state state;
    begin_html_text(&state);
    for (size_t at = 0; at < page.size(); at += block_size)
        strip_html_block(&state, &page[at], &page[at],
                         (uint32_t)std::min(block_size, page.size() - at));
    if (page != expected)
        abort();
    return 0;
}
