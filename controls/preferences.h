#pragma once

int register_preferences_class();
