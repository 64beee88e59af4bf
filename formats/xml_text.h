// The text of a book's XML, in reading order: an EPUB chapter (XHTML), an FB2
// book or the body of a DOCX document. Paragraphs, headings, list items and
// table cells end in a line break (LF); blanks collapse to one; text in
// scripts, styles, the head, an FB2's description and binaries, and Word's
// deleted and field-code text is left out.
// Refuses what xml_reader refuses.
#pragma once
#include "formats/xml_reader.h"

enum { XML_TEXT_XHTML, XML_TEXT_FB2, XML_TEXT_DOCX };

struct xml_text_state {
    xml_reader reader;
    int profile;
    uint32_t read_depth; // open elements whose text is read: body, or Word's w:t
    uint32_t drop_depth; // open elements whose text is left out
    uint32_t pre_depth;  // open elements whose line ends are kept
};

void begin_xml_text(xml_text_state *state, int profile, code_page_table code_pages, unit_sink sink,
                    void *sink_context);
// Another document (the next chapter) whose text follows on a new line.
void next_xml_text_document(xml_text_state *state);
// XML_OK to go on, or an xml_reader failure.
int feed_xml_text(xml_text_state *state, const unsigned char *bytes, uint32_t count);
int finish_xml_text(xml_text_state *state);
