#!/bin/bash
# Makes the test books from story.md with pandoc (and iconv, zip). The
# committed outputs are what the tests read; this shows how they were made.
# Dates, identifiers and archive times are pinned so that running it again
# gives the same bytes, as far as pandoc allows: pandoc 2.17 still stamps the
# EPUB entries with the time of making.
set -euo pipefail
cd "$(dirname "$0")"
export SOURCE_DATE_EPOCH=1577836800 TZ=UTC LC_ALL=C.UTF-8
common=(--metadata date=2020-01-01 --metadata identifier=urn:uuid:7d1c6a52-0c4e-4b8e-9a57-3b1f0e2a5d10)

pandoc story.md "${common[@]}" -t epub -o story.epub
pandoc story.md "${common[@]}" -t epub2 -o story2.epub
pandoc story.md "${common[@]}" -s -t fb2 -o story.fb2
pandoc story.md "${common[@]}" -t docx -o story.docx

# The common .fb2.zip: the book alone, with a fixed time and no extra fields.
touch -d @"$SOURCE_DATE_EPOCH" story.fb2
rm -f story.fb2.zip
zip -q -X -9 story.fb2.zip story.fb2

# Text as a Windows editor would save it: CR LF line ends.
pandoc story.md "${common[@]}" -t plain --eol=crlf -o story-utf8.txt
{ printf '\xEF\xBB\xBF'; cat story-utf8.txt; } > story-utf8-bom.txt
{ printf '\xFF\xFE'; iconv -f UTF-8 -t UTF-16LE story-utf8.txt; } > story-utf16le.txt
{ printf '\xFE\xFF'; iconv -f UTF-8 -t UTF-16BE story-utf8.txt; } > story-utf16be.txt
