#pragma once

#include <QString>
#include <QStringList>

// The custom button pages "page1.btn" ... "page4.btn": one line per button slot, four fields
// separated by "|": caption, source, tag type, drop-down style.
namespace ButtonFile {

inline constexpr int pageCount = 4;
inline constexpr int slotCount = 19;
inline const QString dropDownCaption = QStringLiteral("***");
inline const QString emptyLine = QStringLiteral("||0|0");

QString fileName(int page);

enum class TagType { InsertAsIs = 0, StandardDouble = 1, UnevenDouble = 2 };
enum class DropDownStyle { DoubleWithAlign = 0, SingleWithAlign = 1 };

struct Button {
    QString caption;
    QString source;
    TagType tagType = TagType::InsertAsIs;
    DropDownStyle dropDownStyle = DropDownStyle::DoubleWithAlign;

    bool exists() const { return !caption.isEmpty(); }
    bool isDropDown() const { return caption == dropDownCaption; }
};

// Field n of a line split at "|"; a field past the end is empty.
QString field(const QString& line, int n);
// A hand-edited tag type other than 0, 1 or 2 inserts as is; a style other than 1 is 0.
Button parseLine(const QString& line);
QString formatLine(const QString& caption, const QString& source, int tagType, int dropDownStyle);
// Appends empty slots until there are slotCount lines; longer lists are kept whole.
QStringList padded(QStringList lines);

struct ReadResult {
    enum class Status { Read, Missing, Unreadable } status = Status::Missing;
    QStringList lines;
    QString error;
};
// UTF-8, or Windows-1252 when the bytes are not UTF-8; any line end.
ReadResult read(const QString& path);
// Writes the lines with CR LF in UTF-8 through a save file; false with `error` set on failure.
bool write(const QString& path, const QStringList& lines, QString* error);

} // namespace ButtonFile
