// Reading a chosen file into the Document: one loader for each file kind.
#pragma once
#include <windows.h>
#include <stdint.h>

// Replaces the Document with the file at path, of the size the dialog found,
// read as the given kind (formats/file_kind.h); or reports why it could not
// and leaves the Document as it was.
void load_file_of_kind(int kind, const char *path, uint64_t size);

// A loader: fills the Document from the open file, which is size bytes long,
// read as the kind, and reports its own failures.
typedef void (*file_loader)(HANDLE file, uint64_t size, int kind);

// What the loaders share.

// Bytes read by one ReadFile call, 0 at the end of the file or on failure.
uint32_t read_chunk(HANDLE file, unsigned char *into, uint32_t count);

// Fills text, which has room for length bytes, from the open file; returns
// the length of the text it made.
typedef uint32_t (*fill_text)(HANDLE file, unsigned char *text, uint32_t length);

// The fillers of the kinds whose text is never longer than the file;
// file_loaders.cpp says which serves which.
uint32_t fill_plain_text(HANDLE file, unsigned char *text, uint32_t length);
uint32_t fill_html_text(HANDLE file, unsigned char *text, uint32_t length);
uint32_t fill_word_text(HANDLE file, unsigned char *text, uint32_t length);
uint32_t fill_utf8_text(HANDLE file, unsigned char *text, uint32_t length);
uint32_t fill_utf16_text(HANDLE file, unsigned char *text, uint32_t length);

// Books (EPUB, DOCX, FB2 alone or in a ZIP), whose text their entries bound.
void load_book(HANDLE file, uint64_t size, int kind);

// Reads up to length bytes of the open file into text; returns how many came.
// Each chunk, as it arrives, goes through step when one is given.
typedef void (*chunk_step)(void *context, unsigned char *bytes, uint32_t count);
uint32_t read_into_text(HANDLE file, unsigned char *text, uint32_t length, chunk_step step,
                        void *context);
