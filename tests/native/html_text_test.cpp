// Removing HTML mark-up in place of its bytes, fed in blocks of any size.
#include <gtest/gtest.h>

#include "document/html_text.h"
#include "tests/common/shown_bytes.h"

#include <algorithm>
#include <string>
#include <vector>

TEST(HtmlText, MarkUpBecomesZeroBytesAtTheSameOffsets) {
    const struct {
        const char *label;
        std::string page;
        std::string expected; // as shown() prints it
    } cases[] = {
        {"words between tags stay at their offsets",
         "<html><body>Hello <b>big</b> world</body></html>",
         "____________Hello ___big____ world______________"},
        {"text before the first tag is lost", "Title<p>text", "________text"},
        {"the first '>' switches copying on", "x > y", "___ y"},
        {"entities stay as written", "<p>&gt; &amp;&nbsp;</p>", "___&gt; &amp;&nbsp;____"},
    };
    for (const auto &c : cases)
        for (size_t block_size : {1, 2, 5, 4096}) {
            std::vector<unsigned char> out(c.page.size(), 0xEE);
            html_text_state state;
            begin_html_text(&state);
            for (size_t at = 0; at < c.page.size(); at += block_size)
                strip_html_block(&state, (const unsigned char *)c.page.data() + at, out.data() + at,
                                 (uint32_t)std::min(block_size, c.page.size() - at));
            EXPECT_EQ(c.expected, shown(std::string(out.begin(), out.end())))
                << c.label << ", blocks of " << block_size;
        }
}
