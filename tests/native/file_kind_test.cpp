// Deciding a file's kind from its first bytes. The fuzz target holds the rules
// for any head; these are the cases that matter to users.
#include <gtest/gtest.h>

#include "document/file_kind.h"

#include <algorithm>
#include <string.h>
#include <string>

TEST(FileKind, FirstMatchWins) {
    const std::string ole2("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    const struct {
        const char *label;
        std::string file;
        int html_as_text;
        int expected;
    } cases[] = {
        {"OLE2 signature wins over <html>", ole2 + "<html>", 0, FILE_WORD},
        {"upper-case tag after a doctype", "<!DOCTYPE x>\r\n<HTML>", 0, FILE_HTML},
        {"mixed-case tag is text", "<Html><body>hi", 0, FILE_PLAIN_TEXT},
        {"tag ending on byte 249", std::string(243, ' ') + "<html>", 0, FILE_HTML},
        {"tag crossing byte 249", std::string(244, ' ') + "<html>", 0, FILE_PLAIN_TEXT},
        {"zero byte hides a later tag", std::string("ab\0<html>", 9), 0, FILE_PLAIN_TEXT},
        {"HTML read as text when asked", "<html>caf\xE9", 1, FILE_PLAIN_TEXT},
        {"accented letter", "na\xEFve", 0, FILE_UNRECOGNISED},
        {"accented letter past byte 249", std::string(249, 'a') + "\xE9", 0, FILE_PLAIN_TEXT},
    };
    for (const auto &c : cases) {
        // The head as the Open dialog fills it: the first 249 bytes, zero after.
        unsigned char head[FILE_HEAD_SIZE] = {};
        memcpy(head, c.file.data(), std::min(c.file.size(), (size_t)FILE_HEAD_READ));
        EXPECT_EQ(c.expected, decide_file_kind(head, c.html_as_text)) << c.label;
    }
}
