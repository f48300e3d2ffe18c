#pragma once

#include <QString>

// An outline entry's text is "description - path": a project's directory, or a page's file name
// in its project's directory. All its meaning is in that text.
struct OutlineEntry {
    QString description;
    QString path;

    // The path is everything after the first "-" and the blank after it, so a path may hold dashes
    // but a description may not. No dash: no description, the whole text is the path.
    static OutlineEntry split(const QString& text);
    static QString join(const QString& description, const QString& path);
};

namespace ProjectTexts {

// Every project holds this page entry; its "#" sorts it before the ordinary pages.
inline const QString settingsEntry = QStringLiteral("#Default Project Settings - PROJECT.INI");
inline const QString projectIniFile = QStringLiteral("PROJECT.INI");
inline const QString outlineFile = QStringLiteral("project.dat");
inline const QString outlineBackupFile = QStringLiteral("project.dat.bak");
inline const QString themesDirectory = QStringLiteral("themes");

inline const QString outlineHint = QStringLiteral("Double click to open page or right click for popup menu");
inline const QString selectedFileOpen =
    QStringLiteral("Selected operation may not be performed on an open file.  Please close the file and try again.");
inline const QString cannotMoveOrCopy = QStringLiteral("Can not move/copy current file to the selected directory!");

} // namespace ProjectTexts
