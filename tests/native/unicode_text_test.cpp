// UTF-8 and UTF-16 decoding and the UTF-8 check, fed whole, split in two at
// every byte and byte by byte.
#include <gtest/gtest.h>

#include "formats/unicode_text.h"

#include <string>
#include <vector>

typedef std::vector<uint16_t> units;

static int collect(void *context, const uint16_t *data, uint32_t count) {
    static_cast<units *>(context)->insert(static_cast<units *>(context)->end(), data, data + count);
    return 1;
}

// The bytes fed in pieces: split at cut (none when cut is 0 or past the end),
// or one byte at a time when cut is -1.
static std::vector<std::string> pieces(const std::string &bytes, int cut) {
    if (cut < 0) {
        std::vector<std::string> each;
        for (char b : bytes)
            each.push_back(std::string(1, b));
        return each;
    }
    if (cut == 0 || (size_t)cut >= bytes.size())
        return {bytes};
    return {bytes.substr(0, cut), bytes.substr(cut)};
}

static units decode(int encoding, const std::string &bytes, int cut) {
    units out;
    text_decoder decoder;
    begin_text_decoder(&decoder, encoding, collect, &out);
    for (const std::string &piece : pieces(bytes, cut))
        feed_text_decoder(&decoder, (const unsigned char *)piece.data(), (uint32_t)piece.size());
    finish_text_decoder(&decoder);
    return out;
}

TEST(UnicodeText, ByteOrderMarks) {
    const struct {
        std::string label, bytes;
        int mark;
        uint32_t length;
    } cases[] = {
        {"UTF-8", "\xEF\xBB\xBFtext", TEXT_UTF8, 3},
        {"UTF-16 little-endian", "\xFF\xFEt\0", TEXT_UTF16LE, 2},
        {"UTF-16 big-endian", std::string("\xFE\xFF\0t", 4), TEXT_UTF16BE, 2},
        {"UTF-8 mark cut short", "\xEF\xBB", TEXT_NO_MARK, 0},
        {"no mark", "text", TEXT_NO_MARK, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        uint32_t length = 99;
        EXPECT_EQ(c.mark, byte_order_mark((const unsigned char *)c.bytes.data(),
                                          (uint32_t)c.bytes.size(), &length));
        EXPECT_EQ(c.length, length);
    }
}

TEST(UnicodeText, Utf8CheckAtEveryChunkSplit) {
    const struct {
        std::string label, bytes;
        int utf8;
    } cases[] = {
        {"Cyrillic", "\xD0\x93\xD0\xBB\xD0\xB0\xD0\xB2\xD0\xB0", 1},
        {"pages of ASCII, then a curly quote", std::string(300, 'a') + "\xE2\x80\x9D", 1},
        {"four bytes, the highest code point", "\xF4\x8F\xBF\xBF", 1},
        {"U+FFFD written out", "\xEF\xBF\xBD", 1},
        {"ASCII only", "plain", 0},
        {"Windows-1251", "\xC3\xEB\xE0\xE2\xE0", 0},
        {"Latin-1", "caf\xE9 au lait", 0},
        {"overlong two bytes", "\xC0\xAF", 0},
        {"overlong three bytes", "\xE0\x80\xAF", 0},
        {"overlong four bytes", "\xF0\x80\x80\xAF", 0},
        {"surrogate", "\xED\xA0\x80", 0},
        {"past U+10FFFF", "\xF4\x90\x80\x80", 0},
        {"lone continuation byte", "\xD0\x93\x80", 0},
        {"sequence cut at the end", "\xD0\x93\xD0", 0},
        {"F5 never leads", "\xD0\x93\xF5\x80\x80\x80", 0},
        // Whole sequences are taken at once; these lie at their bounds.
        {"lowest and highest three bytes", "\xE0\xA0\x80\xEF\xBF\xBF", 1},
        {"either side of the surrogates", "\xED\x9F\xBF\xEE\x80\x80", 1},
        {"overlong three bytes after a letter", "\xD0\x93\xE0\x9F\xBF", 0},
        {"surrogate after a letter", "\xD0\x93\xED\xA0\x80", 0},
        {"two bytes broken by ASCII", "\xD0\x93\xD0z", 0},
        {"three bytes broken by a lead byte", "\xD0\x93\xE2\x80\xD0\x93", 0},
    };
    for (const auto &c : cases)
        for (int cut = -1; cut <= (int)c.bytes.size(); cut++) {
            SCOPED_TRACE(c.label + ", cut at " + std::to_string(cut));
            utf8_check check;
            begin_utf8_check(&check);
            for (const std::string &piece : pieces(c.bytes, cut))
                feed_utf8_check(&check, (const unsigned char *)piece.data(),
                                (uint32_t)piece.size());
            EXPECT_EQ(c.utf8, finish_utf8_check(&check));
        }
}

TEST(UnicodeText, HeadMayBeUtf8) {
    const struct {
        std::string label, head;
        int may_be;
    } cases[] = {
        {"a sequence cut by the head's end", "\xD0\x93\xD0", 1},
        {"ASCII", "plain text", 1},
        {"Windows-1251", "\xC3\xEB\xE0\xE2\xE0", 0},
        {"Latin-1 after ASCII", "caf\xE9 au lait", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.may_be,
                  head_may_be_utf8((const unsigned char *)c.head.data(), (uint32_t)c.head.size()));
    }
}

TEST(UnicodeText, DecodingAtEveryChunkSplit) {
    const struct {
        std::string label;
        int encoding;
        std::string bytes;
        units expected;
    } cases[] = {
        {"UTF-8 mark dropped",
         TEXT_UTF8,
         "\xEF\xBB\xBF\xD0\x93"
         "a",
         {0x413, 'a'}},
        {"UTF-8 U+FEFF after the start kept", TEXT_UTF8, "a\xEF\xBB\xBF", {'a', 0xFEFF}},
        {"UTF-8 two, three and four bytes",
         TEXT_UTF8,
         "\xC3\xA9\xE2\x80\x94\xF0\x9F\x98\x80",
         {0xE9, 0x2014, 0xD83D, 0xDE00}},
        {"UTF-8 malformed byte, then ASCII",
         TEXT_UTF8,
         "a\xFF"
         "b",
         {'a', 0xFFFD, 'b'}},
        {"UTF-8 sequence broken by ASCII",
         TEXT_UTF8,
         "\xE2\x80"
         "b",
         {0xFFFD, 'b'}},
        {"UTF-8 surrogate", TEXT_UTF8, "\xED\xA0\x80", {0xFFFD, 0xFFFD, 0xFFFD}},
        {"UTF-8 cut at the end", TEXT_UTF8, "a\xE2\x80", {'a', 0xFFFD}},
        {"UTF-8 lowest and highest two and three bytes",
         TEXT_UTF8,
         "\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF",
         {0x80, 0x7FF, 0x800, 0xFFFF}},
        {"UTF-8 either side of the surrogates",
         TEXT_UTF8,
         "\xED\x9F\xBF\xEE\x80\x80",
         {0xD7FF, 0xE000}},
        {"UTF-8 overlong three bytes after a letter",
         TEXT_UTF8,
         "a\xE0\x9F\xBF",
         {'a', 0xFFFD, 0xFFFD, 0xFFFD}},
        {"UTF-8 two bytes broken by a lead byte", TEXT_UTF8, "\xD0\xD0\x93", {0xFFFD, 0x413}},
        {"UTF-16LE U+FEFF after the start kept",
         TEXT_UTF16LE,
         std::string("a\0\xFF\xFE", 4),
         {'a', 0xFEFF}},
        {"UTF-16LE pair after a letter",
         TEXT_UTF16LE,
         std::string("a\0\x3D\xD8\x00\xDE\x13\x04", 8),
         {'a', 0xD83D, 0xDE00, 0x413}},
        {"UTF-16BE lone low surrogate after a letter",
         TEXT_UTF16BE,
         std::string("\0a\xDC\x00\x04\x13", 6),
         {'a', 0xFFFD, 0x413}},
        {"UTF-16LE mark dropped",
         TEXT_UTF16LE,
         std::string("\xFF\xFE\x13\x04"
                     "a\0",
                     6),
         {0x413, 'a'}},
        {"UTF-16BE mark dropped",
         TEXT_UTF16BE,
         std::string("\xFE\xFF\x04\x13\0a", 6),
         {0x413, 'a'}},
        {"UTF-16LE pair", TEXT_UTF16LE, std::string("\x3D\xD8\x00\xDE", 4), {0xD83D, 0xDE00}},
        {"UTF-16LE odd last byte", TEXT_UTF16LE, std::string("a\0b", 3), {'a', 0xFFFD}},
        {"UTF-16LE lone low surrogate",
         TEXT_UTF16LE,
         std::string("\x00\xDC"
                     "a\0",
                     4),
         {0xFFFD, 'a'}},
        {"UTF-16LE high surrogate then a letter",
         TEXT_UTF16LE,
         std::string("\x3D\xD8"
                     "a\0",
                     4),
         {0xFFFD, 'a'}},
        {"UTF-16BE high surrogate at the end",
         TEXT_UTF16BE,
         std::string("\0a\xD8\x3D", 4),
         {'a', 0xFFFD}},
    };
    for (const auto &c : cases)
        for (int cut = -1; cut <= (int)c.bytes.size(); cut++) {
            SCOPED_TRACE(c.label + ", cut at " + std::to_string(cut));
            EXPECT_EQ(c.expected, decode(c.encoding, c.bytes, cut));
        }
}

TEST(UnicodeText, LongTextPassesTheBufferWhole) {
    std::string bytes;
    units expected;
    for (int i = 0; i < 3000; i++) {
        bytes += i % 3 ? "\xD0\x96" : "z";
        expected.push_back(i % 3 ? 0x416 : 'z');
    }
    EXPECT_EQ(expected, decode(TEXT_UTF8, bytes, 1500));
    std::string utf16;
    for (uint16_t unit : expected) {
        utf16 += (char)(unit & 0xFF);
        utf16 += (char)(unit >> 8);
    }
    for (int cut : {0, 2045, 2046, 2047, 2048, 2049})
        EXPECT_EQ(expected, decode(TEXT_UTF16LE, utf16, cut)) << "cut at " << cut;
}

static int stop_at_once(void *context, const uint16_t *, uint32_t) {
    ++*static_cast<int *>(context);
    return 0;
}

TEST(UnicodeText, StoppedSinkIsNotCalledAgain) {
    int calls = 0;
    text_decoder decoder;
    begin_text_decoder(&decoder, TEXT_UTF8, stop_at_once, &calls);
    std::string text(5000, 'a');
    EXPECT_EQ(
        0, feed_text_decoder(&decoder, (const unsigned char *)text.data(), (uint32_t)text.size()));
    EXPECT_EQ(0, feed_text_decoder(&decoder, (const unsigned char *)text.data(), 10));
    EXPECT_EQ(0, finish_text_decoder(&decoder));
    EXPECT_EQ(1, calls);
}

TEST(UnicodeText, EncodingNames) {
    const struct {
        std::string name;
        int code_page;
    } cases[] = {
        {"UTF-8", CODE_PAGE_UTF8},
        {"utf-16", CODE_PAGE_UTF16LE},
        {"windows-1251", 1251},
        {"CP1250", 1250},
        {"ISO-8859-1", CODE_PAGE_LATIN1},
        {"iso-8859-5", 28595},
        {"KOI8-R", 20866},
        {"windows-1259", 0},
        {"iso-8859-12", 0},
        {"shift_jis", 0},
        {"utf-8x", 0},
        {"", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.code_page, encoding_code_page(c.name.data(), (uint32_t)c.name.size()));
    }
}

TEST(UnicodeText, HtmlCharset) {
    const struct {
        std::string label, head;
        int code_page;
    } cases[] = {
        {"meta charset", "<html><head><meta charset=\"UTF-8\">", CODE_PAGE_UTF8},
        {"content type",
         "<meta http-equiv=\"Content-Type\" content=\"text/html; "
         "charset=windows-1251\">",
         1251},
        {"blanks and single quotes", "<meta charset = 'utf-8'>", CODE_PAGE_UTF8},
        {"the word without a value", "<p>the charset of a page</p>", 0},
        {"none", "<html><body>", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.code_page,
                  html_charset((const unsigned char *)c.head.data(), (uint32_t)c.head.size()));
    }
}
