// Breaking text into lines by pixel width, and the step one line back.
#include <gtest/gtest.h>

#include "reading/line_layout.h"
#include "reading_text.h"

#include <string>

// Every byte 10 pixels wide but 'W' (20) and the tab (30).
static int test_width(unsigned char b) {
    return b == 'W' ? 20 : b == '\t' ? 30 : 10;
}

static int narrow_width(unsigned char) {
    return 1;
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
        {"whole text fits", "abc", 0, 100, 3, "abc"},
        {"the fifth byte would reach the edge", "abcdef", 0, 60, 4, "abcd"},
        {"one pixel more lets it in", "abcdef", 0, 61, 5, "abcde"},
        {"wide bytes count their width", "WWWW", 0, 60, 2, "WW"},
        {"words are split where the pixel falls", "hello world", 0, 80, 6, "hello "},
        {"the rest of a split word", "hello world", 6, 80, 5, "world"},
        {"CR LF CR LF leaves no empty line", "one\r\n\r\ntwo", 0, 200, 7, "one"},
        {"after the blank line comes the paragraph", "one\r\n\r\ntwo", 7, 200, 3, "two"},
        {"leading breaks are skipped", "\n\r\nx y", 0, 200, 6, "x y"},
        {"zero byte ends a line", std::string("ab\0\0cd", 6), 0, 200, 4, "ab"},
        {"a tab is consumed and takes no room", "a\tbc", 0, 60, 4, "abc"},
        {"a tab too wide still ends the line", "a\tb", 0, 45, 1, "a"},
        {"nothing left at the end", "abc", 3, 100, 0, ""},
        {"a first byte that cannot fit consumes nothing", "Wa", 0, 30, 0, ""},
    };
    left_margin = 5;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        use_text(c.text);
        EXPECT_EQ(c.consumed, layout_line(test_width, c.width, c.start));
        EXPECT_EQ(c.shown, std::string(line_text));
    }
}

TEST(LayoutLine, EndsTheLineWhenItsBufferIsFull) {
    use_text(std::string(400, 'x') + "\n");
    left_margin = 0;
    uint32_t first = layout_line(narrow_width, 100000, 0);
    EXPECT_EQ(uint32_t(LINE_TEXT_SIZE - 1), first);
    EXPECT_EQ(size_t(LINE_TEXT_SIZE - 1), std::string(line_text).size());
    EXPECT_EQ(uint32_t(400 - first + 1), layout_line(narrow_width, 100000, first));
}

TEST(LinesUp, StepsBackOneLineOfWidth) {
    struct {
        const char *label;
        std::string text;
        uint32_t anchor;
        int width;
        uint32_t new_anchor;
    } cases[] = {
        // From x 10: bytes 50..47 fit (x 50), byte 46 does not and is counted: k = 5.
        {"one line back", std::string(100, 'a'), 50, 60, 44},
        {"line breaks are not looked at", std::string(40, '\n') + std::string(60, 'a'), 50, 60, 44},
        {"at the top stays there", std::string(100, 'a'), 0, 60, 0},
        {"start of the text comes first", std::string(100, 'a'), 3, 1000, 0},
        {"never below the start", "ab", 1, 20, 0},
        {"exactly at the start", std::string(10, 'a'), 6, 60, 0},
    };
    left_margin = 5;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        use_text(c.text);
        document.anchor_pos = c.anchor;
        EXPECT_EQ(c.new_anchor, lines_up(test_width, c.width));
    }
}
