#include "formats/xml_text.h"

#include <string.h>

// What an element does to the text, by its name without its prefix.
enum {
    READ = 1,  // its text is read (unless inside a DROP)
    DROP = 2,  // its text is left out
    BLOCK = 4, // a line break before and after it
    BREAK = 8, // a line break where it stands
    TAB = 16,  // a tab where it stands
    PRE = 32,  // its line ends are kept
};

struct element_role {
    const char *name;
    int role;
};

static const element_role xhtml_roles[] = {
    {"body", READ},        {"head", DROP},     {"script", DROP},   {"style", DROP},
    {"template", DROP},    {"br", BREAK},      {"hr", BREAK},      {"pre", BLOCK | PRE},
    {"p", BLOCK},          {"div", BLOCK},     {"h1", BLOCK},      {"h2", BLOCK},
    {"h3", BLOCK},         {"h4", BLOCK},      {"h5", BLOCK},      {"h6", BLOCK},
    {"li", BLOCK},         {"ul", BLOCK},      {"ol", BLOCK},      {"dl", BLOCK},
    {"dt", BLOCK},         {"dd", BLOCK},      {"td", BLOCK},      {"th", BLOCK},
    {"tr", BLOCK},         {"table", BLOCK},   {"caption", BLOCK}, {"blockquote", BLOCK},
    {"section", BLOCK},    {"article", BLOCK}, {"aside", BLOCK},   {"header", BLOCK},
    {"footer", BLOCK},     {"nav", BLOCK},     {"main", BLOCK},    {"figure", BLOCK},
    {"figcaption", BLOCK}, {"address", BLOCK}, {"hgroup", BLOCK},  {"details", BLOCK},
    {"summary", BLOCK},
};

static const element_role fb2_roles[] = {
    {"body", READ},    {"binary", DROP},      {"description", DROP},  {"empty-line", BREAK},
    {"p", BLOCK},      {"title", BLOCK},      {"subtitle", BLOCK},    {"v", BLOCK},
    {"stanza", BLOCK}, {"epigraph", BLOCK},   {"text-author", BLOCK}, {"td", BLOCK},
    {"th", BLOCK},     {"tr", BLOCK},         {"section", BLOCK},     {"poem", BLOCK},
    {"cite", BLOCK},   {"annotation", BLOCK}, {"date", BLOCK},
};

// A w:tab among the paragraph's properties is a tab stop, not a tab; it comes
// first in the paragraph, where the paragraph's line break outranks it. The
// fallback of alternative content repeats what its choice holds.
static const element_role docx_roles[] = {
    {"t", READ},   {"p", BLOCK},  {"tc", BLOCK},      {"tab", TAB},
    {"br", BREAK}, {"cr", BREAK}, {"Fallback", DROP},
};

static int role_of(const xml_text_state *state, const char *name, uint32_t length) {
    // The prefix (w:, fb:, html:) is not looked at.
    for (uint32_t i = length; i > 0; i--)
        if (name[i - 1] == ':') {
            name += i;
            length -= i;
            break;
        }
    if (length == 0)
        return 0;
    const element_role *roles = xhtml_roles;
    uint32_t count = sizeof xhtml_roles / sizeof xhtml_roles[0];
    if (state->profile == XML_TEXT_FB2) {
        roles = fb2_roles;
        count = sizeof fb2_roles / sizeof fb2_roles[0];
    } else if (state->profile == XML_TEXT_DOCX) {
        roles = docx_roles;
        count = sizeof docx_roles / sizeof docx_roles[0];
    }
    for (uint32_t i = 0; i < count; i++)
        if (roles[i].name[0] == name[0] && strncmp(roles[i].name, name, length) == 0 &&
            roles[i].name[length] == 0)
            return roles[i].role;
    return 0;
}

static void set_text_switches(xml_text_state *state) {
    state->reader.keep_text = state->read_depth > 0 && state->drop_depth == 0;
    state->reader.keep_line_ends = state->pre_depth > 0;
}

// Counts the element in or out of the depths its role keeps.
static void count_element(xml_text_state *state, int role, uint32_t step) {
    if (role & READ)
        state->read_depth += step;
    if (role & DROP)
        state->drop_depth += step;
    if (role & PRE)
        state->pre_depth += step;
    set_text_switches(state);
}

static int open_text_element(xml_reader *reader, const char *name, uint32_t length) {
    xml_text_state *state = (xml_text_state *)reader->context;
    int role = role_of(state, name, length);
    if (!role)
        return 1;
    if (state->drop_depth == 0) {
        if (role & (BLOCK | BREAK))
            xml_line_break(reader);
        if (role & TAB)
            xml_separator(reader, '\t');
    }
    count_element(state, role, 1);
    return 1;
}

static int close_text_element(xml_reader *reader, const char *name, uint32_t length) {
    xml_text_state *state = (xml_text_state *)reader->context;
    int role = role_of(state, name, length);
    if (!role)
        return 1;
    count_element(state, role, (uint32_t)-1);
    if (state->drop_depth == 0 && (role & BLOCK))
        xml_line_break(reader);
    return 1;
}

static int ignore_attribute(xml_reader *, const char *, uint32_t, const char *, uint32_t, int) {
    return 1;
}

static const xml_handler text_handler = {open_text_element, ignore_attribute, close_text_element};

static void begin_depths(xml_text_state *state) {
    state->read_depth = 0;
    state->drop_depth = 0;
    state->pre_depth = 0;
}

void begin_xml_text(xml_text_state *state, int profile, code_page_table code_pages, unit_sink sink,
                    void *sink_context) {
    state->profile = profile;
    begin_depths(state);
    begin_xml_reader(&state->reader, &text_handler, state, code_pages, sink, sink_context);
}

void next_xml_text_document(xml_text_state *state) {
    begin_depths(state);
    next_xml_document(&state->reader);
}

int feed_xml_text(xml_text_state *state, const unsigned char *bytes, uint32_t count) {
    return feed_xml_reader(&state->reader, bytes, count);
}

int finish_xml_text(xml_text_state *state) {
    return finish_xml_reader(&state->reader);
}
