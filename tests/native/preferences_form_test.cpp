// The Preferences window's reading of the extra delay from its edit field's
// text. The cases the window itself is tested with under Wine are not repeated.
#include <gtest/gtest.h>

#include "controls/preferences_form.h"
#include "settings/settings.h"

#include <string>

TEST(PreferencesForm, ExtraDelayIsReadAsAtoiReadsNineCharacters) {
    const struct {
        const char *label;
        std::string text;
        int32_t delay;
    } cases[] = {
        {"tab and line feed before", "\t\n5", 5},
        {"plus sign", "+4", 4},
        {"a sign alone", "-", 0},
        {"sign then blank", "- 3", 0},
        {"empty", "", 0},
        {"nine blanks hide the number", "         42", 0},
        {"10,000 characters", std::string(10000, '9'), 999999999},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.delay, read_extra_delay(c.text.c_str()));
    }
}
