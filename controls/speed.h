#pragma once

int register_speed_class();
