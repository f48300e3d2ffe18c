#pragma once

#include <QString>

// A project's defaults for new pages, as its PROJECT.INI holds them in the section "PROJECT".
// Colours are six hexadecimal digits RRGGBB without "#", kept as typed.
struct ProjectSettings {
    QString mailto;
    QString webUrl;
    QString textColor;
    QString linkColor;
    QString aLinkColor;
    QString vLinkColor;
    QString bgColor;
    QString themeStyle;

    // What each reader assumes for a missing file or key.
    static ProjectSettings projectDialogDefaults();
    static ProjectSettings initialValuesDefaults();

    bool operator==(const ProjectSettings&) const = default;
};

// The one reader and writer of PROJECT.INI. Section and key names match ignoring case; a value is
// what follows the first "=", trimmed. Writing updates the eight keys where they stand and keeps
// every other line, so comments and other sections survive; a new file gets the keys in order.
class ProjectIni {
public:
    static ProjectSettings parse(const QString& text, const ProjectSettings& defaults);
    // `existing` with the eight keys set to `settings`, each line ended by CR LF.
    static QString update(const QString& existing, const ProjectSettings& settings);

    // The file in `directory` (its name matched ignoring case when needed).
    static QString filePath(const QString& directory);
    static ProjectSettings read(const QString& directory, const ProjectSettings& defaults);
    static bool write(const QString& directory, const ProjectSettings& settings, QString* error);
};
