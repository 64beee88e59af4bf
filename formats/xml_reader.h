// Reading an XML document fed in chunks of any size, with fixed state: its
// elements and attributes go to a handler, its text (when the handler wants
// it) to a unit sink with blanks collapsed as a browser shows them.
// Refuses: tags that do not match or stay open, '<' inside a tag or an
// attribute value, a malformed or unknown reference, text or a second element
// outside the root, a name longer than XML_NAME_SIZE - 1 bytes, elements
// nested deeper than XML_DEPTH (or whose open names pass XML_NAMES_SIZE
// bytes), an XML declaration longer than XML_DECLARATION_SIZE - 1 bytes, and
// an encoding it cannot decode.
#pragma once
#include "formats/unicode_text.h"

enum {
    XML_OK = 0,
    XML_NOT_WELL_FORMED,
    XML_UNSUPPORTED_ENCODING,
    XML_TOO_DEEP, // nesting, a name or the declaration past its bound
    XML_STOPPED,  // the sink or the handler asked to stop
};

enum {
    XML_DEPTH = 256,
    XML_NAME_SIZE = 256,
    XML_NAMES_SIZE = 16384,
    XML_VALUE_SIZE = 2048,
    XML_REFERENCE_SIZE = 40,
    XML_DECLARATION_SIZE = 256,
};

struct xml_reader;

// Element events. Names and values are UTF-8, not zero-terminated. An
// attribute value longer than XML_VALUE_SIZE bytes arrives cut to that size
// with value_cut set. An empty element gets open then close. Each returns 1
// to go on, 0 to stop the reading (XML_STOPPED).
struct xml_handler {
    int (*open)(xml_reader *reader, const char *name, uint32_t length);
    int (*attribute)(xml_reader *reader, const char *name, uint32_t name_length, const char *value,
                     uint32_t value_length, int value_cut);
    int (*close)(xml_reader *reader, const char *name, uint32_t length);
};

struct xml_reader {
    const xml_handler *handler;
    void *context; // the handler's own
    code_page_table code_pages;
    int failure; // XML_OK while reading goes on

    // Decoding: the first bytes are held until they show the encoding.
    int encoding;
    int marked; // a byte-order mark chose the encoding
    unsigned char first[4];
    uint32_t first_count;
    utf8_state utf8;
    int have_byte;
    unsigned char byte;
    uint16_t high_surrogate;
    uint16_t single_byte[256];

    // Syntax.
    int state;
    int return_state;     // where a reference or a fixed word leads back to
    const char *expected; // a fixed word being matched ("CDATA[", ...)
    uint32_t matched;     // how much of it, or of "-->", "]]>", "?>"
    int quote;            // the quote an attribute value or DOCTYPE literal is in
    uint32_t characters;  // how many characters came, counted up to 2
    int may_declare;      // the processing instruction opened the document
    int root_seen;
    uint32_t depth;
    uint32_t names_used;
    uint16_t name_ends[XML_DEPTH]; // where each open element's name ends in names
    char names[XML_NAMES_SIZE];
    char name[XML_NAME_SIZE]; // the tag, attribute or target name being read
    uint32_t name_length;
    char value[XML_VALUE_SIZE];
    uint32_t value_length;
    int value_cut;
    char reference[XML_REFERENCE_SIZE];
    uint32_t reference_length;
    char declaration[XML_DECLARATION_SIZE];
    uint32_t declaration_length;

    // Text, which the handler switches on and off.
    int keep_text;
    int keep_line_ends; // a line end in the text breaks the line (pre)
    int pending;        // the separator owed before the next character: 0, ' ', '\t' or '\n'
    int written;        // a character has gone out
    unit_output out;
};

// code_pages may be 0 (then only UTF-8, UTF-16 and ISO-8859-1 are read);
// sink may be 0 when the handler never keeps text.
void begin_xml_reader(xml_reader *reader, const xml_handler *handler, void *context,
                      code_page_table code_pages, unit_sink sink, void *sink_context);
// Starts on another document whose text continues the same text on a new
// line.
void next_xml_document(xml_reader *reader);
// XML_OK to go on, or the failure; once failed, it stays so.
int feed_xml_reader(xml_reader *reader, const unsigned char *bytes, uint32_t count);
// Checks the document ended with its root and sends the text still held.
int finish_xml_reader(xml_reader *reader);

// For handlers: the text goes on on a new line, or after a separator (' ' or
// '\t'); neither is written before the first character or twice in a row.
void xml_line_break(xml_reader *reader);
void xml_separator(xml_reader *reader, int separator);
