// The tooltip texts of the Options dialog and the screen saver's setup dialog.
#include <map>
#include <string>

#include "app/text.h"
#include "dialogs/context_tips.h"
#include "resource.h"

namespace {

const TipText kOptionsRows[] = {
    {1, IDS_TIP_OK},
    {2, IDS_TIP_CANCEL},
    {3, IDS_TIP_QUIT},
    {9, IDS_TIP_HELP},
    {10, IDS_TIP_OWN_WINDOW},
    {11, IDS_TIP_NO_FLICKER},
    {101, IDS_TIP_MODE_NONE},
    {102, IDS_TIP_MODE_RANDOM},
    {103, IDS_TIP_MODE_TOGETHER},
    {104, IDS_TIP_MODE_CHASE},
    {105, IDS_TIP_MODE_ALTERNATING},
    {106, IDS_TIP_MODE_SOME},
    {135, IDS_TIP_BURNT_OUT},
    {136, IDS_TIP_BROKEN},
    {137, IDS_TIP_MISSING},
    {140, IDS_TIP_BULB_TYPE},
    {146, IDS_TIP_MUSIC},
    {147, IDS_TIP_MORE_LIGHTS},
    {148, IDS_TIP_COLOR},
    {149, IDS_TIP_PLAYLIST},
    {150, IDS_TIP_RATE},
    {152, IDS_TIP_BULB_TYPE},       // the hidden bulb icon
    {153, IDS_TIP_SAVER_ENABLE},
    {154, IDS_TIP_SAVER_TEST},
    {155, IDS_TIP_SAVER_TYPE},
    {156, IDS_TIP_APPLY},
    {159, IDS_TIP_ZOOM},
    {160, IDS_TIP_SOUND},
    {161, IDS_TIP_PREVIEW},
    {163, IDS_TIP_START_OPTIONS},
    {166, IDS_TIP_SAVER_SETUP},
    {170, IDS_TIP_KEY_LIGHTS},
    {400, IDS_TIP_POWER},
    {1008, IDS_TIP_CHANGE_BULBS},
};

const TipText kSaverSetupRows[] = {
    {1, IDS_TIP_SETUP_OK},
    {2, IDS_TIP_SETUP_CANCEL},
    {167, IDS_TIP_SETUP_DELAY},
    {168, IDS_TIP_SETUP_MOUSE_MOVE},
    {169, IDS_TIP_SETUP_IGNORE_WINSS},
    {171, IDS_TIP_SETUP_MOUSE_CLICK},
};

// Loaded on first use and kept for the whole run, so the tooltips may hold on to them.
const char* CachedText(UINT textId) {
    static std::map<UINT, std::string> cache;
    auto found = cache.find(textId);
    if (found == cache.end()) found = cache.emplace(textId, LoadText(textId)).first;
    return found->second.c_str();
}

}  // namespace

const TipTable optionsTipTexts{kOptionsRows, sizeof kOptionsRows / sizeof kOptionsRows[0]};
const TipTable saverSetupTipTexts{kSaverSetupRows, sizeof kSaverSetupRows / sizeof kSaverSetupRows[0]};

const char* TipTextFor(const TipTable& table, int controlId) {
    for (size_t i = 0; i < table.count; ++i)
        if (table.rows[i].controlId == controlId) return CachedText(table.rows[i].textId);
    return "";
}
