// Taking the text out of made-up Word documents, fed in blocks of several
// sizes. The fuzz target holds the conversion rules for any file, the Wine
// test a real Word 6 file and one without the marker; these are the edges
// users meet.
#include <gtest/gtest.h>

#include "formats/word_text.h"

#include <algorithm>
#include <string>

// A file whose marker 0xDC 0xA5 stands at marker_at, its text 768 bytes on.
static std::string word_file(size_t marker_at, const std::string &text) {
    return std::string(marker_at, 'h') + "\xDC\xA5" + std::string(WORD_TEXT_OFFSET - 2, 1) + text;
}

TEST(WordText, TextStartsAfterTheMarker) {
    const struct {
        // expected is the text's start.
        std::string label, file, expected;
    } cases[] = {
        {"0xA0 and 0x99 become blanks, CR becomes CR LF", word_file(0, "a\xA0z\x99z\r"),
         "a z z\r\n"},
        {"a marker straddling two 1024-byte blocks", word_file(1023, "found"), "found"},
    };
    for (const auto &c : cases)
        for (size_t block_size : {1, 1024, 65536}) {
            // As a loader leaves it: as long as the file, zero where nothing was written.
            std::string text(c.file.size() + 1, '\0');
            word_text_state state;
            begin_word_text(&state, (uint32_t)c.file.size());
            for (size_t at = 0; at < c.file.size(); at += block_size)
                convert_word_block(&state, (const unsigned char *)&c.file[at],
                                   (uint32_t)std::min(block_size, c.file.size() - at),
                                   (unsigned char *)&text[0]);
            finish_word_text(&state, (unsigned char *)&text[0]);
            EXPECT_EQ(c.expected, text.substr(0, c.expected.size()))
                << c.label << ", blocks of " << block_size;
        }
}
