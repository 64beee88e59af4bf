// Counting GDI objects where the system will not say, for the leak tests and
// the soak.
#pragma once
#include <windows.h>

// How many GDI objects this process holds. GetGuiResources answers 0 under
// Wine, so the count is taken as the ceiling less how many more brushes can be
// made (they are deleted again). Only differences between two counts mean
// anything; where GetGuiResources answers, its figure is returned instead.
inline long live_gdi_objects() {
    DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported)
        return (long)reported;
    enum { CEILING = 70000 };
    static HBRUSH probes[CEILING];
    long made = 0;
    while (made < CEILING && (probes[made] = CreateSolidBrush(RGB(made & 255, 1, 2))) != 0)
        made++;
    for (long i = 0; i < made; i++)
        DeleteObject(probes[i]);
    return CEILING - made;
}
