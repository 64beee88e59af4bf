// The Color window ("COLORCLASS"): the text and background colours.
#pragma once

int register_color_class();
