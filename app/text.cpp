// Texts from the program's string table.
#include "app/text.h"

#include "app/app.h"

std::string LoadText(UINT id) {
    char buffer[512];
    int n = LoadStringA(appInstance, id, buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

bool HasText(UINT id) {
    char buffer[4];
    return LoadStringA(appInstance, id, buffer, sizeof buffer) > 0;
}
