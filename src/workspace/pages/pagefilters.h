#pragma once

#include <QString>

// Filters are written as "description|patterns|description|patterns...", the form the settings
// and menus use; the Qt file dialogs want "description (patterns);;...".

// The open dialog's filter, built from the comma-separated web and graphic extension settings.
QString openPageFilter(const QString& webExtensions, const QString& graphicExtensions);

// Description/pattern pairs; a trailing "|" or an unpaired description is ignored.
QString qtFileDialogFilter(const QString& pipeFilter);

// The patterns of the pair at a 1-based index, split at ";", e.g. {"*.htm", "*.html"}.
QStringList filterPatterns(const QString& pipeFilter, int index);
