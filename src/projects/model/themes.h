#pragma once

#include <QStringList>

// The themes offered for new pages: every "t_NAME.gif" in the program directory's "themes"
// folder (matched ignoring case), listed by NAME in name order ignoring case.
QStringList themeNames(const QString& programDirectory);

// The program directory's "themes" folder, its name matched ignoring case, without a trailing
// separator.
QString themesDirectory(const QString& programDirectory);
