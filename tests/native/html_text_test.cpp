// Removing HTML mark-up in place of its bytes.
#include <gtest/gtest.h>

#include "document/html_text.h"
#include "tests/common/shown_bytes.h"

#include <string>
#include <vector>

static std::string stripped(const std::string &page, size_t block_size) {
    std::vector<unsigned char> out(page.size(), 0xEE);
    html_text_state state;
    begin_html_text(&state);
    for (size_t at = 0; at < page.size(); at += block_size) {
        size_t n = page.size() - at < block_size ? page.size() - at : block_size;
        strip_html_block(&state, (const unsigned char *)page.data() + at, out.data() + at,
                         (uint32_t)n);
    }
    return std::string(out.begin(), out.end());
}

static std::string stripped_in_place(const std::string &page) {
    std::string text = page;
    html_text_state state;
    begin_html_text(&state);
    unsigned char *bytes = (unsigned char *)&text[0];
    strip_html_block(&state, bytes, bytes, (uint32_t)text.size());
    return text;
}

struct html_case {
    const char *label;
    std::string page;
    std::string expected; // as shown() prints it
};

TEST(HtmlText, MarkUpBecomesZeroBytesAtTheSameOffsets) {
    const html_case cases[] = {
        {"words between tags stay at their offsets",
         "<html><body>Hello <b>big</b> world</body></html>",
         "____________Hello ___big____ world______________"},
        {"text before the first tag is lost", "Title<p>text", "________text"},
        {"the first '>' switches copying on", "x > y", "___ y"},
        {"entities stay as written", "<p>&gt; &amp;&nbsp;</p>", "___&gt; &amp;&nbsp;____"},
        {"a lone '<' drops up to the next '>'", "<p>a < b</p>c", "___a _______c"},
        {"a stray '>' in text is dropped", "<p>a > b", "___a _ b"},
        {"line ends, tabs and high bytes stay", "<p>\r\n\tcaf\xE9</p>", "___\\r\\n\tcaf\xE9____"},
        {"a '>' inside a comment ends it; a script body stays",
         "<p>a<!-- <b> -->b<script>if(x)</script>", "___a________ --_b________if(x)_________"},
        {"a tag left open runs to the end", "<p>abc<!-- never closed", "___abc_________________"},
        {"almost all mark-up", "<a><b><c>", "_________"},
        {"empty page", "", ""},
    };
    for (const html_case &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.expected, shown(stripped(c.page, c.page.size() + 1)));
        EXPECT_EQ(c.expected, shown(stripped_in_place(c.page)));
    }
}

// Copying carries over from one block to the next wherever the blocks split.
TEST(HtmlText, BlockBoundariesChangeNothing) {
    std::string page;
    for (int i = 0; i < 300; i++)
        page += "lead > <p class=x>para " + std::to_string(i) + "</p>&amp; <<x>\r\n";
    std::string whole = stripped(page, page.size());
    for (size_t block_size : {1, 2, 3, 7, 1023, 1024, 1025, 4096}) {
        SCOPED_TRACE("blocks of " + std::to_string(block_size));
        EXPECT_EQ(shown(whole), shown(stripped(page, block_size)));
    }
}
