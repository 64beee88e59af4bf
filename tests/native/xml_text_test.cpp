// The text of XHTML chapters, FB2 books and Word document bodies, fed whole,
// split in two at every byte and byte by byte; and what is refused.
#include <gtest/gtest.h>

#include "formats/xml_text.h"
#include "tests/native/unit_text.h"

#include <string>
#include <vector>

struct converted {
    int failure;
    std::string text; // UTF-8, line breaks as "\n"
};

// Collects units, noting the most the sink got at once.
struct text_received {
    std::u16string units;
    uint32_t largest = 0;
};

static int collect_noting_largest(void *context, const uint16_t *units, uint32_t count) {
    text_received *into = static_cast<text_received *>(context);
    into->largest = count > into->largest ? count : into->largest;
    return collect_units(&into->units, units, count);
}

// The document split at cut: -1 byte by byte, 0 whole.
static std::vector<std::string> pieces_of(const std::string &document, int cut) {
    std::vector<std::string> pieces;
    if (cut < 0)
        for (char b : document)
            pieces.push_back(std::string(1, b));
    else if (cut == 0 || (size_t)cut >= document.size())
        pieces.push_back(document);
    else
        pieces = {document.substr(0, cut), document.substr(cut)};
    return pieces;
}

// Feeds the document in pieces, each in a buffer of its own size, so the sanitizer sees a read past
// a piece's end.
static converted convert(int profile, const std::string &document, int cut, uint32_t *largest = 0) {
    text_received into;
    xml_text_state state;
    begin_xml_text(&state, profile, test_code_page_table, collect_noting_largest, &into);
    int failure = XML_OK;
    for (const std::string &piece : pieces_of(document, cut))
        if (failure == XML_OK) {
            std::vector<unsigned char> bytes(piece.begin(), piece.end());
            failure = feed_xml_text(&state, bytes.data(), (uint32_t)bytes.size());
        }
    if (failure == XML_OK)
        failure = finish_xml_text(&state);
    if (largest)
        *largest = into.largest;
    return {failure, utf8_of(into.units)};
}

struct text_case {
    std::string label;
    int profile;
    std::string document, expected;
};

static void check_at_every_cut(const text_case &c) {
    for (int cut = -1; cut <= (int)c.document.size(); cut++) {
        SCOPED_TRACE(c.label + ", cut at " + std::to_string(cut));
        converted out = convert(c.profile, c.document, cut);
        EXPECT_EQ(XML_OK, out.failure);
        EXPECT_EQ(c.expected, out.text);
    }
}

static std::string html(const std::string &body) {
    return "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>Title</title></head><body>" +
           body + "</body></html>";
}

TEST(XmlText, XhtmlChapter) {
    const text_case cases[] = {
        {"blocks end lines, inline elements do not", XML_TEXT_XHTML,
         html("<h1>Chapter</h1><p>Hello <b>big</b> world</p><p>next</p>"),
         "Chapter\nHello big world\nnext"},
        {"blanks collapse, no blank lines", XML_TEXT_XHTML,
         html("\n  <p>  one\n\t two  </p>\n\n\n<div><p>three</p></div>"), "one two\nthree"},
        {"script, style and head dropped", XML_TEXT_XHTML,
         "<html><head><style>p{}</style></head><body><p>a</p><script>if (1 &lt; 2) x();"
         "</script><p>b</p></body></html>",
         "a\nb"},
        {"lists nest, br breaks", XML_TEXT_XHTML,
         html("<ul><li>one<ul><li>two</li></ul></li></ul>x<br/>y<table><tr><td>c1</td>"
              "<td>c2</td></tr></table>"),
         "one\ntwo\nx\ny\nc1\nc2"},
        {"pre keeps its line ends", XML_TEXT_XHTML, html("<pre>line  one\n  line two</pre>"),
         "line one\nline two"},
        {"only the body's text", XML_TEXT_XHTML, "<html><p>outside</p><body>in</body></html>",
         "in"},
        {"XML and named references", XML_TEXT_XHTML,
         html("<p>&amp; &lt; &gt; &quot; &apos; &#8212; &#x2014; "
              "a&nbsp;b &mdash;&ndash;&hellip;&laquo;&raquo;&ldquo;&rdquo;&lsquo;&rsquo;"
              "&copy;&eacute; &#128512;</p>"),
         "& < > \" ' \xE2\x80\x94 \xE2\x80\x94 a\xC2\xA0"
         "b \xE2\x80\x94\xE2\x80\x93\xE2\x80\xA6"
         "\xC2\xAB\xC2\xBB\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\x98\xE2\x80\x99\xC2\xA9\xC3\xA9 "
         "\xF0\x9F\x98\x80"},
        {"CDATA kept as written", XML_TEXT_XHTML, html("<p><![CDATA[a < b &amp; ]] ]]]></p>"),
         "a < b &amp; ]] ]"},
        {"comments dropped", XML_TEXT_XHTML, html("<p>a<!-- <p>b</p> - -->c<!---->d</p>"), "acd"},
        {"declaration, instructions, DOCTYPE with an internal subset", XML_TEXT_XHTML,
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?xml-stylesheet href=\"a.css\"?>\n"
         "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.1//EN\" \"x.dtd\" [\n"
         "  <!ENTITY e \"a > b ] c\"> <!-- don't --> <!ATTLIST p id CDATA #IMPLIED>\n]>\n" +
             html("<p>ok</p>"),
         "ok"},
        {"UTF-8 with a byte-order mark", XML_TEXT_XHTML,
         "\xEF\xBB\xBF" + html("\xD0\x93\xD0\xBB\xD0\xB0\xD0\xB2\xD0\xB0"),
         "\xD0\x93\xD0\xBB\xD0\xB0\xD0\xB2\xD0\xB0"},
        {"malformed UTF-8 reads as U+FFFD", XML_TEXT_XHTML, html("a\xFFz"), "a\xEF\xBF\xBDz"},
        {"attributes with quotes and references", XML_TEXT_XHTML,
         html("<p class='x' title=\"a &amp; &#60; b\" >text</p>"), "text"},
    };
    for (const text_case &c : cases)
        check_at_every_cut(c);
}

// Text is copied a run at a time; what ends a run must still read as it did.
TEST(XmlText, RunsOfText) {
    const text_case cases[] = {
        {"a space before a tag", XML_TEXT_XHTML, html("<p>one two </p><p> three <i>four</i></p>"),
         "one two\nthree four"},
        {"a space before a reference", XML_TEXT_XHTML, html("<p>a &amp; b &#32; c&lt;d</p>"),
         "a & b c<d"},
        {"letters after a run", XML_TEXT_XHTML,
         html("<p>abc\xD0\x93 \xE2\x80\x9Cq\xE2\x80\x9D \xF0\x9F\x98\x80 z</p>"),
         "abc\xD0\x93 \xE2\x80\x9Cq\xE2\x80\x9D \xF0\x9F\x98\x80 z"},
        {"a space before malformed bytes", XML_TEXT_XHTML, html("<p>a \xFF b \xD0</p>"),
         "a \xEF\xBF\xBD b \xEF\xBF\xBD"},
        {"blanks other than one space", XML_TEXT_XHTML, html("<p>a\tb\r\nc  d \ne</p>"),
         "a b c d e"},
        {"line ends kept after a run", XML_TEXT_XHTML, html("<pre>ab\ncd \n ef</pre>"),
         "ab\ncd\nef"},
        {"a control character inside a run", XML_TEXT_XHTML, html("<p>a\x01b c</p>"), "a\x01b c"},
        {"text left out between runs", XML_TEXT_XHTML, html("<p>a b<script>c d</script> e f</p>"),
         "a b e f"},
        {"CDATA after a run", XML_TEXT_XHTML, html("<p>a b<![CDATA[ c]]></p>"), "a b c"},
    };
    for (const text_case &c : cases)
        check_at_every_cut(c);
}

// Runs are copied eight bytes at a time: what breaks a run, put at every place
// in one, must read as it does anywhere else.
TEST(XmlText, WhatBreaksARunAtEveryPlace) {
    const struct {
        std::string label, inserted, read;
    } breaks[] = {
        {"two spaces", "  ", " "},
        {"a space and a tab", " \t", " "},
        {"a line end", "\n", " "},
        {"a space before a tag", " <b>x</b>", " x"},
        {"a space before a reference", " &amp;", " &"},
        {"a letter", "\xD0\x96", "\xD0\x96"},
        {"a space before a letter", " \xD0\x96", " \xD0\x96"},
        {"a control character", "\x01", "\x01"},
        {"a space", " ", " "},
        {"a line break", " <br/> ", "\n"},
    };
    const std::string run = "abcdefghijklmnopqrst";
    for (const auto &b : breaks)
        for (size_t at = 1; at < run.size(); at++) {
            std::string before = run.substr(0, at), after = run.substr(at);
            check_at_every_cut({b.label + " after " + std::to_string(at) + " bytes", XML_TEXT_XHTML,
                                html("<p>" + before + b.inserted + after + " </p>"),
                                before + b.read + after});
        }
}

// Runs that fill the unit buffer to its end and past it.
TEST(XmlText, RunsAcrossTheUnitBuffer) {
    const std::string letters[] = {"x", "\xD0\x96"};
    for (const std::string &letter : letters)
        for (int length = UNIT_BUFFER_SIZE - 3; length <= UNIT_BUFFER_SIZE + 1; length++) {
            std::string run;
            for (int i = 0; i < length; i++)
                run += letter;
            const text_case c = {"a run of " + std::to_string(length) + " " + letter,
                                 XML_TEXT_XHTML, html("<p>" + run + " y z</p>"), run + " y z"};
            for (int cut : {0, 1, length / 2, length + 60, length + 61, length + 62}) {
                SCOPED_TRACE(c.label + ", cut at " + std::to_string(cut));
                uint32_t largest = 0;
                converted out = convert(c.profile, c.document, cut, &largest);
                EXPECT_EQ(XML_OK, out.failure);
                EXPECT_EQ(c.expected, out.text);
                EXPECT_GE((uint32_t)UNIT_BUFFER_SIZE, largest);
            }
        }
}

static std::string utf16(const std::u16string &text, int big_endian) {
    std::string bytes;
    for (char16_t unit : text) {
        char high = (char)(unit >> 8), low = (char)(unit & 0xFF);
        bytes += big_endian ? high : low;
        bytes += big_endian ? low : high;
    }
    return bytes;
}

TEST(XmlText, Encodings) {
    const std::u16string book =
        u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><FictionBook><body><p>\u0413\u043B\u0430"
        u"\u0432\u0430 \U0001F600</p></body></FictionBook>";
    const std::string chapter = "\xD0\x93\xD0\xBB\xD0\xB0\xD0\xB2\xD0\xB0 \xF0\x9F\x98\x80";
    const text_case cases[] = {
        {"UTF-16LE with its mark", XML_TEXT_FB2, utf16(u"\uFEFF" + book, 0), chapter},
        {"UTF-16BE with its mark", XML_TEXT_FB2, utf16(u"\uFEFF" + book, 1), chapter},
        {"UTF-16LE without a mark", XML_TEXT_FB2, utf16(book, 0), chapter},
        {"UTF-16BE without a mark", XML_TEXT_FB2, utf16(book, 1), chapter},
        {"Windows-1251 declared", XML_TEXT_FB2,
         "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<FictionBook><body><p>\xC3\xEB"
         "\xE0\xE2\xE0 \xB9 \xA8</p></body></FictionBook>",
         "\xD0\x93\xD0\xBB\xD0\xB0\xD0\xB2\xD0\xB0 \xE2\x84\x96 \xD0\x81"},
        {"Windows-1251 blanks, a reference and a tag in the text", XML_TEXT_FB2,
         "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<FictionBook><body><p>\xC3\xEB"
         "\xE0  \xE2\xE0&amp;\xA8 <i>\xB9</i>\t</p></body></FictionBook>",
         "\xD0\x93\xD0\xBB\xD0\xB0 \xD0\xB2\xD0\xB0&\xD0\x81 \xE2\x84\x96"},
        {"Windows-1252 declared, single quotes", XML_TEXT_FB2,
         "<?xml version='1.0' encoding='Windows-1252'?><FictionBook><body><p>caf\xE9 \x93"
         "x\x94</p></body></FictionBook>",
         "caf\xC3\xA9 \xE2\x80\x9Cx\xE2\x80\x9D"},
        {"ISO-8859-1 needs no table", XML_TEXT_FB2,
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><FictionBook><body><p>caf\xE9</p>"
         "</body></FictionBook>",
         "caf\xC3\xA9"},
        {"a byte-order mark outweighs the declaration", XML_TEXT_FB2,
         "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"windows-1251\"?><FictionBook><body>"
         "<p>\xD0\x93</p></body></FictionBook>",
         "\xD0\x93"},
    };
    for (const text_case &c : cases)
        check_at_every_cut(c);
}

TEST(XmlText, Fb2Book) {
    const text_case cases[] = {
        {"description and binary left out, every body read", XML_TEXT_FB2,
         "<FictionBook xmlns:l=\"http://www.w3.org/1999/xlink\"><description><title-info>"
         "<book-title>Book</book-title><annotation><p>About</p></annotation></title-info>"
         "</description><body><title><p>Chapter one</p></title><section><epigraph><p>Said"
         "</p><text-author>Someone</text-author></epigraph><p>First <emphasis>words</emphasis>"
         "<a l:href=\"#n1\" type=\"note\">1</a>.</p><empty-line/><poem><stanza><v>line one</v>"
         "<v>line two</v></stanza></poem><subtitle>* * *</subtitle><p>Last words.</p>"
         "</section></body><body name=\"notes\"><section id=\"n1\"><p>A note.</p></section>"
         "</body><binary id=\"c.jpg\" content-type=\"image/jpeg\">/9j/4AAQSk</binary>"
         "</FictionBook>",
         "Chapter one\nSaid\nSomeone\nFirst words1.\nline one\nline two\n* * *\nLast words.\n"
         "A note."},
    };
    for (const text_case &c : cases)
        check_at_every_cut(c);
}

TEST(XmlText, DocxBody) {
    const text_case cases[] = {
        {"runs, tabs, breaks, cells; tab stops, deleted and field text left out", XML_TEXT_DOCX,
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<w:document "
         "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>"
         "<w:p><w:pPr><w:tabs><w:tab w:val=\"left\" w:pos=\"720\"/></w:tabs></w:pPr><w:r>"
         "<w:t>Hello</w:t></w:r><w:r><w:rPr><w:b/></w:rPr><w:t xml:space=\"preserve\"> big "
         "</w:t></w:r><w:r><w:tab/><w:t>world</w:t><w:br/><w:t>next</w:t></w:r></w:p><w:tbl>"
         "<w:tr><w:tc><w:p><w:r><w:t>c1</w:t></w:r></w:p></w:tc><w:tc><w:p><w:r><w:t>c2</w:t>"
         "</w:r></w:p></w:tc></w:tr></w:tbl><w:p><w:del><w:r><w:delText>gone</w:delText></w:r>"
         "</w:del><w:r><w:instrText> PAGE </w:instrText></w:r><w:r><w:t>e</w:t></w:r><w:r>"
         "<w:t>nd</w:t></w:r></w:p><w:p/><w:p><mc:AlternateContent><mc:Choice><w:t>box"
         "</w:t></mc:Choice><mc:Fallback><w:t>box</w:t></mc:Fallback></mc:AlternateContent>"
         "</w:p><w:sectPr/></w:body></w:document>",
         "Hello big\tworld\nnext\nc1\nc2\nend\nbox"},
    };
    for (const text_case &c : cases)
        check_at_every_cut(c);
}

TEST(XmlText, Refused) {
    const struct {
        std::string label, document;
        int failure;
    } cases[] = {
        {"mismatched tags", "<a><b></a></b>", XML_NOT_WELL_FORMED},
        {"unclosed at the end", "<a><b></b>", XML_NOT_WELL_FORMED},
        {"an end tag with nothing open", "</a>", XML_NOT_WELL_FORMED},
        {"'<' inside a tag", "<a <b>></a>", XML_NOT_WELL_FORMED},
        {"'<' inside an attribute value", "<a x=\"<\"/>", XML_NOT_WELL_FORMED},
        {"unquoted attribute value", "<a x=1/>", XML_NOT_WELL_FORMED},
        {"attributes without a blank between", "<a x='1'y='2'/>", XML_NOT_WELL_FORMED},
        {"reference without ';'", "<a>&amp </a>", XML_NOT_WELL_FORMED},
        {"unknown entity", "<a>&bogus;</a>", XML_NOT_WELL_FORMED},
        {"bad hex reference", "<a>&#xZZ;</a>", XML_NOT_WELL_FORMED},
        {"empty numeric reference", "<a>&#;</a>", XML_NOT_WELL_FORMED},
        {"a lone '&'", "<a>fish & chips</a>", XML_NOT_WELL_FORMED},
        {"a reference too long", "<a>&" + std::string(60, 'x') + ";</a>", XML_NOT_WELL_FORMED},
        {"text before the root", "text<a/>", XML_NOT_WELL_FORMED},
        {"text after the root", "<a/>text", XML_NOT_WELL_FORMED},
        {"a second root", "<a/><b/>", XML_NOT_WELL_FORMED},
        {"no root at all", "<!-- nothing -->", XML_NOT_WELL_FORMED},
        {"empty", "", XML_NOT_WELL_FORMED},
        {"a comment never closed", "<a><!-- x </a>", XML_NOT_WELL_FORMED},
        {"CDATA outside the root", "<![CDATA[x]]><a/>", XML_NOT_WELL_FORMED},
        {"DOCTYPE inside the root", "<a><!DOCTYPE a></a>", XML_NOT_WELL_FORMED},
        {"'<!' not followed by a known word", "<a><!ELEMENT></a>", XML_NOT_WELL_FORMED},
        {"a name starting with a digit", "<1a/>", XML_NOT_WELL_FORMED},
        {"encoding not known", "<?xml version=\"1.0\" encoding=\"shift_jis\"?><a/>",
         XML_UNSUPPORTED_ENCODING},
        {"code page the system lacks", "<?xml version=\"1.0\" encoding=\"koi8-r\"?><a/>",
         XML_UNSUPPORTED_ENCODING},
        {"nested past the bound", std::string(XML_DEPTH + 1, '\0'), XML_TOO_DEEP},
        {"a name past the bound", "<" + std::string(XML_NAME_SIZE, 'n') + "/>", XML_TOO_DEEP},
    };
    for (auto c : cases) {
        if (c.label == "nested past the bound") {
            c.document.clear();
            for (int i = 0; i <= XML_DEPTH; i++)
                c.document += "<a>";
        }
        for (int cut = -1; cut <= (int)c.document.size(); cut++) {
            SCOPED_TRACE(c.label + ", cut at " + std::to_string(cut));
            EXPECT_EQ(c.failure, convert(XML_TEXT_XHTML, c.document, cut).failure);
        }
    }
}

TEST(XmlText, BoundsReachedButNotPassed) {
    std::string deep, name(XML_NAME_SIZE - 1, 'n');
    for (int i = 0; i < XML_DEPTH; i++)
        deep += "<a>";
    for (int i = 0; i < XML_DEPTH; i++)
        deep += "</a>";
    const struct {
        std::string label, document;
    } cases[] = {
        {"nested as deep as allowed", deep},
        {"a name as long as allowed", "<" + name + "></" + name + ">"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(XML_OK, convert(XML_TEXT_XHTML, c.document, 0).failure);
    }
}

TEST(XmlText, ChaptersFollowOnNewLines) {
    std::u16string units;
    xml_text_state state;
    begin_xml_text(&state, XML_TEXT_XHTML, 0, collect_units, &units);
    const std::string chapters[] = {html("one"), html("two <i>three</i>"), html("")};
    for (const std::string &chapter : chapters) {
        if (&chapter != chapters)
            next_xml_text_document(&state);
        EXPECT_EQ(XML_OK, feed_xml_text(&state, (const unsigned char *)chapter.data(),
                                        (uint32_t)chapter.size()));
        EXPECT_EQ(XML_OK, finish_xml_text(&state));
    }
    EXPECT_EQ("one\ntwo three", utf8_of(units));
}

static int stop_at_once(void *, const uint16_t *, uint32_t) {
    return 0;
}

TEST(XmlText, StoppedSink) {
    std::string document = html(std::string(5000, 'x'));
    xml_text_state state;
    begin_xml_text(&state, XML_TEXT_XHTML, 0, stop_at_once, 0);
    EXPECT_EQ(XML_STOPPED, feed_xml_text(&state, (const unsigned char *)document.data(),
                                         (uint32_t)document.size()));
    EXPECT_EQ(XML_STOPPED, finish_xml_text(&state));
}

// The events of a document as a line: "<name", " attribute=value" (its
// length instead when longer than 16 bytes, "(cut)" after a cut one), ">name".
static int note_open(xml_reader *reader, const char *name, uint32_t length) {
    *static_cast<std::string *>(reader->context) += "<" + std::string(name, length);
    return 1;
}

static int note_attribute(xml_reader *reader, const char *name, uint32_t name_length,
                          const char *value, uint32_t value_length, int value_cut) {
    std::string shown = value_length > 16 ? std::to_string(value_length) + " bytes"
                                          : std::string(value, value_length);
    *static_cast<std::string *>(reader->context) +=
        " " + std::string(name, name_length) + "=" + shown + (value_cut ? "(cut)" : "");
    return 1;
}

static int note_close(xml_reader *reader, const char *name, uint32_t length) {
    *static_cast<std::string *>(reader->context) += ">" + std::string(name, length);
    return 1;
}

// Names and attribute values are read a run at a time too.
TEST(XmlReader, NamesAndValuesAtEveryCut) {
    const std::string full(XML_VALUE_SIZE, 'v'), long_name(XML_NAME_SIZE - 1, 'n');
    const struct {
        std::string label, document, events;
        int failure;
    } cases[] = {
        {"names with every kind of name character", "<a:b x-y.z_1=\"v 1&amp;2\" q='it\"s'></a:b >",
         "<a:b x-y.z_1=v 1&2 q=it\"s>a:b", XML_OK},
        {"blanks in a value read as spaces", "<a x=\"1\t2\n3\r4 \"/>", "<a x=1 2 3 4 >a", XML_OK},
        {"letters after ASCII in names and values", "<ab\xD0\xB0 c\xD0\xB1=\"d\xD0\xB2\"/>",
         "<ab\xD0\xB0 c\xD0\xB1=d\xD0\xB2>ab\xD0\xB0", XML_OK},
        {"a value as long as kept", "<a x='" + full + "'/>", "<a x=2048 bytes>a", XML_OK},
        {"a value one past", "<a x='" + full + "w'/>", "<a x=2048 bytes(cut)>a", XML_OK},
        {"a reference past the end of a full value", "<a x='" + full + "&amp;'/>",
         "<a x=2048 bytes(cut)>a", XML_OK},
        {"a letter that does not fit", "<a x='" + full.substr(1) + "\xD0\x96'/>",
         "<a x=2047 bytes(cut)>a", XML_OK},
        {"an attribute name as long as allowed", "<a " + long_name + "='1'/>",
         "<a " + long_name + "=1>a", XML_OK},
        {"an attribute name past the bound", "<a " + long_name + "n='1'/>", "<a", XML_TOO_DEEP},
        {"an end name past the bound", "<a></" + long_name + "n>", "<a", XML_TOO_DEEP},
    };
    static const xml_handler handler = {note_open, note_attribute, note_close};
    for (const auto &c : cases)
        for (int cut = -1; cut <= (int)c.document.size(); cut++) {
            SCOPED_TRACE(c.label + ", cut at " + std::to_string(cut));
            std::string events;
            xml_reader reader;
            begin_xml_reader(&reader, &handler, &events, 0, 0, 0);
            int failure = XML_OK;
            for (const std::string &piece : pieces_of(c.document, cut))
                if (failure == XML_OK) {
                    std::vector<unsigned char> bytes(piece.begin(), piece.end());
                    failure = feed_xml_reader(&reader, bytes.data(), (uint32_t)bytes.size());
                }
            if (failure == XML_OK)
                failure = finish_xml_reader(&reader);
            EXPECT_EQ(c.failure, failure);
            EXPECT_EQ(c.events, events);
        }
}
