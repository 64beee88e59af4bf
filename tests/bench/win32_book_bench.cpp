// What a book costs to open against the plain-text loader on the same text
// and zlib's own inflate of the same entries: the books that
// tests/bench/make_big_books.py writes (about 50 MB of text each), loaded as
// the Open command loads them, with the files in the system's cache. Runs
// alternate; medians and the ratio load / (inflate + plain-text load).
//   win32_book_bench FOLDER [RUNS]     the table
//   win32_book_bench FOLDER memory K   loads book K once (for the peak resident
//                                      size, measured from outside); K = -1
//                                      loads nothing
#include "bench_program.h"

#include "document/document.h"
#include "document/file_loaders.h"
#include "formats/file_kind.h"
#include "formats/zip_reader.h"
#include "resources/resource.h"

#include <stdlib.h>
#include <string.h>

struct book_file {
    const char *name, *file;
    int kind;
};

static const book_file books[] = {
    {"EPUB", "big.epub", FILE_EPUB},
    {"FB2", "big.fb2", FILE_FB2},
    {"DOCX", "big.docx", FILE_DOCX},
    {"UTF-8", "big-utf8.txt", FILE_UTF8_TEXT},
    {"UTF-16", "big-utf16.txt", FILE_UTF16_TEXT},
};

static std::string folder;

static std::string path_of(const char *file) {
    return folder + "\\" + file;
}

static uint64_t size_of(const std::string &path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return ((uint64_t)data.nFileSizeHigh << 32) | data.nFileSizeLow;
}

static std::string read_bytes(const std::string &path) {
    std::string bytes(size_of(path), '\0');
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0,
                              NULL);
    DWORD got = 0;
    ReadFile(file, &bytes[0], (DWORD)bytes.size(), &got, NULL);
    CloseHandle(file);
    bytes.resize(got);
    return bytes;
}

static double load_ms(const char *file, int kind) {
    std::string path = path_of(file);
    double start = now_ms();
    reset_document();
    load_file_of_kind(kind, path.c_str(), size_of(path));
    return now_ms() - start;
}

static int discard(void *, const unsigned char *, uint32_t) {
    return 1;
}

// zlib's inflate of every entry of the archive, as read from the file.
static double inflate_ms(const char *file) {
    std::string bytes = read_bytes(path_of(file));
    double start = now_ms();
    zip_archive zip;
    if (zip_open(&zip, (const unsigned char *)bytes.data(), bytes.size()) != ZIP_OK)
        return 0;
    uint64_t cursor = 0;
    zip_entry entry;
    while (zip_next_entry(&zip, &cursor, &entry) == ZIP_OK)
        zip_read_entry(&zip, &entry, discard, 0);
    return now_ms() - start;
}

int main(int argc, char **argv) {
    if (argc < 2 || !start_bench_program(CMD_NAVIGATOR))
        return 1;
    folder = argv[1];
    if (argc >= 4 && strcmp(argv[2], "memory") == 0) {
        int k = atoi(argv[3]);
        if (k >= 0)
            load_ms(books[k].file, books[k].kind);
        printf("text %u bytes\n", (unsigned)document.text_length);
        return 0;
    }
    int runs = argc >= 3 ? atoi(argv[2]) : 7;
    printf("%-7s %10s %9s %10s %9s %10s %7s\n", "kind", "text MB", "load ms", "plain ms",
           "inflate", "ratio", "runs");
    for (const book_file &b : books) {
        bool archive = b.kind == FILE_EPUB || b.kind == FILE_DOCX;
        load_ms(b.file, b.kind);
        load_ms("big.txt", FILE_PLAIN_TEXT);
        std::vector<double> load, plain, inflate;
        uint32_t length = 0;
        for (int i = 0; i < runs; i++) {
            load.push_back(load_ms(b.file, b.kind));
            length = document.text_length;
            plain.push_back(load_ms("big.txt", FILE_PLAIN_TEXT));
            inflate.push_back(archive ? inflate_ms(b.file) : 0);
        }
        double l = median(load), p = median(plain), z = median(inflate);
        printf("%-7s %10.1f %9.1f %10.1f %9.1f %10.2f %7d\n", b.name, length / 1e6, l, p, z,
               l / (p + z), runs);
    }
    reset_document();
    return 0;
}
