#pragma once

int register_about_class();
