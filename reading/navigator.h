#pragma once

int register_navigator_class();

// Start-up values of the Navigator's state (no scroll range, no target line).
void reset_navigator_state();
