#pragma once

// The settings record that page handling reads. FIXME: the fallback below only keeps the pages
// building until the settings store exists; remove it then.
#if __has_include("workspace/settings.h")
#include "workspace/settings.h"
#else
#include <QString>

struct TesseraSettings {
    struct LastFiles {
        QString files[4];
        bool autoLoad = false;
    } lastFiles;
    struct Defaults {
        bool autoUpdate = false;
        QString extension = QStringLiteral("html,htm,shtm,shtml");
        QString graphicExtension = QStringLiteral("gif,jpg");
    } defaults;
};
#endif
