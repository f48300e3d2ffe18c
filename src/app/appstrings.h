#pragma once

#include <QString>

// The program's own names and file names, used by name everywhere else.
namespace strings {

inline const QString applicationTitle = QStringLiteral("Tessera! 32");
inline const QString organisationName = QStringLiteral("Marrowdale Software");
inline const QString applicationName = QStringLiteral("Tessera");

inline const QString tipsFile = QStringLiteral("TIPS.TXT");
inline const QString scratchFile = QStringLiteral("scratch.txt");
inline const QString projectOutlineFile = QStringLiteral("project.dat");
inline const QString helpIndexFile = QStringLiteral("help/index.html");

inline const QString insertMode = QStringLiteral("Insert");
inline const QString overwriteMode = QStringLiteral("Overwrite");

} // namespace strings
