// Puts a test text into the Document the way the fillers leave it: a block
// of length + 1 bytes whose last byte is 0, both positions at 0.
#pragma once
#include "document/document.h"
#include "reading/byte_sets.h"

#include <string>

inline void use_text(const std::string &text) {
    static std::string block;
    block = text;
    block.push_back('\0');
    fill_byte_sets();
    document.text = (unsigned char *)&block[0];
    document.text_length = (uint32_t)text.size();
    document.read_pos = document.anchor_pos = 0;
}
