// Whole books from any bytes, as each kind the file-kind step may give: the
// answer is one of the book codes, a sink that asks to stop stops the reading,
// and nothing reads outside the bytes (the sanitizers watch that). The first
// byte chooses the kind.
#include "formats/book_package.h"
#include "formats/file_kind.h"
#include "tests/fuzz/fuzz_text_checks.h"

static const int kinds[] = {FILE_EPUB, FILE_DOCX, FILE_FB2_ZIP, FILE_FB2};

// About 650 KiB: one for the process.
static book_reader book;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    if (size == 0)
        return 0;
    int kind = kinds[data[0] % 4];
    data++, size--;
    // Enough for any seed's text; a bomb's text is cut off here by the sink.
    kept_units kept = {std::u16string(), 1 << 20};
    int result = read_book_text(&book, kind, data, size, test_code_page_table, keep_units, &kept);
    if (result < BOOK_OK || result > BOOK_STOPPED)
        abort();
    if (kept.units.size() > kept.limit && result != BOOK_STOPPED)
        abort();
    return 0;
}
