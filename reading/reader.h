#pragma once

int register_reader_class();
