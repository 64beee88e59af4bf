// The Document: the welcome text, resetting it, and pasting the clipboard.
#include "harness.h"

#include "app/frame.h"
#include "document/document.h"
#include "document/document_block.h"
#include "resources/resource.h"

static std::string document_text() {
    CHECK(document.text[document.text_length] == 0);
    return std::string((const char *)document.text, document.text_length);
}

TEST_CASE("Paste needs an open Navigator, then replaces the text and empties the clipboard; a "
          "reset gives back the block it replaces") {
    enter_fresh_directory();
    HWND frame = start_program();
    put_clipboard_text("Some pasted words.");
    run_frame_command(frame, CMD_PASTE);
    CHECK(shown_message_list() == "Paste error: Problem with clipboard");
    CHECK(clipboard_text() == "Some pasted words.");
    CHECK(document_text() == welcome_text);

    const struct {
        std::string label, text, expected;
    } cases[] = {
        {"longer than the welcome text", std::string(500, 'x'), std::string(500, 'x')},
        {"empty", "", ""},
        {"up to a zero byte", std::string("before\0after", 12), "before"},
    };
    run_frame_command(frame, CMD_NAVIGATOR);
    for (const auto &c : cases) {
        CAPTURE(c.label);
        put_clipboard_text(c.text);
        run_frame_command(frame, CMD_PASTE);
        CHECK(document_text() == c.expected);
        CHECK(window_text(frame) == "Tavrin - Paste from clipboard ");
        CHECK(clipboard_text() == "<none>");
    }
    CHECK(shown_message_list() == "Paste error: Problem with clipboard");

    // The block a reset replaces is given back: a block that large has pages
    // of its own, and they must be gone after the reset.
    const uint32_t size = 20u << 20;
    REQUIRE(resize_text_block(size) != nullptr);
    commit_text_block(size);
    const unsigned char *replaced = document.text + size / 2;
    REQUIRE(reset_document() == 1);
    MEMORY_BASIC_INFORMATION pages = {};
    VirtualQuery(replaced, &pages, sizeof pages);
    CHECK(pages.State != MEM_COMMIT);
    // A block that cannot be had leaves the Document whole: no room for the
    // closing zero in either build, and 4 GB less a little in a 32-bit one
    // (a 64-bit process can have that much).
    CHECK(resize_text_block(0xFFFFFFFFu) == nullptr);
#ifndef _WIN64
    CHECK(resize_text_block(0xFFFFFFF0u) == nullptr);
#endif
    CHECK(document_text() == welcome_text);
    stop_program();
}
