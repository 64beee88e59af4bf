// The Document: the welcome text, resetting it, and pasting the clipboard.
#include "harness.h"

#include "app/frame.h"
#include "app/window_handles.h"
#include "document/document.h"
#include "document/document_block.h"
#include "resources/resource.h"

#include <string.h>

static std::string document_text() {
    return std::string((const char *)document.text, document.text_length);
}

static void check_terminated() {
    CHECK(document.text[document.text_length] == 0);
}

TEST_CASE("start-up puts the welcome text into the Document") {
    enter_fresh_directory();
    start_program();
    CHECK(document_text() == "Welcome to Tavrin, the speed reading program for computers.");
    CHECK(document.read_pos == 0);
    CHECK(document.anchor_pos == 0);
    CHECK(GlobalSize((HGLOBAL)document.text_block) >= 255);
    check_terminated();
    stop_program();
}

TEST_CASE("Paste needs an open Navigator and then leaves the clipboard as it was") {
    enter_fresh_directory();
    HWND frame = start_program();
    put_clipboard_text("Some pasted words.");
    run_frame_command(frame, CMD_PASTE);
    pump_messages();
    REQUIRE(shown_messages.size() == 1);
    CHECK(shown_messages[0].text == "Problem with clipboard");
    CHECK(shown_messages[0].caption == "Paste error");
    CHECK(clipboard_text() == "Some pasted words.");
    CHECK(document_text() == welcome_text);
    CHECK(window_text(frame) == "Tavrin");
    stop_program();
}

TEST_CASE("Paste replaces the Document, sets the caption and empties the clipboard") {
    const struct {
        const char *label;
        std::string text;
    } cases[] = {
        {"longer than the welcome text", std::string(500, 'x') + " end"},
        {"shorter", "Two words."},
        {"empty", ""},
        {"bytes of 128 and above", "caf\xe9 na\xefve"},
    };
    enter_fresh_directory();
    HWND frame = start_program();
    run_frame_command(frame, CMD_NAVIGATOR);
    pump_messages();
    REQUIRE(navigator_window != nullptr);
    for (const auto &c : cases) {
        CAPTURE(c.label);
        document.read_pos = document.anchor_pos = 7;
        shown_messages.clear();
        put_clipboard_text(c.text);
        run_frame_command(frame, CMD_PASTE);
        pump_messages();
        CHECK(shown_messages.empty());
        CHECK(document_text() == c.text);
        check_terminated();
        CHECK(document.read_pos == 0);
        CHECK(document.anchor_pos == 0);
        CHECK(window_text(frame) == "Tavrin - Paste from clipboard ");
        CHECK(clipboard_text() == "<none>");
    }
    SUBCASE("an empty clipboard fails and keeps the Document") {
        put_clipboard_text("kept");
        run_frame_command(frame, CMD_PASTE);
        OpenClipboard(NULL);
        EmptyClipboard();
        CloseClipboard();
        shown_messages.clear();
        run_frame_command(frame, CMD_PASTE);
        pump_messages();
        REQUIRE(shown_messages.size() == 1);
        CHECK(shown_messages[0].text == "Problem with clipboard");
        CHECK(document_text() == "kept");
    }
    stop_program();
}

TEST_CASE("Paste reads no further than the clipboard data, terminated or not") {
    enter_fresh_directory();
    HWND frame = start_program();
    run_frame_command(frame, CMD_NAVIGATOR);
    pump_messages();
    const struct {
        const char *label;
        std::string bytes;
        std::string expected;
    } cases[] = {
        {"stops at the first zero", std::string("before\0after", 12), "before"},
        {"no zero at all", std::string(4096, 'k'), std::string(4096, 'k')},
    };
    for (const auto &c : cases) {
        CAPTURE(c.label);
        REQUIRE(OpenClipboard(NULL));
        EmptyClipboard();
        HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, c.bytes.size());
        memcpy(GlobalLock(data), c.bytes.data(), c.bytes.size());
        GlobalUnlock(data);
        SetClipboardData(CF_TEXT, data);
        CloseClipboard();
        run_frame_command(frame, CMD_PASTE);
        pump_messages();
        // The system may end unterminated text itself, at its last byte.
        CHECK(document.text_length <= c.expected.size());
        CHECK(document.text_length + 1 >= c.expected.size());
        CHECK(document_text() == c.expected.substr(0, document.text_length));
        check_terminated();
    }
    stop_program();
}

TEST_CASE("resetting the Document gives back the block it replaces") {
    enter_fresh_directory();
    start_program();
    // Leaking 20 MB at every reset would exhaust the 2 GB of a 32-bit process
    // long before the end.
    const uint32_t size = 20u << 20;
    for (int i = 0; i < 150; i++) {
        CAPTURE(i);
        unsigned char *text = resize_text_block(size);
        REQUIRE(text != nullptr);
        text[size - 1] = 'z';
        commit_text_block(size);
        REQUIRE(reset_document() == 1);
    }
    CHECK(document_text() == welcome_text);
    stop_program();
}

TEST_CASE("a block that cannot be had leaves the Document whole") {
    enter_fresh_directory();
    start_program();
    CHECK(resize_text_block(0xFFFFFFFFu) == nullptr);
    CHECK(resize_text_block(0xFFFFFFF0u) == nullptr);
    CHECK(document_text() == welcome_text);
    check_terminated();
    stop_program();
}
