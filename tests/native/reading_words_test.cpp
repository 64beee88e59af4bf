// Word taking and phrase jumps.
#include <gtest/gtest.h>

#include "reading/reader_state.h"
#include "reading/words.h"
#include "reading_text.h"

#include <string>
#include <vector>

TEST(TakeNextWord, SplitsAtSeparatorsCutsLongRunsAndStopsAtTheEnd) {
    struct {
        const char *label;
        std::string text;
        std::vector<std::string> words;
    } cases[] = {
        {"blanks, tabs, CR and LF", "  a \t\r\n b\r\n", {"a", "b"}},
        {"zero and control bytes separate, high bytes are letters",
         std::string("ab\0c\x01\xe9", 6),
         {"ab", "c", "\xe9"}},
        {"300 letters as 255 then 45",
         std::string(300, 'q'),
         {std::string(255, 'q'), std::string(45, 'q')}},
        {"separators only", " \r\n\t ", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        use_text(c.text);
        std::vector<std::string> words;
        // Past the end every word is empty and read_pos stays at the end.
        for (int i = 0; i < 5; i++) {
            take_next_word();
            if (current_word[0])
                words.push_back(current_word);
        }
        EXPECT_EQ(c.words, words);
        EXPECT_EQ(c.text.size(), document.read_pos);
    }
}

TEST(PhraseJumps, LandJustAfterAPhraseEnd) {
    struct {
        const char *label;
        std::string text;
        uint32_t read_pos;
        int backs; // phrase_back this many times, or phrase_forward once
        uint32_t read_pos_after;
        uint32_t anchor_after;
    } cases[] = {
        {"forward past a full stop", "Hello. World", 0, 0, 6, 6},
        {"a full stop before a digit is no end", "Pi is 3.14 now, yes", 0, 0, 15, 15},
        {"full stop as the last byte is no end", "The end.", 0, 0, 0, 7},
        {"the zero byte ends a phrase", std::string("ab\0cd ef", 8), 0, 0, 3, 3},
        {"back twice lands on the same place", "First one. Second phrase here. Third", 25, 2, 10,
         10},
        {"back never looks at index 0", ",abc def", 5, 1, 5, 7},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        use_text(c.text);
        document.read_pos = c.read_pos;
        document.anchor_pos = 7;
        if (c.backs == 0)
            phrase_forward();
        for (int i = 0; i < c.backs; i++)
            phrase_back();
        EXPECT_EQ(c.read_pos_after, document.read_pos);
        EXPECT_EQ(c.anchor_after, document.anchor_pos);
    }
}
