#include "custom/general/generalsettings.h"

GeneralSettings generalSettings(const TesseraSettings& record)
{
    const TesseraSettings::Defaults& defaults = record.defaults;
    GeneralSettings values;
    for (int i = 0; i < TesseraSettings::customTabCount; ++i)
        values.showCustom[i] = defaults.showCustom[i];
    values.autoUpdate = defaults.autoUpdate;
    values.useClosingP = defaults.useClosingP;
    values.useBr = defaults.useBr;
    values.fontSizeChange = defaults.fontSizeChange;
    values.autoLoad = record.lastFiles.autoLoad;
    values.extension = defaults.extension;
    values.graphicExtension = defaults.graphicExtension;
    values.browser1 = defaults.browser1;
    values.browser2 = defaults.browser2;
    values.browser1Prefix = defaults.browser1Prefix;
    values.browser2Prefix = defaults.browser2Prefix;
    values.dialogStyle = record.spelling.dialogStyle;
    values.suggestCount = record.spelling.suggestCount;
    values.skipHtml = record.spelling.skipHtml;
    values.confirmAdd = record.spelling.autoAdd;
    return values;
}

void storeGeneralSettings(const GeneralSettings& values, TesseraSettings& record)
{
    TesseraSettings::Defaults& defaults = record.defaults;
    for (int i = 0; i < TesseraSettings::customTabCount; ++i)
        defaults.showCustom[i] = values.showCustom[i];
    defaults.autoUpdate = values.autoUpdate;
    defaults.useClosingP = values.useClosingP;
    defaults.useBr = values.useBr;
    defaults.fontSizeChange = values.fontSizeChange;
    record.lastFiles.autoLoad = values.autoLoad;
    defaults.extension = values.extension.left(GeneralSettingsLimits::extensions);
    defaults.graphicExtension = values.graphicExtension.left(GeneralSettingsLimits::extensions);
    defaults.browser1 = values.browser1;
    defaults.browser2 = values.browser2;
    defaults.browser1Prefix = values.browser1Prefix;
    defaults.browser2Prefix = values.browser2Prefix;
    record.spelling.dialogStyle = values.dialogStyle;
    record.spelling.suggestCount = values.suggestCount;
    record.spelling.skipHtml = values.skipHtml;
    record.spelling.autoAdd = values.confirmAdd;
    record.spelling.language = 0;
}
