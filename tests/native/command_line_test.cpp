// The file named on the command line: its first argument.
#include <gtest/gtest.h>
#include <string>

#include "app/command_line.h"

TEST(CommandLine, TheFirstArgumentQuotedOrNot) {
    const struct {
        const char *label, *line, *expected;
        size_t size;
    } cases[] = {
        {"none", "", "", 260},
        {"only blanks", " \t ", "", 260},
        {"a plain path", "C:\\books\\a.txt", "C:\\books\\a.txt", 260},
        {"blanks before it", "  \tbook.txt", "book.txt", 260},
        {"quoted, with blanks", "\"C:\\My Books\\a b.txt\"", "C:\\My Books\\a b.txt", 260},
        {"only the first counts", "\"one.txt\" two.txt", "one.txt", 260},
        {"unquoted, a blank ends it", "C:\\My Books\\a.txt", "C:\\My", 260},
        {"quotes inside it", "C:\\\"My Books\"\\a.txt x", "C:\\My Books\\a.txt", 260},
        {"a quote left open runs to the end", "\"C:\\a b.txt", "C:\\a b.txt", 260},
        {"a backslash before a quote is a backslash", "\"C:\\dir\\\" x", "C:\\dir\\", 260},
        {"code page bytes as they are", "\"\xcf\xe0\xef\xea\xe0\\\xea.txt\"",
         "\xcf\xe0\xef\xea\xe0\\\xea.txt", 260},
        {"cut to the buffer", "abcdefgh", "abc", 4},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        char argument[260];
        memset(argument, 'z', sizeof argument);
        size_t length = first_argument(c.line, argument, c.size);
        EXPECT_EQ(std::string(c.expected), std::string(argument));
        EXPECT_EQ(strlen(c.expected), length);
    }
}
