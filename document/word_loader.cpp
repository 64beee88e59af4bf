// Word documents: the text part after the document's header, converted
// through a buffer of its own.
#include "document/file_loaders.h"
#include "formats/word_text.h"

enum { WORD_READ_BUFFER = 1 << 16 };

// The text grows by a byte at every paragraph mark, so it cannot be converted
// in place.
uint32_t fill_word_text(HANDLE file, unsigned char *text, uint32_t length) {
    static unsigned char buffer[WORD_READ_BUFFER];
    word_text_state word;
    begin_word_text(&word, length);
    uint32_t k = 0;
    while (k < length) {
        uint32_t want = length - k < sizeof buffer ? length - k : (uint32_t)sizeof buffer;
        uint32_t got = read_chunk(file, buffer, want);
        if (got == 0)
            break;
        convert_word_block(&word, buffer, got, text);
        k += got;
    }
    finish_word_text(&word, text);
    return length;
}
