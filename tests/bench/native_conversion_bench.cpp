// Throughput of the conversions the loaders run, on 100 MB in memory fed in
// the loaders' quarter-megabyte blocks: the mark-up removal and the Word
// conversion, each into a text of the same length, and memcpy of the same
// bytes for scale. Medians of 7 runs.
#include "document/html_text.h"
#include "document/word_text.h"

#include <algorithm>
#include <chrono>
#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>

enum { SIZE = 100 << 20, BLOCK = 1 << 18, RUNS = 7 };

static std::string filled(const std::string &head, const std::string &piece) {
    std::string bytes = head;
    while (bytes.size() < SIZE)
        bytes += piece;
    bytes.resize(SIZE);
    return bytes;
}

static std::string repeated(const std::string &line, int times) {
    std::string s;
    for (int i = 0; i < times; i++)
        s += line;
    return s;
}

template <typename Run> static void report(const char *name, Run run) {
    std::vector<double> ms;
    for (int i = 0; i < RUNS; i++) {
        auto start = std::chrono::steady_clock::now();
        run();
        auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(ms.begin(), ms.end());
    double median = ms[RUNS / 2];
    printf("%-34s %8.1f ms %8.0f MB/s\n", name, median, SIZE / 1048576.0 / (median / 1000));
}

int main() {
    const std::string page =
        filled("<html><body>\r\n",
               repeated("<p class=\"body\">The quick <b>brown</b> fox jumps &amp; over the <a "
                        "href=\"x.htm\">lazy dog</a>.</p>\r\n",
                        40));
    const std::string word = filled(std::string(512, 'h') + "\xDC\xA5" + std::string(766, '\x01'),
                                    repeated("The quick brown fox jumps over the lazy\xA0"
                                             "dog\x13 field\x15 cell\x07.\r",
                                             40));
    std::vector<unsigned char> text(SIZE + 1);

    report("memcpy (for scale)", [&] { memcpy(text.data(), page.data(), SIZE); });
    report("HTML mark-up removal", [&] {
        html_text_state state;
        begin_html_text(&state);
        for (uint32_t at = 0; at < SIZE; at += BLOCK)
            strip_html_block(&state, (const unsigned char *)page.data() + at, text.data() + at,
                             BLOCK);
    });
    report("Word conversion", [&] {
        word_text_state state;
        begin_word_text(&state, SIZE);
        for (uint32_t at = 0; at < SIZE; at += BLOCK)
            convert_word_block(&state, (const unsigned char *)word.data() + at, BLOCK, text.data());
        finish_word_text(&state, text.data());
    });
    return 0;
}
