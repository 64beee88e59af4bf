// Word taking, the punctuation pause, phrase jumps and word starts.
#include <gtest/gtest.h>

#include "reading/reader_state.h"
#include "reading/words.h"
#include "reading_text.h"
#include "settings/settings.h"

#include <string>
#include <vector>

static std::vector<std::string> all_words(const std::string &text, size_t most = 10) {
    use_text(text);
    std::vector<std::string> words;
    while (words.size() < most) {
        take_next_word();
        if (!current_word[0])
            break;
        words.push_back(current_word);
    }
    return words;
}

TEST(TakeNextWord, SplitsAtSeparatorsAndCutsLongRuns) {
    const std::string letters300(300, 'q');
    struct {
        const char *label;
        std::string text;
        std::vector<std::string> words;
    } cases[] = {
        {"runs of blanks, tabs, CR and LF", "  a \t\r\n b\r\n", {"a", "b"}},
        {"zero byte separates", std::string("ab\0cd", 5), {"ab", "cd"}},
        {"control bytes separate", "x\x01y\x1fz", {"x", "y", "z"}},
        {"bytes above 127 are letters", "\xe9t\xe9 \xa0x", {"\xe9t\xe9", "\xa0x"}},
        {"300 letters as 255 then 45", letters300, {std::string(255, 'q'), std::string(45, 'q')}},
        {"separators only", " \r\n\t ", {}},
        {"empty text", "", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.words, all_words(c.text));
    }
}

TEST(TakeNextWord, LeavesReadPosJustAfterTheEndingSeparator) {
    struct {
        const char *label;
        std::string text;
        uint32_t read_pos;
        uint32_t after;
    } cases[] = {
        {"a before CR LF stops on the LF", "a\r\nb", 0, 2},
        {"leading separators skipped", "   word next", 0, 8},
        {"last word ends at the end", "one last", 4, 8},
        {"at the end it stays there", "one", 3, 3},
        {"long run stops after 255", std::string(256, 'z'), 0, 255},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        use_text(c.text);
        document.read_pos = c.read_pos;
        take_next_word();
        EXPECT_EQ(c.after, document.read_pos);
    }
}

TEST(TakeNextWord, PausesOnPunctuationAnywhereInTheWord) {
    struct {
        const char *label;
        const char *word;
        int react;
        int delay;
        int pause;
    } cases[] = {
        {"full stop at the end", "end.", 1, 2, 2},
        {"marks inside", "e.g.", 1, 2, 2},
        {"comma in a number", "3,000", 1, 3, 3},
        {"colon in the middle", "a:b", 1, 1, 1},
        {"question mark first", "?why", 1, 2, 2},
        {"no mark", "plain", 1, 2, 0},
        {"switched off", "end.", 0, 2, 0},
        {"negative delay counts as none", "end.", 1, -5, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        settings.react_to_punctuation = c.react;
        settings.extra_delay = c.delay;
        use_text(c.word);
        pause_ticks = 99;
        take_next_word();
        EXPECT_EQ(c.pause, pause_ticks);
    }
}

enum direction { back, forward };

TEST(PhraseJumps, LandJustAfterAPhraseEnd) {
    struct {
        const char *label;
        std::string text;
        uint32_t read_pos;
        direction way;
        int moved;
        uint32_t read_pos_after;
        uint32_t anchor_after;
    } cases[] = {
        {"forward past a full stop", "Hello. World", 0, forward, 1, 6, 6},
        {"a full stop before a digit is no end", "Pi is 3.14 now, yes", 0, forward, 1, 15, 15},
        {"full stop before CR", "One.\r\nTwo", 0, forward, 1, 4, 4},
        {"full stop as the last byte is no end", "The end.", 0, forward, 0, 0, 7},
        {"the zero byte ends a phrase", std::string("ab\0cd ef", 8), 0, forward, 1, 3, 3},
        {"word ended by mark and blank", "Hi, there. Next", 4, forward, 1, 10, 10},
        {"comma at the very end", "a,", 0, forward, 1, 2, 1},
        {"back to the start of the phrase", "One. Two three", 9, back, 1, 4, 4},
        {"back with no mark", "no marks here", 8, back, 0, 8, 7},
        {"back never looks at index 0", ",abc def", 5, back, 0, 5, 7},
        {"back finds the mark at index 1", "a,bc def", 5, back, 1, 2, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        use_text(c.text);
        document.read_pos = c.read_pos;
        document.anchor_pos = 7;
        int moved = c.way == back ? phrase_back() : phrase_forward();
        EXPECT_EQ(c.moved, moved);
        EXPECT_EQ(c.read_pos_after, document.read_pos);
        EXPECT_EQ(c.anchor_after, document.anchor_pos);
    }
}

TEST(PhraseJumps, ForwardThenNextWordIsTheNextPhrase) {
    use_text("Hello. World");
    phrase_forward();
    take_next_word();
    EXPECT_EQ(std::string("World"), current_word);
}

TEST(PhraseJumps, BackTwiceLandsOnTheSamePlace) {
    use_text("First one. Second phrase here. Third");
    document.read_pos = 25;
    phrase_back();
    uint32_t once = document.read_pos;
    phrase_back();
    EXPECT_EQ(10u, once);
    EXPECT_EQ(once, document.read_pos);
}

TEST(WordStart, FindsTheFirstByteOfTheWordAround) {
    const std::string long_word = "a " + std::string(3000, 'x');
    struct {
        const char *label;
        std::string text;
        uint32_t index;
        uint32_t start;
    } cases[] = {
        {"index 0 is itself", "  ab", 0, 0},
        {"index 1 is itself", "  ab", 1, 1},
        {"middle of a word", "one two three", 10, 8},
        {"first byte of a word", "one two three", 8, 8},
        {"separator at index gives the next byte", "one two three", 7, 8},
        {"first word has no separator before it", "one two", 2, 0},
        {"zero byte separates", std::string("ab\0cd", 5), 4, 3},
        {"a word beyond reach starts where pointed", long_word, 2900, 2900},
        {"a long word within reach", long_word, 900, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        use_text(c.text);
        EXPECT_EQ(c.start, word_start(c.index));
    }
}

TEST(KeepInText, HoldsPositionsOnAByteOfTheText) {
    struct {
        const char *label;
        std::string text;
        uint32_t pos;
        uint32_t kept;
    } cases[] = {
        {"inside", "abc", 1, 1},
        {"past the end", "abc", 3, 2},
        {"far past the end", "abc", 0xFFFFFFFFu, 2},
        {"empty text", "", 5, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        use_text(c.text);
        EXPECT_EQ(c.kept, keep_in_text(c.pos));
    }
}
