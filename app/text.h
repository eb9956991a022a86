// Texts from the program's string table.
#pragma once
#include <windows.h>
#include <string>

// The string with this id, or the empty text when it does not exist.
std::string LoadText(UINT id);
// True when the string table holds this id.
bool HasText(UINT id);
