// Telling the books that are ZIP archives apart by what the archive holds.
#pragma once
#include "formats/zip_reader.h"

// FILE_EPUB when the entry "mimetype" holds "application/epub+zip" (blanks and
// line ends around it allowed), FILE_DOCX when "word/document.xml" is there,
// FILE_FB2_ZIP when exactly one entry's name ends in ".fb2" (in any capitals),
// in that order; otherwise FILE_UNRECOGNISED.
int decide_archive_kind(const zip_archive *zip);

// The one entry whose name ends in ".fb2": ZIP_OK, or ZIP_NO_ENTRY when there
// is none or more than one.
int find_fb2_entry(const zip_archive *zip, zip_entry *entry);
