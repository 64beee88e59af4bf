#pragma once

int register_fonts_class();
