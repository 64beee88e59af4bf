// Telling a Word document, an HTML page and plain text apart by a file's first
// bytes, and naming the kinds of book the other readers recognise.
#pragma once
#include <stdint.h>

// The head buffer: at most FILE_HEAD_READ bytes of the file, the rest zero, so
// it always ends in a zero byte.
enum { FILE_HEAD_SIZE = 250, FILE_HEAD_READ = 249 };

// What the file holds. All but FILE_UNRECOGNISED are the document kinds the
// loaders are chosen by; an unrecognised file is loaded as plain text after
// the user has been told. The head alone decides only the first four.
enum {
    FILE_PLAIN_TEXT = 0,
    FILE_HTML = 1,
    FILE_WORD = 2,
    FILE_UNRECOGNISED = 3,
    FILE_EPUB = 4,
    FILE_DOCX = 5,
    FILE_FB2 = 6,
    FILE_FB2_ZIP = 7,
    FILE_UTF8_TEXT = 8,
    FILE_UTF16_TEXT = 9,
};

// First match wins: the OLE2 compound-file signature, then "<html>" or
// "<HTML>" before the first zero byte (plain text instead when html_as_text is
// 1), then pure 7-bit bytes.
int decide_file_kind(const unsigned char head[FILE_HEAD_SIZE], int html_as_text);

// The head begins with a ZIP archive's first local header ("PK\3\4").
int head_is_zip(const unsigned char head[FILE_HEAD_SIZE]);
