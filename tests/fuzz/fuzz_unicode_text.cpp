// UTF-8 and UTF-16 decoding on any bytes, in chunks the first byte chooses:
// chunked and whole decoding give the same units; a text the UTF-8 check
// accepts decodes without U+FFFD it did not hold and encodes back to its own
// bytes; the head check never refuses what the whole check accepts.
#include "formats/unicode_text.h"
#include "tests/fuzz/fuzz_text_checks.h"

static std::u16string decoded(int encoding, const unsigned char *data, size_t size, size_t chunk) {
    kept_units kept = {std::u16string(), (size_t)-1};
    text_decoder decoder;
    begin_text_decoder(&decoder, encoding, keep_units, &kept);
    if (feed_in_chunks(data, size, chunk, 1,
                       [&](const unsigned char *bytes, uint32_t count) {
                           return feed_text_decoder(&decoder, bytes, count);
                       }) != 1 ||
        !finish_text_decoder(&decoder))
        abort();
    return kept.units;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    if (size == 0)
        return 0;
    size_t chunk = data[0] % 17 + 1;
    data++, size--;

    for (int encoding = TEXT_UTF8; encoding <= TEXT_UTF16BE; encoding++)
        if (decoded(encoding, data, size, chunk) != decoded(encoding, data, size, size + 1))
            abort();

    utf8_check whole, chunked;
    begin_utf8_check(&whole);
    feed_utf8_check(&whole, data, (uint32_t)size);
    begin_utf8_check(&chunked);
    feed_in_chunks(data, size, chunk, 1, [&](const unsigned char *bytes, uint32_t count) {
        feed_utf8_check(&chunked, bytes, count);
        return 1;
    });
    int valid = finish_utf8_check(&whole);
    if (valid != finish_utf8_check(&chunked))
        abort();
    if (valid) {
        if (!head_may_be_utf8(data, (uint32_t)std::min<size_t>(size, 249)))
            abort();
        uint32_t mark = 0;
        int marked = byte_order_mark(data, (uint32_t)size, &mark) == TEXT_UTF8;
        std::string text = utf8_of(decoded(TEXT_UTF8, data, size, chunk));
        std::string original((const char *)data + (marked ? 3 : 0), size - (marked ? 3 : 0));
        if (text != original)
            abort();
    }
    uint32_t mark_length = 0;
    byte_order_mark(data, (uint32_t)size, &mark_length);
    if (mark_length > size)
        abort();
    return 0;
}
