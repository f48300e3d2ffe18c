#pragma once

#include "workspace/settings/settings.h"

#include <QString>

// What "General Settings" edits, taken from the settings record and put back into it.
struct GeneralSettings {
    bool showCustom[TesseraSettings::customTabCount] = {};
    bool autoUpdate = false;
    bool useClosingP = false;
    bool useBr = false;
    int fontSizeChange = 2;
    bool autoLoad = false;
    QString extension;
    QString graphicExtension;
    QString browser1;
    QString browser2;
    bool browser1Prefix = false;
    bool browser2Prefix = false;
    // Stored spelling dialog code: 0 "MS Word", 1 "Wordperfect", 2 "WordPro 96".
    int dialogStyle = 0;
    int suggestCount = 10;
    bool skipHtml = true;
    bool confirmAdd = false;

    friend bool operator==(const GeneralSettings&, const GeneralSettings&) = default;
};

namespace GeneralSettingsLimits {
constexpr int extensions = 99;
constexpr int minFontSizeChange = 1;
constexpr int maxFontSizeChange = 7;
constexpr int minSuggestions = 5;
constexpr int maxSuggestions = 100;
} // namespace GeneralSettingsLimits

GeneralSettings generalSettings(const TesseraSettings& record);
// Extension lists are cut to their stored length; browser paths are kept whole, since a cut path
// names another program. The spelling language goes back to the first, the only one with a
// dictionary.
void storeGeneralSettings(const GeneralSettings& values, TesseraSettings& record);
