// Breaking text into lines by pixel width.
#include <gtest/gtest.h>

#include "reading/line_layout.h"
#include "reading_text.h"

#include <string>

// Every byte 10 pixels wide but 'W' (20) and the tab (30).
static int test_width(unsigned char b) {
    return b == 'W' ? 20 : b == '\t' ? 30 : 10;
}

TEST(LayoutLine, BreaksAtThePixelAndAtLineBreaks) {
    struct {
        const char *label;
        std::string text;
        uint32_t start;
        int width;
        uint32_t consumed;
        std::string shown;
    } cases[] = {
        // Lines start at x 10 (twice the margin of 5) and end before x + w reaches the width.
        {"a word is split where the pixel falls", "hello world", 0, 80, 6, "hello "},
        {"one pixel more lets one more byte in", "hello world", 0, 81, 7, "hello w"},
        {"wide bytes count their width", "WWWW", 0, 60, 2, "WW"},
        {"CR LF CR LF leaves no empty line", "one\r\n\r\ntwo", 0, 200, 7, "one"},
        {"zero byte ends a line", std::string("ab\0\0cd", 6), 0, 200, 4, "ab"},
        {"a tab is consumed and takes no room", "a\tbc", 0, 60, 4, "abc"},
        {"a tab too wide still ends the line", "a\tb", 0, 45, 1, "a"},
        {"nothing left at the end", "abc", 3, 100, 0, ""},
        {"a full buffer ends the line", std::string(400, 'x'), 0, 9000, 267, std::string(267, 'x')},
    };
    left_margin = 5;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        use_text(c.text);
        EXPECT_EQ(c.consumed, layout_line(test_width, c.width, c.start));
        EXPECT_EQ(c.shown, std::string(line_text));
    }
}
