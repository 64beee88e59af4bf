// Archives for the native tests: the committed books, and the archives made
// in memory.
#pragma once
#include <gtest/gtest.h>
#include "../shared/made_archive.h"

#include <fstream>
#include <sstream>
#include <stdint.h>
#include <string>
#include <vector>
#include <zlib.h>

inline std::string read_book(const std::string &name) {
    std::ifstream file(std::string(TAVRIN_TEST_DATA) + "/books/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    EXPECT_TRUE(file.good()) << name;
    return bytes.str();
}
