#pragma once

// The one test on the Windows version: 1 on the Windows 95 family from
// version 4 on, which has the newer calls (RegisterClassExA, CascadeWindows,
// TileWindows); 0 on the NT family and on versions below 4.
int uses_95_shell_calls();
