#include "formats/xml_reader.h"
#include "formats/html_entities.h"

#include <string.h>

enum { UNDECIDED = 0, DECODE_UTF8, DECODE_UTF16LE, DECODE_UTF16BE, DECODE_SINGLE_BYTE };

enum { REPLACEMENT = 0xFFFD };

enum {
    S_TEXT,
    S_TAG_OPEN,   // after '<'
    S_START_NAME, // an element's name
    S_IN_TAG,     // between attributes
    S_ATTRIBUTE_NAME,
    S_BEFORE_EQUALS,
    S_BEFORE_VALUE,
    S_VALUE, // inside quotes
    S_AFTER_VALUE,
    S_EMPTY_END, // after the '/' of "/>"
    S_END_NAME,  // after "</"
    S_AFTER_END_NAME,
    S_BANG, // after "<!"
    S_WORD, // matching expected, then return_state
    S_COMMENT,
    S_CDATA,
    S_DOCTYPE,
    S_DOCTYPE_SUBSET, // between '[' and ']'
    S_SUBSET_COMMENT,
    S_PI_TARGET,
    S_PI,
    S_DECLARATION,
    S_REFERENCE, // after '&'
};

static void fail(xml_reader *reader, int failure) {
    if (reader->failure == XML_OK)
        reader->failure = failure;
}

static void begin_document(xml_reader *reader) {
    reader->encoding = UNDECIDED;
    reader->marked = 0;
    reader->first_count = 0;
    begin_utf8(&reader->utf8);
    reader->have_byte = 0;
    reader->byte = 0;
    reader->high_surrogate = 0;
    reader->state = S_TEXT;
    reader->return_state = S_TEXT;
    reader->expected = "";
    reader->matched = 0;
    reader->quote = 0;
    reader->characters = 0;
    reader->may_declare = 0;
    reader->root_seen = 0;
    reader->depth = 0;
    reader->names_used = 0;
    reader->name_length = 0;
    reader->value_length = 0;
    reader->value_cut = 0;
    reader->reference_length = 0;
    reader->declaration_length = 0;
    reader->keep_text = 0;
    reader->keep_line_ends = 0;
}

void begin_xml_reader(xml_reader *reader, const xml_handler *handler, void *context,
                      code_page_table code_pages, unit_sink sink, void *sink_context) {
    reader->handler = handler;
    reader->context = context;
    reader->code_pages = code_pages;
    reader->failure = XML_OK;
    reader->pending = 0;
    reader->written = 0;
    begin_unit_output(&reader->out, sink, sink_context);
    begin_document(reader);
}

void next_xml_document(xml_reader *reader) {
    begin_document(reader);
    xml_line_break(reader);
}

void xml_line_break(xml_reader *reader) {
    reader->pending = '\n';
}

void xml_separator(xml_reader *reader, int separator) {
    if (reader->pending != '\n' && !(reader->pending == '\t' && separator == ' '))
        reader->pending = separator;
}

static int is_blank(uint32_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Inline, as the name runs ask these of every byte.
static inline int is_name_start(uint32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || c >= 0x80;
}

static inline int is_name_char(uint32_t c) {
    return is_name_start(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// Appends c in UTF-8 to a buffer of size bytes; 0 when it does not fit.
static int append_utf8(char *buffer, uint32_t size, uint32_t *length, uint32_t c) {
    char bytes[4];
    uint32_t n;
    if (c < 0x80) {
        bytes[0] = (char)c;
        n = 1;
    } else if (c < 0x800) {
        bytes[0] = (char)(0xC0 | c >> 6);
        bytes[1] = (char)(0x80 | (c & 0x3F));
        n = 2;
    } else if (c < 0x10000) {
        bytes[0] = (char)(0xE0 | c >> 12);
        bytes[1] = (char)(0x80 | (c >> 6 & 0x3F));
        bytes[2] = (char)(0x80 | (c & 0x3F));
        n = 3;
    } else {
        bytes[0] = (char)(0xF0 | c >> 18);
        bytes[1] = (char)(0x80 | (c >> 12 & 0x3F));
        bytes[2] = (char)(0x80 | (c >> 6 & 0x3F));
        bytes[3] = (char)(0x80 | (c & 0x3F));
        n = 4;
    }
    if (size - *length < n)
        return 0;
    memcpy(buffer + *length, bytes, n);
    *length += n;
    return 1;
}

static void add_name_char(xml_reader *reader, uint32_t c) {
    if (!append_utf8(reader->name, XML_NAME_SIZE - 1, &reader->name_length, c))
        fail(reader, XML_TOO_DEEP);
}

static void write_char(xml_reader *reader, uint32_t c) {
    if (reader->pending && reader->written && !put_code_point(&reader->out, reader->pending))
        fail(reader, XML_STOPPED);
    reader->pending = 0;
    if (!put_code_point(&reader->out, c))
        fail(reader, XML_STOPPED);
    reader->written = 1;
}

// A character of text the handler keeps.
static void kept_char(xml_reader *reader, uint32_t c) {
    if (!is_blank(c))
        write_char(reader, c);
    else if (c == '\n' && reader->keep_line_ends)
        xml_line_break(reader);
    else
        xml_separator(reader, ' ');
}

static void text_char(xml_reader *reader, uint32_t c) {
    if (reader->depth == 0) {
        if (!is_blank(c))
            fail(reader, XML_NOT_WELL_FORMED);
        return;
    }
    if (reader->keep_text)
        kept_char(reader, c);
}

static void open_element(xml_reader *reader) {
    if (reader->depth == 0 && reader->root_seen) {
        fail(reader, XML_NOT_WELL_FORMED);
        return;
    }
    if (reader->depth == XML_DEPTH || XML_NAMES_SIZE - reader->names_used < reader->name_length) {
        fail(reader, XML_TOO_DEEP);
        return;
    }
    memcpy(reader->names + reader->names_used, reader->name, reader->name_length);
    reader->names_used += reader->name_length;
    reader->name_ends[reader->depth++] = (uint16_t)reader->names_used;
    reader->root_seen = 1;
    if (!reader->handler->open(reader, reader->name, reader->name_length))
        fail(reader, XML_STOPPED);
}

// Closes the innermost element; with check, only when it bears the name just
// read.
static void close_element(xml_reader *reader, int check) {
    if (reader->depth == 0) {
        fail(reader, XML_NOT_WELL_FORMED);
        return;
    }
    uint32_t end = reader->name_ends[reader->depth - 1];
    uint32_t start = reader->depth > 1 ? reader->name_ends[reader->depth - 2] : 0;
    const char *open_name = reader->names + start;
    if (check && (end - start != reader->name_length ||
                  memcmp(open_name, reader->name, reader->name_length) != 0)) {
        fail(reader, XML_NOT_WELL_FORMED);
        return;
    }
    reader->depth--;
    reader->names_used = start;
    if (!reader->handler->close(reader, open_name, end - start))
        fail(reader, XML_STOPPED);
}

static void end_attribute(xml_reader *reader) {
    if (!reader->handler->attribute(reader, reader->name, reader->name_length, reader->value,
                                    reader->value_length, reader->value_cut))
        fail(reader, XML_STOPPED);
}

static void add_value_char(xml_reader *reader, uint32_t c) {
    if (!reader->value_cut && !append_utf8(reader->value, XML_VALUE_SIZE, &reader->value_length, c))
        reader->value_cut = 1;
}

// The code point of "&#...;" (text after '#'), or 0 for bad syntax.
static uint32_t numeric_reference(const char *digits, uint32_t length) {
    uint32_t base = 10;
    if (length && (digits[0] == 'x' || digits[0] == 'X')) {
        base = 16;
        digits++;
        length--;
    }
    if (length == 0)
        return 0;
    uint32_t value = 0;
    for (uint32_t i = 0; i < length; i++) {
        int digit = hex_digit(digits[i]);
        if (digit < 0 || (uint32_t)digit >= base)
            return 0;
        if (value <= 0x10FFFF)
            value = value * base + (uint32_t)digit;
    }
    // Characters XML does not allow still read as one character.
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return REPLACEMENT;
    return value;
}

static uint32_t named_reference(const char *name, uint32_t length) {
    static const struct {
        const char *name;
        uint32_t code_point;
    } xml_names[] = {{"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto &known : xml_names)
        if (strlen(known.name) == length && memcmp(known.name, name, length) == 0)
            return known.code_point;
    return html_entity(name, length);
}

static void end_reference(xml_reader *reader) {
    const char *text = reader->reference;
    uint32_t length = reader->reference_length;
    uint32_t c = length && text[0] == '#' ? numeric_reference(text + 1, length - 1)
                                          : named_reference(text, length);
    reader->state = reader->return_state;
    if (c == 0) {
        fail(reader, XML_NOT_WELL_FORMED);
    } else if (reader->state == S_VALUE) {
        add_value_char(reader, c);
    } else if (reader->depth == 0) {
        fail(reader, XML_NOT_WELL_FORMED);
    } else if (reader->keep_text) {
        // A written-out blank is a blank like any other.
        if (is_blank(c))
            text_char(reader, c);
        else
            write_char(reader, c);
    }
}

static void take_reference_char(xml_reader *reader, uint32_t c) {
    if (c == ';') {
        end_reference(reader);
        return;
    }
    int fits = reader->reference_length < XML_REFERENCE_SIZE;
    int allowed = c == '#' ? reader->reference_length == 0 : c < 0x80 && is_name_char(c);
    if (!fits || !allowed) {
        fail(reader, XML_NOT_WELL_FORMED);
        return;
    }
    reader->reference[reader->reference_length++] = (char)c;
}

static void start_reference(xml_reader *reader) {
    reader->return_state = reader->state;
    reader->reference_length = 0;
    reader->state = S_REFERENCE;
}

static void expect_word(xml_reader *reader, const char *word, int then) {
    reader->expected = word;
    reader->matched = 0;
    reader->return_state = then;
    reader->state = S_WORD;
}

static void use_single_byte_code_page(xml_reader *reader, int code_page) {
    if (code_page == CODE_PAGE_LATIN1) {
        for (int b = 0; b < 256; b++)
            reader->single_byte[b] = (uint16_t)b;
    } else if (!reader->code_pages || !reader->code_pages(code_page, reader->single_byte)) {
        fail(reader, XML_UNSUPPORTED_ENCODING);
        return;
    }
    reader->encoding = DECODE_SINGLE_BYTE;
}

// The declaration's encoding: a single-byte code page replaces UTF-8 for the
// bytes after it, unless a byte-order mark said UTF-8; UTF-8 and UTF-16 as
// the bytes already showed them stay.
static void end_declaration(xml_reader *reader) {
    const char *text = reader->declaration;
    uint32_t length = reader->declaration_length;
    static const char word[] = "encoding";
    const uint32_t word_length = sizeof word - 1;
    uint32_t at = 0;
    while (at + word_length <= length && memcmp(text + at, word, word_length) != 0)
        at++;
    if (at + word_length > length)
        return;
    at += word_length;
    while (at < length && is_blank((unsigned char)text[at]))
        at++;
    if (at < length && text[at] == '=')
        at++;
    while (at < length && is_blank((unsigned char)text[at]))
        at++;
    if (at == length || (text[at] != '"' && text[at] != '\'')) {
        fail(reader, XML_NOT_WELL_FORMED);
        return;
    }
    char quote = text[at++];
    uint32_t start = at;
    while (at < length && text[at] != quote)
        at++;
    int code_page = encoding_code_page(text + start, at - start);
    if (code_page == 0)
        fail(reader, XML_UNSUPPORTED_ENCODING);
    else if (code_page != CODE_PAGE_UTF8 && code_page != CODE_PAGE_UTF16LE &&
             code_page != CODE_PAGE_UTF16BE && reader->encoding == DECODE_UTF8 && !reader->marked)
        use_single_byte_code_page(reader, code_page);
}

static void take_char(xml_reader *reader, uint32_t c) {
    if (reader->failure != XML_OK)
        return;
    if (reader->characters < 2)
        reader->characters++;
    switch (reader->state) {
    case S_TEXT:
        if (c == '<')
            reader->state = S_TAG_OPEN;
        else if (c == '&')
            start_reference(reader);
        else
            text_char(reader, c);
        break;
    case S_TAG_OPEN:
        reader->name_length = 0;
        if (c == '/') {
            reader->state = S_END_NAME;
        } else if (c == '!') {
            reader->state = S_BANG;
        } else if (c == '?') {
            reader->may_declare = reader->characters == 2;
            reader->state = S_PI_TARGET;
        } else if (is_name_start(c)) {
            add_name_char(reader, c);
            reader->state = S_START_NAME;
        } else {
            fail(reader, XML_NOT_WELL_FORMED);
        }
        break;
    case S_START_NAME:
        if (is_name_char(c)) {
            add_name_char(reader, c);
            break;
        }
        if (!is_blank(c) && c != '/' && c != '>') {
            fail(reader, XML_NOT_WELL_FORMED);
            break;
        }
        open_element(reader);
        reader->state = c == '/' ? S_EMPTY_END : c == '>' ? S_TEXT : S_IN_TAG;
        break;
    case S_IN_TAG:
    case S_AFTER_VALUE:
        if (c == '/') {
            reader->state = S_EMPTY_END;
        } else if (c == '>') {
            reader->state = S_TEXT;
        } else if (is_blank(c)) {
            reader->state = S_IN_TAG;
        } else if (is_name_start(c) && reader->state == S_IN_TAG) {
            reader->name_length = 0;
            add_name_char(reader, c);
            reader->state = S_ATTRIBUTE_NAME;
        } else {
            fail(reader, XML_NOT_WELL_FORMED);
        }
        break;
    case S_ATTRIBUTE_NAME:
        if (is_name_char(c))
            add_name_char(reader, c);
        else if (is_blank(c))
            reader->state = S_BEFORE_EQUALS;
        else if (c == '=')
            reader->state = S_BEFORE_VALUE;
        else
            fail(reader, XML_NOT_WELL_FORMED);
        break;
    case S_BEFORE_EQUALS:
        if (c == '=')
            reader->state = S_BEFORE_VALUE;
        else if (!is_blank(c))
            fail(reader, XML_NOT_WELL_FORMED);
        break;
    case S_BEFORE_VALUE:
        if (c == '"' || c == '\'') {
            reader->quote = (int)c;
            reader->value_length = 0;
            reader->value_cut = 0;
            reader->state = S_VALUE;
        } else if (!is_blank(c)) {
            fail(reader, XML_NOT_WELL_FORMED);
        }
        break;
    case S_VALUE:
        if (c == (uint32_t)reader->quote) {
            end_attribute(reader);
            reader->state = S_AFTER_VALUE;
        } else if (c == '<') {
            fail(reader, XML_NOT_WELL_FORMED);
        } else if (c == '&') {
            start_reference(reader);
        } else {
            add_value_char(reader, is_blank(c) ? ' ' : c);
        }
        break;
    case S_EMPTY_END:
        if (c == '>') {
            close_element(reader, 0);
            reader->state = S_TEXT;
        } else {
            fail(reader, XML_NOT_WELL_FORMED);
        }
        break;
    case S_END_NAME:
        if (reader->name_length ? is_name_char(c) : is_name_start(c)) {
            add_name_char(reader, c);
            break;
        }
        if (reader->name_length == 0 || (!is_blank(c) && c != '>')) {
            fail(reader, XML_NOT_WELL_FORMED);
            break;
        }
        reader->state = S_AFTER_END_NAME;
        if (c != '>')
            break;
        // fall through
    case S_AFTER_END_NAME:
        if (c == '>') {
            close_element(reader, 1);
            reader->state = S_TEXT;
        } else if (!is_blank(c)) {
            fail(reader, XML_NOT_WELL_FORMED);
        }
        break;
    case S_BANG:
        if (c == '-')
            expect_word(reader, "-", S_COMMENT);
        else if (c == '[' && reader->depth > 0)
            expect_word(reader, "CDATA[", S_CDATA);
        else if (c == 'D' && reader->depth == 0 && !reader->root_seen)
            expect_word(reader, "OCTYPE", S_DOCTYPE);
        else
            fail(reader, XML_NOT_WELL_FORMED);
        break;
    case S_WORD:
        if (c != (unsigned char)reader->expected[reader->matched]) {
            fail(reader, XML_NOT_WELL_FORMED);
        } else if (reader->expected[++reader->matched] == 0) {
            reader->state = reader->return_state;
            reader->matched = 0;
            reader->quote = 0;
        }
        break;
    case S_COMMENT:
    case S_SUBSET_COMMENT:
        if (c == '>' && reader->matched >= 2)
            reader->state = reader->state == S_COMMENT ? S_TEXT : S_DOCTYPE_SUBSET;
        reader->matched = c == '-' ? reader->matched + 1 : 0;
        break;
    case S_CDATA:
        if (c == ']') {
            if (reader->matched == 2)
                text_char(reader, ']');
            else
                reader->matched++;
        } else if (c == '>' && reader->matched == 2) {
            reader->state = S_TEXT;
        } else {
            for (; reader->matched; reader->matched--)
                text_char(reader, ']');
            text_char(reader, c);
        }
        break;
    case S_DOCTYPE:
        if (reader->quote) {
            if (c == (uint32_t)reader->quote)
                reader->quote = 0;
        } else if (c == '"' || c == '\'') {
            reader->quote = (int)c;
        } else if (c == '[') {
            reader->state = S_DOCTYPE_SUBSET;
            reader->matched = 0;
        } else if (c == '>') {
            reader->state = S_TEXT;
        }
        break;
    case S_DOCTYPE_SUBSET:
        // Declarations inside may hold quoted '>' and ']', comments stray
        // quotes.
        if (reader->quote) {
            if (c == (uint32_t)reader->quote)
                reader->quote = 0;
        } else if (c == (unsigned char)"<!--"[reader->matched]) {
            if (++reader->matched == 4) {
                reader->matched = 0;
                reader->state = S_SUBSET_COMMENT;
            }
            break;
        } else if (c == '"' || c == '\'') {
            reader->quote = (int)c;
        } else if (c == ']') {
            reader->state = S_DOCTYPE;
        }
        reader->matched = c == '<';
        break;
    case S_PI_TARGET:
        if (is_name_char(c) && (reader->name_length || is_name_start(c))) {
            add_name_char(reader, c);
            break;
        }
        if (reader->name_length == 0 || (!is_blank(c) && c != '?')) {
            fail(reader, XML_NOT_WELL_FORMED);
            break;
        }
        reader->may_declare =
            reader->may_declare && reader->name_length == 3 && memcmp(reader->name, "xml", 3) == 0;
        reader->declaration_length = 0;
        reader->matched = 0;
        reader->state = reader->may_declare ? S_DECLARATION : S_PI;
        if (c != '?')
            break;
        // fall through
    case S_PI:
    case S_DECLARATION:
        if (c == '>' && reader->matched) {
            if (reader->state == S_DECLARATION)
                end_declaration(reader);
            reader->state = S_TEXT;
            break;
        }
        reader->matched = c == '?';
        if (reader->state == S_DECLARATION && !reader->matched &&
            !append_utf8(reader->declaration, XML_DECLARATION_SIZE - 1, &reader->declaration_length,
                         c))
            fail(reader, XML_TOO_DEEP);
        break;
    case S_REFERENCE: take_reference_char(reader, c); break;
    }
}

// Decides the encoding from the first bytes held: a byte-order mark, or
// UTF-16 by the zero byte beside the first '<'; UTF-8 otherwise, which the
// declaration may still change. Then reads the bytes held.
static void decide_encoding(xml_reader *reader) {
    uint32_t mark_length;
    int mark = byte_order_mark(reader->first, reader->first_count, &mark_length);
    reader->marked = mark != TEXT_NO_MARK;
    reader->encoding = mark == TEXT_UTF16LE   ? DECODE_UTF16LE
                       : mark == TEXT_UTF16BE ? DECODE_UTF16BE
                                              : DECODE_UTF8;
    if (!reader->marked && reader->first_count >= 2) {
        if (reader->first[0] && !reader->first[1])
            reader->encoding = DECODE_UTF16LE;
        else if (!reader->first[0] && reader->first[1])
            reader->encoding = DECODE_UTF16BE;
    }
}

static void take_utf16_unit(xml_reader *reader, uint32_t unit) {
    uint32_t code_points[2];
    uint32_t n = pair_utf16_unit(&reader->high_surrogate, unit, code_points);
    for (uint32_t k = 0; k < n; k++)
        take_char(reader, code_points[k]);
}

// ASCII that text shows as it stands: neither blank nor '<' nor '&'.
static int is_plain_ascii(uint32_t b) {
    return b > ' ' && b < 0x80 && b != '<' && b != '&';
}

// The length of the character at bytes that text shows as it stands (ASCII
// other than blanks, '<' and '&', or a whole two- or three-byte sequence),
// its code point in *c; 0 when it needs the state machine.
static uint32_t plain_char(const unsigned char *bytes, uint32_t count, uint32_t *c) {
    *c = bytes[0];
    if (*c < 0x80)
        return is_plain_ascii(*c);
    return whole_utf8_sequence(bytes, count, c);
}

// 0x80 in each byte of v that is zero, nothing elsewhere.
static uint64_t zero_bytes(uint64_t v) {
    const uint64_t low_bits = 0x7F7F7F7F7F7F7F7Full;
    return ~(((v & low_bits) + low_bits) | v | low_bits);
}

// Whether eight bytes are plain ASCII and spaces, no two spaces side by side.
static int is_plain_word(uint64_t word) {
    const uint64_t ones = 0x0101010101010101ull, high_bits = ones * 0x80;
    uint64_t spaces = zero_bytes(word ^ ones * ' ');
    return (word & high_bits) == 0 && ((word + ones * 0x60) & high_bits) == high_bits &&
           (zero_bytes(word ^ ones * '<') | zero_bytes(word ^ ones * '&')) == 0 &&
           (spaces & spaces << 8) == 0;
}

// After a character written, the plain characters that follow it go straight
// to the output, and so does a single space between two of them: nothing
// between them owes a separator. Returns where it stopped.
static uint32_t copy_plain_text(xml_reader *reader, const unsigned char *bytes, uint32_t at,
                                uint32_t count) {
    unit_output *out = &reader->out;
    uint32_t used = out->count; // kept here, not in memory, over the loop
    while (at < count) {
        // Eight bytes at a time while they hold plain ASCII and single spaces,
        // a space at their end followed by plain ASCII too (a space at their
        // start follows a character written). Each unit still has the room
        // put_code_point would ask.
        while (count - at >= 8 && used + 9 <= UNIT_BUFFER_SIZE) {
            uint64_t word;
            memcpy(&word, bytes + at, 8);
            if (!is_plain_word(word) ||
                (bytes[at + 7] == ' ' && (count - at < 9 || !is_plain_ascii(bytes[at + 8]))))
                break;
            for (uint32_t k = 0; k < 8; k++)
                out->units[used + k] = bytes[at + k];
            used += 8;
            at += 8;
        }
        if (at == count)
            break;
        uint32_t c, n = plain_char(bytes + at, count - at, &c);
        if (!n && bytes[at] == ' ' && count - at > 1 &&
            plain_char(bytes + at + 1, count - at - 1, &c)) {
            c = ' ';
            n = 1;
        }
        if (!n)
            break;
        // Flushed where put_code_point would flush.
        if (used + 2 > UNIT_BUFFER_SIZE) {
            out->count = used;
            if (!flush_units(out)) {
                fail(reader, XML_STOPPED);
                return at;
            }
            used = 0;
        }
        out->units[used++] = (uint16_t)c;
        at += n;
    }
    out->count = used;
    return at;
}

// Text inside the root, the bulk of a book, read straight from UTF-8 bytes
// without a step of the state machine a character. Stops at mark-up, a
// reference or a byte the decoder must look at; returns where.
static uint32_t take_plain_text(xml_reader *reader, const unsigned char *bytes, uint32_t at,
                                uint32_t count) {
    while (at < count && reader->failure == XML_OK) {
        uint32_t c, n = plain_char(bytes + at, count - at, &c);
        if (!n && !is_blank(c))
            break;
        at += n ? n : 1;
        if (!reader->keep_text)
            continue;
        kept_char(reader, c);
        if (n && reader->failure == XML_OK)
            at = copy_plain_text(reader, bytes, at, count);
    }
    return at;
}

// The ASCII name characters of the tag or attribute name being read, added
// in one go.
static uint32_t take_name_run(xml_reader *reader, const unsigned char *bytes, uint32_t at,
                              uint32_t count) {
    uint32_t end = at;
    while (end < count && bytes[end] < 0x80 && is_name_char(bytes[end]))
        end++;
    if (end - at > XML_NAME_SIZE - 1 - reader->name_length) {
        fail(reader, XML_TOO_DEEP);
        return end;
    }
    memcpy(reader->name + reader->name_length, bytes + at, end - at);
    reader->name_length += end - at;
    return end;
}

// The ASCII of an attribute value up to its quote, a reference or '<', added
// in one go; past XML_VALUE_SIZE the value is cut.
static uint32_t take_value_run(xml_reader *reader, const unsigned char *bytes, uint32_t at,
                               uint32_t count) {
    uint32_t end = at;
    while (end < count && bytes[end] < 0x80 && bytes[end] != reader->quote && bytes[end] != '<' &&
           bytes[end] != '&')
        end++;
    if (reader->value_cut)
        return end;
    uint32_t room = XML_VALUE_SIZE - reader->value_length;
    uint32_t n = end - at < room ? end - at : room;
    for (uint32_t k = 0; k < n; k++)
        reader->value[reader->value_length + k] =
            is_blank(bytes[at + k]) ? ' ' : (char)bytes[at + k];
    reader->value_length += n;
    reader->value_cut = end - at > room;
    return end;
}

// Where the state takes runs of characters at once: text inside the root,
// names after their first character, and attribute values. Returns where the
// run stopped.
static uint32_t take_run(xml_reader *reader, const unsigned char *bytes, uint32_t at,
                         uint32_t count) {
    switch (reader->state) {
    case S_TEXT: return reader->depth > 0 ? take_plain_text(reader, bytes, at, count) : at;
    case S_START_NAME:
    case S_ATTRIBUTE_NAME:
    case S_END_NAME: return reader->name_length > 0 ? take_name_run(reader, bytes, at, count) : at;
    case S_VALUE: return take_value_run(reader, bytes, at, count);
    default: return at;
    }
}

// Returns where it stopped: at the end, a failure, or where the declaration
// switched to a single-byte code page.
static uint32_t decode_utf8(xml_reader *reader, const unsigned char *bytes, uint32_t count) {
    uint32_t i = 0;
    while (i < count && reader->failure == XML_OK && reader->encoding == DECODE_UTF8) {
        uint32_t code_points[2], n = 0;
        if (reader->utf8.need == 0) {
            i = take_run(reader, bytes, i, count);
            if (i == count || reader->failure != XML_OK)
                break;
            code_points[0] = bytes[i];
            n = code_points[0] < 0x80 ? 1 : whole_utf8_sequence(bytes + i, count - i, code_points);
        }
        if (n) {
            i += n;
            take_char(reader, code_points[0]);
            continue;
        }
        n = take_utf8_byte(&reader->utf8, bytes[i++], code_points);
        for (uint32_t k = 0; k < n; k++)
            take_char(reader, code_points[k]);
    }
    return i;
}

// Text inside the root in a single-byte code page, a byte a character,
// without a step of the state machine each. Returns where it stopped.
static uint32_t take_single_byte_text(xml_reader *reader, const unsigned char *bytes, uint32_t at,
                                      uint32_t count) {
    while (at < count && reader->failure == XML_OK) {
        uint32_t c = reader->single_byte[bytes[at]];
        if (c == '<' || c == '&')
            break;
        at++;
        if (reader->keep_text)
            kept_char(reader, c);
    }
    return at;
}

static void decode_bytes(xml_reader *reader, const unsigned char *bytes, uint32_t count) {
    uint32_t i = reader->encoding == DECODE_UTF8 ? decode_utf8(reader, bytes, count) : 0;
    for (; i < count && reader->failure == XML_OK; i++) {
        if (reader->encoding == DECODE_SINGLE_BYTE && reader->state == S_TEXT &&
            reader->depth > 0) {
            i = take_single_byte_text(reader, bytes, i, count);
            if (i == count)
                break;
        }
        unsigned char b = bytes[i];
        if (reader->encoding == DECODE_SINGLE_BYTE) {
            take_char(reader, reader->single_byte[b]);
        } else if (!reader->have_byte) {
            reader->byte = b;
            reader->have_byte = 1;
        } else {
            reader->have_byte = 0;
            take_utf16_unit(reader,
                            utf16_unit(reader->encoding == DECODE_UTF16BE, reader->byte, b));
        }
    }
}

static void read_first_bytes(xml_reader *reader) {
    decide_encoding(reader);
    uint32_t mark_length;
    byte_order_mark(reader->first, reader->first_count, &mark_length);
    decode_bytes(reader, reader->first + mark_length, reader->first_count - mark_length);
}

int feed_xml_reader(xml_reader *reader, const unsigned char *bytes, uint32_t count) {
    if (reader->failure != XML_OK)
        return reader->failure;
    uint32_t i = 0;
    if (reader->encoding == UNDECIDED) {
        while (i < count && reader->first_count < sizeof reader->first)
            reader->first[reader->first_count++] = bytes[i++];
        if (reader->first_count < sizeof reader->first)
            return XML_OK;
        read_first_bytes(reader);
    }
    decode_bytes(reader, bytes + i, count - i);
    return reader->failure;
}

int finish_xml_reader(xml_reader *reader) {
    if (reader->failure == XML_OK && reader->encoding == UNDECIDED)
        read_first_bytes(reader);
    if (reader->utf8.need || reader->have_byte || reader->high_surrogate) {
        reader->utf8.need = 0;
        reader->have_byte = 0;
        reader->high_surrogate = 0;
        if (reader->failure == XML_OK)
            take_char(reader, REPLACEMENT);
    }
    if (reader->failure == XML_OK &&
        (!reader->root_seen || reader->depth || reader->state != S_TEXT))
        fail(reader, XML_NOT_WELL_FORMED);
    if (reader->failure == XML_OK && !flush_units(&reader->out))
        fail(reader, XML_STOPPED);
    return reader->failure;
}
