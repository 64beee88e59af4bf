// The Fonts window ("FONTSCLASS"): the face and height of the reader font.
#pragma once

int register_fonts_class();
