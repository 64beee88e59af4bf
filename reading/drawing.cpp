#include "reading/drawing.h"
#include "settings/settings.h"

COLORREF settings_text_colour() {
    return RGB(settings.text_red & 0xFF, settings.text_green & 0xFF, settings.text_blue & 0xFF);
}

COLORREF settings_back_colour() {
    return RGB(settings.back_red & 0xFF, settings.back_green & 0xFF, settings.back_blue & 0xFF);
}

void use_settings_colours(HDC dc, int inverted) {
    COLORREF text = settings_text_colour(), back = settings_back_colour();
    SetBkColor(dc, inverted ? text : back);
    SetTextColor(dc, inverted ? back : text);
}

void validate_window(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
}
