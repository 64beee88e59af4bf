// What the decoders' fuzz targets share: a sink that keeps the units and
// aborts on a call the decoders must never make, and feeding in chunks.
#pragma once
#include "tests/native/unit_text.h"

#include <stdlib.h>

#include <algorithm>

struct kept_units {
    std::u16string units;
    size_t limit; // asks to stop past this many units
};

// A sink is never called with nothing, nor with more than a buffer.
inline int keep_units(void *context, const uint16_t *units, uint32_t count) {
    if (count == 0 || count > 65536)
        abort();
    kept_units *kept = (kept_units *)context;
    kept->units.append((const char16_t *)units, count);
    return kept->units.size() <= kept->limit;
}

// Calls feed(bytes, count) over data in chunks of chunk bytes; stops at the
// first that does not return go_on.
template <typename Feed>
int feed_in_chunks(const unsigned char *data, size_t size, size_t chunk, int go_on, Feed feed) {
    for (size_t at = 0; at < size; at += chunk) {
        int result = feed(data + at, (uint32_t)std::min(chunk, size - at));
        if (result != go_on)
            return result;
    }
    return go_on;
}
