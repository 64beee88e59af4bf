#pragma once

int register_color_class();
