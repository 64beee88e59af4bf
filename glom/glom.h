#pragma once

int register_glom_class();
