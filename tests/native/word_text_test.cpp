// Taking the text out of Word documents, real and made up. The fuzz target
// holds the conversion rules for any file; these are the cases users meet.
#include <gtest/gtest.h>

#include "document/word_text.h"
#include "tests/common/shown_bytes.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The text as a loader leaves it: as long as the file, zero where nothing was
// written, the file fed in blocks of the given size.
static std::string converted(const std::string &file, size_t block_size) {
    std::vector<unsigned char> text(file.size() + 1, 0);
    word_text_state state;
    begin_word_text(&state, (uint32_t)file.size());
    for (size_t at = 0; at < file.size(); at += block_size)
        convert_word_block(&state, (const unsigned char *)file.data() + at,
                           (uint32_t)std::min(block_size, file.size() - at), text.data());
    finish_word_text(&state, text.data());
    return std::string(text.begin(), text.end() - 1);
}

// A file whose marker 0xDC 0xA5 stands at marker_at, its text 768 bytes on.
static std::string word_file(size_t marker_at, const std::string &text) {
    return std::string(marker_at, 'h') + "\xDC\xA5" + std::string(WORD_TEXT_OFFSET - 2, 1) + text;
}

TEST(WordText, TextStartsAfterTheMarker) {
    std::ifstream in(TAVRIN_TEST_DATA "/word/Word6.doc", std::ios::binary);
    const std::string word6{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // Its marker stands at 2688, so the text is taken from offset 3456.
    ASSERT_EQ("The quick brown fox jumps over the lazy dog\r", word6.substr(3456, 44));
    const std::string error = "Error loading MS Word DOC file has occurred.";
    const struct {
        const char *label;
        std::string file;
        std::string expected; // the text's start
    } cases[] = {
        {"Word6.doc", word6, "The quick brown fox jumps over the lazy dog\r\n"},
        {"0xA0 and 0x99 become blanks", word_file(0, "a\xA0z\x99z"), "a z z"},
        {"a marker straddling two 1024-byte blocks", word_file(1023, "found"), "found"},
        {"no marker: the error text, then zero bytes to the file's size", std::string(3000, 'q'),
         error + std::string(3000 - error.size(), '\0')},
    };
    for (const auto &c : cases)
        for (size_t block_size : {1, 1024, 65536})
            EXPECT_EQ(shown(c.expected),
                      shown(converted(c.file, block_size).substr(0, c.expected.size())))
                << c.label << ", blocks of " << block_size;
}
