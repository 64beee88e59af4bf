// How long each loader takes against reading the same file raw, on generated
// files of 10 MB and 100 MB in /tmp, with the file in the system's cache.
// Raw reading: a block of the file's size, one ReadFile of the whole file,
// the block freed. Loading: the Open command's reset of the Document and the
// loader. Runs alternate; the medians and their ratio are printed.
#include <windows.h>

#include "document/document.h"
#include "document/document_block.h"
#include "document/open_file.h"

#include <algorithm>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

static double now_ms() {
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return count.QuadPart * 1000.0 / frequency.QuadPart;
}

static double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A line of each kind: text with CR LF line ends; a page's paragraph with
// tags, attributes and an entity; Word paragraphs ending in a bare CR, with
// the control bytes that fields and cells leave.
static std::string line_of(int kind) {
    if (kind == 1)
        return "<p class=\"body\">The quick <b>brown</b> fox jumps &amp; over the <a "
               "href=\"x.htm\">lazy dog</a>.</p>\r\n";
    if (kind == 2)
        return "The quick brown fox jumps over the lazy\xA0"
               "dog\x13 field\x15 cell\x07.\r";
    return "The quick brown fox jumps over the lazy dog, again and again; 42.\r\n";
}

static std::string file_head(int kind) {
    if (kind == 1)
        return "<html><head><title>bench</title></head><body>\r\n";
    if (kind == 2) {
        std::string head("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
        head += std::string(512 - head.size(), '\0');
        head += "\xDC\xA5";
        return head + std::string(766, '\x01');
    }
    return "";
}

static void write_file(const std::string &path, int kind, DWORD size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    std::string head = file_head(kind);
    DWORD written = 0, total = 0;
    WriteFile(file, head.data(), head.size(), &written, NULL);
    total += written;
    std::string chunk;
    while (chunk.size() < (1u << 20))
        chunk += line_of(kind);
    while (total < size) {
        DWORD n = std::min<DWORD>(chunk.size(), size - total);
        WriteFile(file, chunk.data(), n, &written, NULL);
        total += written;
    }
    CloseHandle(file);
}

static double raw_read_ms(const std::string &path, DWORD size) {
    double start = now_ms();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size + 1);
    void *bytes = GlobalLock(block);
    DWORD got = 0;
    ReadFile(file, bytes, size, &got, NULL);
    GlobalUnlock(block);
    GlobalFree(block);
    CloseHandle(file);
    double took = now_ms() - start;
    if (got != size)
        printf("raw read got %lu of %lu bytes\n", got, size);
    return took;
}

static double load_ms(int kind, DWORD size) {
    double start = now_ms();
    reset_document();
    if (kind == 0)
        load_text_file();
    else if (kind == 1)
        load_html_file();
    else
        load_word_file();
    double took = now_ms() - start;
    if (document.text_length != size)
        printf("loaded %lu of %lu bytes\n", (unsigned long)document.text_length, size);
    return took;
}

// "memory K load" writes a 100 MB file of kind K (0 text, 1 HTML, 2 Word)
// and loads it once; "memory K" only writes it. The peak resident size of the
// two runs, as the system counts it from outside, differ by what loading
// takes (Wine's own counters leave out its large blocks).
static int measure_memory(const std::string &folder, int kind, int load) {
    DWORD size = 100u << 20;
    std::string path = folder + "\\memory" + std::to_string(kind);
    write_file(path, kind, size);
    lstrcpynA(file_path, path.c_str(), sizeof file_path);
    file_size = size;
    if (load)
        load_ms(kind, size);
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}

int main(int argc, char **argv) {
    const char *kind_names[] = {"text", "HTML", "Word 6"};
    const char *loader_limits[] = {"1.3", "2", "2"};
    std::string folder = "Z:\\tmp\\tavrin-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), NULL);
    reset_document();
    if (argc >= 3 && strcmp(argv[1], "memory") == 0)
        return measure_memory(folder, atoi(argv[2]), argc >= 4);
    printf("%-7s %7s %5s %12s %12s %7s %7s\n", "kind", "size", "runs", "raw read ms", "load ms",
           "ratio", "limit");
    for (DWORD megabytes : {10u, 100u}) {
        DWORD size = megabytes << 20;
        int runs = megabytes == 10 ? 11 : 7;
        for (int kind = 0; kind < 3; kind++) {
            std::string path = folder + "\\bench" + std::to_string(kind);
            write_file(path, kind, size);
            lstrcpynA(file_path, path.c_str(), sizeof file_path);
            file_size = size;
            // Once each untimed, so that both find the file cached.
            raw_read_ms(path, size);
            load_ms(kind, size);
            std::vector<double> raw, load;
            for (int i = 0; i < runs; i++) {
                raw.push_back(raw_read_ms(path, size));
                load.push_back(load_ms(kind, size));
            }
            reset_document();
            DeleteFileA(path.c_str());
            double r = median(raw), l = median(load);
            printf("%-7s %4lu MB %5d %12.1f %12.1f %7.2f %7s\n", kind_names[kind], megabytes, runs,
                   r, l, l / r, loader_limits[kind]);
            fflush(stdout);
        }
    }
    RemoveDirectoryA(folder.c_str());
    return 0;
}
