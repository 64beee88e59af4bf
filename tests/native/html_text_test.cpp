// Removing HTML mark-up in place of its bytes, fed in blocks of any size.
#include <gtest/gtest.h>

#include "formats/html_text.h"

#include <algorithm>
#include <string>

TEST(HtmlText, MarkUpBecomesZeroBytesAtTheSameOffsets) {
    const struct {
        // expected shows zero bytes as '_'.
        std::string label, page, expected;
    } cases[] = {
        {"text before the first tag is lost", "Title<p>text", "________text"},
        {"the first '>' switches copying on", "x > y", "___ y"},
        {"entities stay as written", "<p>&gt; &amp;&nbsp;</p>", "___&gt; &amp;&nbsp;____"},
    };
    for (const auto &c : cases)
        for (size_t block_size : {1, 2, 5, 4096}) {
            std::string out(c.page.size(), '\xEE');
            html_text_state state;
            begin_html_text(&state);
            for (size_t at = 0; at < c.page.size(); at += block_size)
                strip_html_block(&state, (const unsigned char *)&c.page[at],
                                 (unsigned char *)&out[at],
                                 (uint32_t)std::min(block_size, c.page.size() - at));
            std::replace(out.begin(), out.end(), '\0', '_');
            EXPECT_EQ(c.expected, out) << c.label << ", blocks of " << block_size;
        }
}
