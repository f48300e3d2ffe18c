#pragma once

#include <QString>
#include <QStringList>

class QMenu;
class TagInserter;

// The user tag menus of the HTML Codes menu, one menu line per text line of their file.
namespace UserMenu {

inline const QString blockTagsFile = QStringLiteral("blkhlght.mnu");
inline const QString textAttributesFile = QStringLiteral("textattr.mnu");
inline const QString additionalTagsFile = QStringLiteral("usercode.mnu");

// The usable lines of a menu file, sorted alphabetically. Blank lines and lines that cannot
// make a tag (control characters, overlong lines, nothing before or after "..") are skipped;
// a missing or unreadable file gives no lines.
QStringList readMenuFile(const QString& path);
bool isUsableLine(const QString& line);

// Empties the menu and adds one item per line of the file; each item inserts its tag through
// address1Click. Returns the number of items.
int LoadMenu(QMenu* menu, const QString& path, TagInserter* inserter);
void ClearMenu(QMenu* menu);

} // namespace UserMenu
