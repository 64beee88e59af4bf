// Text bytes as a check prints them: zero bytes as '_', CR and LF as \r and
// \n, so that a difference in a loaded text reads at a glance.
#pragma once
#include <string>

inline std::string shown(const std::string &bytes) {
    std::string s;
    for (char c : bytes)
        s += c == 0 ? "_" : c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return s;
}
