// Taking the text out of Word documents, real and made up.
#include <gtest/gtest.h>

#include "document/word_text.h"
#include "tests/common/shown_bytes.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The Document's text after loading: as long as the file, in a block that
// starts out zero, fed in blocks of the given size. found tells whether the
// header was found, end where the converted text ends.
static std::string converted(const std::string &file, size_t block_size, int *found = nullptr,
                             uint32_t *end = nullptr) {
    std::vector<unsigned char> text(file.size() + 1, 0);
    word_text_state state;
    begin_word_text(&state, (uint32_t)file.size());
    for (size_t at = 0; at < file.size(); at += block_size) {
        size_t n = file.size() - at < block_size ? file.size() - at : block_size;
        convert_word_block(&state, (const unsigned char *)file.data() + at, (uint32_t)n,
                           text.data());
    }
    int marker = finish_word_text(&state, text.data());
    if (found)
        *found = marker;
    if (end)
        *end = state.out;
    EXPECT_LE(state.out, file.size());
    return std::string(text.begin(), text.end() - 1);
}

// A file whose header identifier stands at marker_at, with text 768 bytes on
// and filler after it.
static std::string word_file(size_t marker_at, const std::string &text, size_t filler = 0) {
    std::string file(marker_at, 'h');
    file += "\xDC\xA5";
    file += std::string(WORD_TEXT_OFFSET - 2, '\x01');
    return file + text + std::string(filler, '\0');
}

struct word_case {
    const char *label;
    std::string file;
    std::string expected; // the text up to the first byte never written
};

TEST(WordText, ConvertsFromTheHeaderOn) {
    const std::string error = word_error_text + std::string(1, '\0');
    const word_case cases[] = {
        {"paragraph mark becomes CR LF", word_file(512, "Dear Sir,\rYes."), "Dear Sir,\r\nYes._"},
        {"control bytes become zero bytes",
         word_file(0, "a\x07"
                      "b\x0C"
                      "c\x01\x13"
                      "d"),
         "a_b_c__d_"},
        {"no-break space and 0x99 become blanks, accents stay",
         word_file(0, "caf\xE9\xA0"
                      "x\x99"
                      "y\xFF"),
         "caf\xE9 x y\xFF_"},
        {"DC DC A5 is a marker at the second DC", std::string("\xDC", 1) + word_file(5, "ok"),
         "ok_"},
        {"A5 DC is no marker", "\xA5\xDC" + std::string(800, 'z'), error},
        {"the marker is the first pair", word_file(0, "first" + word_file(3, "second")),
         "firsthhh\xDC\xA5"},
        {"marker too near the end gives an empty text", "\xDC\xA5" + std::string(700, 'z'), "_"},
        {"text right at the end of the file", word_file(10, "z"), "z_"},
    };
    for (const word_case &c : cases) {
        SCOPED_TRACE(c.label);
        std::string text = converted(c.file, 1024);
        EXPECT_EQ(shown(c.expected), shown(text.substr(0, c.expected.size())));
    }
}

TEST(WordText, MarkerIsFoundWhereverTheBlocksSplit) {
    // Marker at 1023: its two bytes straddle the first two 1024-byte blocks.
    for (size_t marker_at : {1022, 1023, 1024, 2047}) {
        std::string file = word_file(marker_at, "straddled\rtext", 50);
        for (size_t block_size :
             {(size_t)1, (size_t)2, (size_t)1023, (size_t)1024, (size_t)1025, file.size()}) {
            SCOPED_TRACE("marker at " + std::to_string(marker_at) + ", blocks of " +
                         std::to_string(block_size));
            int found = 0;
            std::string text = converted(file, block_size, &found);
            EXPECT_EQ(1, found);
            EXPECT_EQ(shown("straddled\r\ntext"), shown(text.substr(0, 15)));
        }
    }
}

TEST(WordText, NoMarkerGivesTheErrorTextCutToTheFile) {
    struct {
        const char *label;
        std::string file;
        std::string expected;
    } cases[] = {
        {"a long file", std::string(3000, 'q'),
         std::string("Error loading MS Word DOC file has occurred.") + '\0'},
        {"a file shorter than the text", std::string(10, 'q'), "Error load"},
        {"DC as the last byte", std::string(40, 'q') + "\xDC",
         std::string("Error loading MS Word DOC file has occurred.").substr(0, 41)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        int found = 1;
        std::string text = converted(c.file, 1024, &found);
        EXPECT_EQ(0, found);
        EXPECT_EQ(shown(c.expected), shown(text.substr(0, c.expected.size())));
    }
}

// Paragraph marks add a byte each; the text stops before it would pass the
// file's length, never writing beyond it.
TEST(WordText, StopsWhenTheTextWouldOutgrowTheFile) {
    const struct {
        const char *label;
        std::string file;
        uint32_t expected_end;
    } cases[] = {
        // 768 + 1000 bytes: 884 CR LF pairs fill the length exactly.
        {"even room", word_file(0, std::string(1000, '\r')), 1768},
        // 768 + 901 bytes: after 834 pairs one byte is left, too few for a
        // pair, so the 'x' after them is never reached either.
        {"odd room", word_file(0, std::string(900, '\r') + "x"), 1668},
    };
    for (const auto &c : cases) {
        for (size_t block_size : {(size_t)1, (size_t)1024, c.file.size()}) {
            SCOPED_TRACE(std::string(c.label) + ", blocks of " + std::to_string(block_size));
            uint32_t end = 0;
            std::string text = converted(c.file, block_size, nullptr, &end);
            EXPECT_EQ(c.expected_end, end);
            std::string pairs;
            for (uint32_t i = 0; i < c.expected_end / 2; i++)
                pairs += "\r\n";
            EXPECT_EQ(pairs + std::string(c.file.size() - pairs.size(), '\0'), text);
        }
    }
}

static std::string read_test_file(const std::string &name) {
    std::ifstream file(std::string(TAVRIN_TEST_DATA) + "/word/" + name, std::ios::binary);
    EXPECT_TRUE(file.good()) << name;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(WordText, RealDocuments) {
    const struct {
        const char *file;
        std::string expected_start;
    } cases[] = {
        {"Word6.doc", "The quick brown fox jumps over the lazy dog\r\n"},
        {"TestMickey.doc", "This is a short Micro$oft Word sample document"},
        {"57843.doc", "Harold Koplow\r\n1105 Ft. Clarke Blvd. #1605\r\nGainesville"},
        {"Bug60936.doc", "4 sk\xF3re a p\xF8"
                         "ed 7 lety\r\n\r\n"},
        {"simple.doc", std::string("Error loading MS Word DOC file has occurred.") + '\0'},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        std::string file = read_test_file(c.file);
        std::string text = converted(file, 1024);
        EXPECT_EQ(shown(c.expected_start), shown(text.substr(0, c.expected_start.size())));
        for (size_t block_size : {1, 1000, 65536})
            EXPECT_EQ(shown(text), shown(converted(file, block_size))) << block_size;
    }
}
