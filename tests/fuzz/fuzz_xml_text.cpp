// The XML-to-text step on any bytes, as an EPUB chapter, an FB2 book or a
// DOCX body (the first byte chooses which, and the chunk size): fed in chunks
// it gives the same answer and the same text as fed whole, and a sink that
// asks to stop is never called again.
#include "formats/xml_text.h"
#include "tests/fuzz/fuzz_text_checks.h"

// The reader holds about 40 KiB: one for the process.
static xml_text_state state;

static int text_of(int profile, const unsigned char *data, size_t size, size_t chunk,
                   kept_units *kept) {
    begin_xml_text(&state, profile, test_code_page_table, keep_units, kept);
    int result =
        feed_in_chunks(data, size, chunk, XML_OK, [&](const unsigned char *bytes, uint32_t count) {
            return feed_xml_text(&state, bytes, count);
        });
    if (result == XML_OK)
        result = finish_xml_text(&state);
    if (result < XML_OK || result > XML_STOPPED)
        abort();
    return result;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    if (size == 0)
        return 0;
    int profile = data[0] % 3;
    size_t chunk = data[0] / 3 % 31 + 1;
    data++, size--;

    kept_units whole = {std::u16string(), (size_t)-1}, chunked = whole;
    int whole_result = text_of(profile, data, size, size + 1, &whole);
    int chunked_result = text_of(profile, data, size, chunk, &chunked);
    // A refusal may come with some text still held back, so only whole texts compare.
    if (whole_result != chunked_result || (whole_result == XML_OK && whole.units != chunked.units))
        abort();

    // A sink that stops after a few units stops the reading there.
    kept_units short_sink = {std::u16string(), 16};
    int stopped = text_of(profile, data, size, chunk, &short_sink);
    if (short_sink.units.size() > 16 + 65536 ||
        (short_sink.units.size() > 16 && stopped != XML_STOPPED))
        abort();
    return 0;
}
