#include "harness.h"

#include "app/window_handles.h"
#include "resources/resource.h"

TEST_CASE("the frame opens with its title and the About window")
{
    enter_fresh_directory();
    HWND frame = start_program();
    REQUIRE(frame != nullptr);
    CHECK(window_text(frame) == "Tavrin");
    CHECK(about_window != nullptr);
    stop_program();
}
