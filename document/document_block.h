// Replacing the Document's text. Every filler (paste, the file loaders, Glom
// capture) goes through these so that the Document stays whole on failure.
#pragma once
#include <stdint.h>

// Sent to an open Navigator whenever a new text has replaced the Document
// (WM_APP + 0x20): the Navigator takes the new length's scroll range and
// redraws from the top. The Document knows no window but through this.
enum { WM_DOCUMENT_REPLACED = 0x8000 + 0x20 };

// Puts the welcome text into a new block and frees the previous one.
// Returns 1, or 0 after reporting that no memory could be had.
int reset_document();

// Replaces the Document with the clipboard text; needs an open Navigator.
int paste_clipboard();

// Replaces the Document with the text of the first text format on the
// clipboard, up to its first zero byte, and closes the clipboard again.
// Returns 0, the Document untouched, when there is no text or no room for it
// (reported).
int take_clipboard_text();

// Resizes the text block to length + 1 zeroed bytes and returns its locked
// first byte, or 0 when the block cannot be resized (or length + 1 does not
// fit); the Document is then untouched. Every byte of the result is zero.
unsigned char *resize_text_block(uint32_t length);

// Between resize_text_block and commit_text_block: gives back the room a
// filler made but did not use, keeping length + 1 bytes.
void shrink_text_block(uint32_t length);

// Finishes a replacement begun by resize_text_block: unlocks the block, makes
// the new text the Document's with both positions at 0, and tells an open
// Navigator.
void commit_text_block(uint32_t length);
