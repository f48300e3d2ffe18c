#pragma once

#include <QString>

// The messages, names and filters of page handling, each defined once.
namespace PageTexts {

inline constexpr char newPageFileName[] = "newpage.htm";
inline constexpr char scratchFileName[] = "scratch.txt";
inline constexpr char browserCopyFileName[] = "tesseraview.htm";
// Which swap files and browser copies the program wrote, so later runs may write them again.
inline constexpr char programCopiesFileName[] = "swapfiles.txt";

inline constexpr char couldNotFind[] = "Could not find or open: ";
inline constexpr char emptyFileQuestion[] = "Empty file, start creation of new page?";
inline constexpr char overwriteQuestion[] = "Overwrite existing file?";
inline constexpr char saveAsLeftProject[] =
    "A Save As function has been performed on document that was in a project.  The file that is "
    "being edited is no longer part of that project.";
inline constexpr char backupSaved[] = "A backup of the File has been saved with a '_' character appended.";
inline constexpr char saveFilter[] = "HTML Documents|*.htm;*.html|Frame Settings|*.set";

inline QString closeWithoutSaving(const QString& fileName)
{
    return QStringLiteral("Close ") + fileName + QStringLiteral(" without saving?");
}

inline QString writeFailed(const QString& fileName, const QString& reason)
{
    return QStringLiteral("Could not write ") + fileName + QStringLiteral(":\n") + reason
        + QStringLiteral("\n\nNothing was saved; the text is still in the editor.");
}

inline QString readFailed(const QString& fileName, const QString& reason)
{
    return QStringLiteral("Could not read ") + fileName + QStringLiteral(":\n") + reason;
}

} // namespace PageTexts
