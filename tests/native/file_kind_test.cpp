// Deciding a file's kind from its first bytes.
#include <gtest/gtest.h>

#include "document/file_kind.h"

#include <algorithm>
#include <string.h>
#include <string>

// The head as the Open dialog fills it: the first 249 bytes, zero after.
static int kind_of(const std::string &file, int html_as_text) {
    unsigned char head[FILE_HEAD_SIZE];
    memset(head, 0, sizeof head);
    memcpy(head, file.data(), std::min(file.size(), (size_t)FILE_HEAD_READ));
    return decide_file_kind(head, html_as_text);
}

static const char *kind_name(int kind) {
    switch (kind) {
    case FILE_PLAIN_TEXT: return "plain text";
    case FILE_HTML: return "HTML";
    case FILE_WORD: return "Word";
    case FILE_UNRECOGNISED: return "unrecognised";
    }
    return "?";
}

static const std::string ole2("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

struct kind_case {
    const char *label;
    std::string file;
    int html_as_text;
    int expected;
};

TEST(FileKind, FirstMatchWins) {
    const kind_case cases[] = {
        {"OLE2 signature", ole2 + std::string(300, '\0'), 0, FILE_WORD},
        {"OLE2 signature wins over <html>", ole2 + "<html>", 0, FILE_WORD},
        {"four signature bytes are not enough", ole2.substr(0, 4) + "x<html>", 0, FILE_HTML},
        {"lower-case tag", "<html><body>hi", 0, FILE_HTML},
        {"upper-case tag after a doctype", "<!DOCTYPE x>\r\n<HTML>", 0, FILE_HTML},
        {"mixed-case tag is text", "<Html><body>hi", 0, FILE_PLAIN_TEXT},
        {"tag with attributes is text", "<html lang=en>", 0, FILE_PLAIN_TEXT},
        {"HTML read as text when asked", "<html>", 1, FILE_PLAIN_TEXT},
        {"HTML with accents is still HTML", "<html>caf\xE9", 0, FILE_HTML},
        {"HTML with accents read as text asks nothing", "<html>caf\xE9", 1, FILE_PLAIN_TEXT},
        {"tag ending on byte 249", std::string(243, ' ') + "<html>", 0, FILE_HTML},
        {"tag crossing byte 249", std::string(244, ' ') + "<html>", 0, FILE_PLAIN_TEXT},
        {"zero byte hides a later tag", std::string("ab\0<html>", 9), 0, FILE_PLAIN_TEXT},
        {"accented letter", "na\xEFve text", 0, FILE_UNRECOGNISED},
        {"accented letter after a zero byte", std::string("a\0\xE9", 3), 0, FILE_UNRECOGNISED},
        {"accented letter past byte 249", std::string(249, 'a') + "\xE9", 0, FILE_PLAIN_TEXT},
        {"control bytes are text", "a\tb\r\n\x01\x1F\x7F", 0, FILE_PLAIN_TEXT},
        {"Word 2.0 file (no compound file)", "\xDB\xA5-\0001@\t\x04", 0, FILE_UNRECOGNISED},
    };
    for (const kind_case &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_STREQ(kind_name(c.expected), kind_name(kind_of(c.file, c.html_as_text)));
    }
}
