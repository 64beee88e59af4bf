// Reading a chosen file into the Document: one loader for each file kind.
#pragma once
#include <windows.h>
#include <stdint.h>

// Replaces the Document with the file at path, of the size the dialog found,
// read as the given kind (formats/file_kind.h); or reports why it could not
// and leaves the Document as it was.
void load_file_of_kind(int kind, const char *path, uint64_t size);

// A loader: fills the Document from the open file, which is size bytes long,
// and reports its own failures.
typedef void (*file_loader)(HANDLE file, uint64_t size);

// The loaders, one for each kind; file_loaders.cpp says which serves which.
void load_plain_text(HANDLE file, uint64_t size);
void load_html(HANDLE file, uint64_t size);
void load_word(HANDLE file, uint64_t size);
void load_utf8_text(HANDLE file, uint64_t size);
void load_utf16_text(HANDLE file, uint64_t size);
void load_epub(HANDLE file, uint64_t size);
void load_docx(HANDLE file, uint64_t size);
void load_fb2(HANDLE file, uint64_t size);
void load_fb2_zip(HANDLE file, uint64_t size);

// What the loaders share.

// Bytes read by one ReadFile call, 0 at the end of the file or on failure.
uint32_t read_chunk(HANDLE file, unsigned char *into, uint32_t count);

// Fills text, which has room for length bytes, from the open file; returns
// the length of the text it made.
typedef uint32_t (*fill_text)(HANDLE file, unsigned char *text, uint32_t length);

// For kinds whose text is never longer than the file: makes room for all of
// it, fills the text, and only then makes it the Document's.
void load_whole_size(HANDLE file, uint64_t size, fill_text fill);

// Reads up to length bytes of the open file into text; returns how many came.
// Each chunk, as it arrives, goes through step when one is given.
typedef void (*chunk_step)(void *context, unsigned char *bytes, uint32_t count);
uint32_t read_into_text(HANDLE file, unsigned char *text, uint32_t length, chunk_step step,
                        void *context);
