// Throughput of the conversions the loaders run, on 100 MB in memory fed in
// the loaders' quarter-megabyte blocks: the mark-up removal and the Word
// conversion, each into a text of the same length, and memcpy of the same
// bytes for scale. Medians of 7 runs.
#include "formats/html_text.h"
#include "formats/word_text.h"

#include <algorithm>
#include <chrono>
#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>

enum { SIZE = 100 << 20, BLOCK = 1 << 18, RUNS = 7 };

// The head, then the line repeated to SIZE.
static std::string filled(std::string bytes, const std::string &line) {
    while (bytes.size() < SIZE)
        bytes += line;
    bytes.resize(SIZE);
    return bytes;
}

template <typename Run> static void report(const char *name, Run run) {
    std::vector<double> ms;
    for (int i = 0; i < RUNS; i++) {
        auto start = std::chrono::steady_clock::now();
        run();
        std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        ms.push_back(took.count());
    }
    std::sort(ms.begin(), ms.end());
    printf("%-34s %8.1f ms %8.0f MB/s\n", name, ms[RUNS / 2],
           SIZE / 1048576.0 / ms[RUNS / 2] * 1000);
}

int main() {
    const std::string page =
        filled("<html><body>\r\n", "<p class=\"body\">The quick <b>brown</b> fox jumps &amp; over "
                                   "the <a href=\"x.htm\">lazy dog</a>.</p>\r\n");
    const std::string word = filled(std::string(512, 'h') + "\xDC\xA5" + std::string(766, '\x01'),
                                    "The quick brown fox jumps over the lazy\xA0"
                                    "dog\x13 field\x15 cell\x07.\r");
    std::vector<unsigned char> text(SIZE + 1);
    report("memcpy (for scale)", [&] { memcpy(text.data(), page.data(), SIZE); });
    report("HTML mark-up removal", [&] {
        html_text_state state;
        begin_html_text(&state);
        for (uint32_t at = 0; at < SIZE; at += BLOCK)
            strip_html_block(&state, (const unsigned char *)&page[at], &text[at], BLOCK);
    });
    report("Word conversion", [&] {
        word_text_state state;
        begin_word_text(&state, SIZE);
        for (uint32_t at = 0; at < SIZE; at += BLOCK)
            convert_word_block(&state, (const unsigned char *)&word[at], BLOCK, text.data());
        finish_word_text(&state, text.data());
    });
}
