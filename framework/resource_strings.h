#pragma once

#include <windows.h>

#include <string>

// A string resource of the program in the ANSI code page; empty if missing.
std::string LoadResourceString(UINT id);

// Field index of a text whose fields are separated by separator; empty when
// there are fewer fields.
std::string ExtractSubString(const std::string& text, int index, char separator = '\n');
