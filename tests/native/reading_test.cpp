// Word taking, phrase jumps and line layout.
#include <gtest/gtest.h>

#include "document/document.h"
#include "reading/byte_sets.h"
#include "reading/line_layout.h"
#include "reading/reader_state.h"
#include "reading/words.h"

// The text as the fillers leave it (length + 1 bytes, the last one 0), with
// anchor_pos at 7 so that a jump that moves it shows.
static void use_text(const std::string &text, uint32_t read_pos = 0) {
    static std::string block;
    block = text + '\0';
    fill_byte_sets();
    document.text = (unsigned char *)&block[0];
    document.text_length = (uint32_t)text.size();
    document.read_pos = read_pos;
    document.anchor_pos = 7;
}

TEST(TakeNextWord, SplitsAtSeparatorsCutsLongRunsAndStopsAtTheEnd) {
    // Zero and control bytes separate like blanks; bytes above 127 are letters.
    use_text(std::string(" a\t\r\nb\0c\x01\xe9", 10) + std::string(299, 'q') + " ");
    std::string words;
    // Past the end every word is empty and read_pos stays at the end.
    for (int i = 0; i < 8; i++) {
        take_next_word();
        words += current_word + std::string("|");
    }
    // 300 letters are shown as 255, then 45.
    EXPECT_EQ("a|b|c|\xe9" + std::string(254, 'q') + "|" + std::string(45, 'q') + "||||", words);
    EXPECT_EQ(document.text_length, document.read_pos);
}

TEST(PhraseJumps, LandJustAfterAPhraseEnd) {
    const struct {
        const char *label;
        std::string text;
        int moves;                 // phrase_forward once (1) or phrase_back this many times (-n)
        uint32_t from, to, anchor; // read_pos before, read_pos and anchor_pos after
    } cases[] = {
        {"a full stop before a blank ends a phrase", "Hello. World", 1, 0, 6, 6},
        {"a full stop before a digit is no end", "Pi is 3.14 now, yes", 1, 0, 15, 15},
        {"a full stop as the last byte is no end", "The end.", 1, 0, 0, 7},
        {"the zero byte ends a phrase", std::string("ab\0cd ef", 8), 1, 0, 3, 3},
        {"back twice lands on the same place", "One. Two three four. Five", -2, 15, 4, 4},
        {"back never looks at index 0", ",abc def", -1, 5, 5, 7},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        use_text(c.text, c.from);
        for (int i = 0; i < abs(c.moves); i++)
            c.moves > 0 ? phrase_forward() : phrase_back();
        EXPECT_EQ(c.to, document.read_pos);
        EXPECT_EQ(c.anchor, document.anchor_pos);
    }
}

TEST(LineLayout, LinesBreakAtThePixelAndLineBreaksAndGoUpByWidthAlone) {
    // Every byte 10 pixels wide but 'W' (20) and the tab (30).
    auto width = [](unsigned char b) { return b == 'W' ? 20 : b == '\t' ? 30 : 10; };
    const struct {
        const char *label;
        std::string text, shown;
        uint32_t width, consumed;
    } lines[] = {
        // Lines start at x 10 (twice the margin of 5) and end before x + w reaches the width.
        {"a word is split where the pixel falls", "hello world", "hello ", 80, 6},
        {"one pixel more lets one more byte in", "hello world", "hello w", 81, 7},
        {"CR LF CR LF leaves no empty line", "one\r\n\r\ntwo", "one", 200, 7},
        {"zero byte ends a line", std::string("ab\0\0cd", 6), "ab", 200, 4},
        {"a tab is consumed and takes no room", "a\tbc", "abc", 60, 4},
        {"a tab too wide still ends the line", "a\tb", "a", 45, 1},
        {"a full buffer ends the line", std::string(400, 'x'), std::string(267, 'x'), 9000, 267},
    };
    for (const auto &c : lines) {
        SCOPED_TRACE(c.label);
        use_text(c.text);
        char line[LINE_TEXT_SIZE];
        EXPECT_EQ(c.consumed, layout_line(width, c.width, 5, 0, line));
        EXPECT_EQ(c.shown, std::string(line));
    }
    const struct {
        const char *label;
        uint32_t anchor, width, top;
    } ups[] = {
        // From x 10, bytes of 10 pixels fit while the sum stays below the
        // width; the first that does not fit is counted too, and one more.
        {"four fit below 60, the fifth is counted, and one more", 20, 60, 14},
        {"one pixel more lets one more byte in", 20, 61, 13},
        {"near the start of the text, the start", 4, 60, 0},
    };
    use_text(std::string(40, 'x'));
    for (const auto &c : ups) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.top, lines_up(width, c.width, 5, c.anchor));
    }
}

TEST(LineLayout, APagePastTheLastFullOneShowsTheLastFullOne) {
    // Every byte 10 pixels wide: from x 10, four bytes to a line of 60.
    auto width = [](unsigned char) { return 10; };
    // A paragraph longer than the pages looked back over: lines from its
    // start break at 4, 8, ... 1200, 1204, not where a look back would land.
    const std::string long_paragraph = "p1\r\n" + std::string(1201, 'x');
    const struct {
        const char *label;
        std::string text;
        uint32_t anchor, top; // three lines a page
    } cases[] = {
        {"a page the text goes on past stays", std::string(40, 'x'), 8, 8},
        {"the last full page stays", std::string(40, 'x'), 28, 28},
        {"one line short: the last full page", std::string(40, 'x'), 32, 28},
        {"from the last byte: the last full page", std::string(40, 'x'), 39, 28},
        {"a text that fits on a page: its top", std::string(10, 'x'), 5, 0},
        {"the top of the text stays", std::string(10, 'x'), 0, 0},
        {"lines wrap as from the paragraph's start", long_paragraph, 1204, 1196},
        {"blank lines take no line", "ab\r\n\r\ncd\r\n\r\nef\r\n\r\ngh", 14, 6},
        {"tabs take no room: the look back goes further", "abcdefghij" + std::string(5000, '\t'),
         5009, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        use_text(c.text);
        EXPECT_EQ(c.top, full_page_top(width, 60, 5, 3, c.anchor));
    }
}
