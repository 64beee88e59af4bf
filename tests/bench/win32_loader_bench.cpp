// How long each loader takes against reading the same file raw, on generated
// files of 10 MB and 100 MB in /tmp, with the file in the system's cache.
// Raw reading: a block of the file's size, one ReadFile of the whole file,
// the block freed. Loading: the Open command's reset of the Document and the
// loader. Runs alternate; the medians and their ratio are printed.
//
// "memory K load" writes a 100 MB file of kind K (0 text, 1 HTML, 2 Word) and
// loads it once; "memory K" only writes it. The peak resident size of the two
// runs, as the system counts it from outside, differ by what loading takes
// (Wine's own counters leave out its large blocks).
#include "bench_program.h"

#include "document/document.h"
#include "document/file_loaders.h"
#include "document/open_file.h"
#include "formats/file_kind.h"

#include <stdlib.h>

// A file's head, then its line repeated to the size asked.
struct file_kind {
    const char *name, *limit;
    std::string head, line;
    int kind; // formats/file_kind.h
};

static void write_file(const std::string &path, const file_kind &kind, DWORD size) {
    std::string lines;
    while (lines.size() < (1u << 20))
        lines += kind.line;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    WriteFile(file, kind.head.data(), kind.head.size(), &written, NULL);
    for (DWORD total = written; total < size; total += written)
        WriteFile(file, lines.data(), std::min<DWORD>(lines.size(), size - total), &written, NULL);
    CloseHandle(file);
    lstrcpynA(file_path, path.c_str(), sizeof file_path);
    file_size = size;
}

// Each returns -1 when it did not get the whole file, which the medians show.
static double raw_read_ms(DWORD size) {
    double start = now_ms();
    HANDLE file = CreateFileA(file_path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size + 1);
    DWORD got = 0;
    ReadFile(file, GlobalLock(block), size, &got, NULL);
    GlobalUnlock(block);
    GlobalFree(block);
    CloseHandle(file);
    return got == size ? now_ms() - start : -1;
}

static double load_ms(const file_kind &kind) {
    double start = now_ms();
    reset_document();
    load_file_of_kind(kind.kind, file_path, file_size);
    return document.text_length == file_size ? now_ms() - start : -1;
}

int main(int argc, char **argv) {
    // Text with CR LF line ends; a page's paragraph with tags, attributes and
    // an entity; a Word 6 header at byte 512, then paragraphs ending in a bare
    // CR with the control bytes that fields and cells leave.
    const file_kind kinds[] = {
        {"text", "1.3", "", "The quick brown fox jumps over the lazy dog, again and again; 42.\r\n",
         FILE_PLAIN_TEXT},
        {"HTML", "2", "<html><head><title>bench</title></head><body>\r\n",
         "<p class=\"body\">The quick <b>brown</b> fox jumps &amp; over the <a "
         "href=\"x.htm\">lazy dog</a>.</p>\r\n",
         FILE_HTML},
        {"Word 6", "2", std::string(512, '\0') + "\xDC\xA5" + std::string(766, '\x01'),
         "The quick brown fox jumps over the lazy\xA0"
         "dog\x13 field\x15 cell\x07.\r",
         FILE_WORD},
    };
    std::string path = "Z:\\tmp\\tavrin-bench-" + std::to_string(GetCurrentProcessId());
    reset_document();
    if (argc >= 3 && strcmp(argv[1], "memory") == 0) {
        write_file(path, kinds[atoi(argv[2]) % 3], 100u << 20);
        if (argc >= 4)
            load_ms(kinds[atoi(argv[2]) % 3]);
    } else {
        printf("%-7s %7s %5s %12s %12s %7s %7s\n", "kind", "size", "runs", "raw read ms", "load ms",
               "ratio", "limit");
        for (DWORD megabytes : {10u, 100u})
            for (const file_kind &kind : kinds) {
                int runs = megabytes == 10 ? 11 : 7;
                write_file(path, kind, megabytes << 20);
                // Once each untimed, so that both find the file cached.
                raw_read_ms(file_size);
                load_ms(kind);
                std::vector<double> raw, load;
                for (int i = 0; i < runs; i++) {
                    raw.push_back(raw_read_ms(file_size));
                    load.push_back(load_ms(kind));
                }
                reset_document();
                double r = median(raw), l = median(load);
                printf("%-7s %4lu MB %5d %12.1f %12.1f %7.2f %7s\n", kind.name, megabytes, runs, r,
                       l, l / r, kind.limit);
            }
    }
    DeleteFileA(path.c_str());
    return 0;
}
