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

inline QString changedOnDisk(const QString& fileName)
{
    return fileName + QStringLiteral(" was changed by another program.\n\nReload it (the editor's changes are "
                                     "replaced, Undo brings them back), overwrite it with the editor's text, or "
                                     "cancel and leave both as they are?");
}

inline QString deletedSaveQuestion(const QString& fileName)
{
    return fileName + QStringLiteral(" was deleted or moved by another program.\n\nWrite the editor's text to it "
                                     "again?");
}

inline QString deletedOnDisk(const QString& fileName)
{
    return fileName + QStringLiteral(" was deleted or moved by another program. Its text is still in the editor; "
                                     "Save writes it back.");
}

inline QString backupFailed(const QString& fileName, const QString& reason)
{
    return QStringLiteral("The backup ") + fileName + QStringLiteral(" could not be written (") + reason
        + QStringLiteral("); the text is only in the editor until the page is saved.");
}

inline QString recoverFailed(const QString& pageFile, const QString& backup, const QString& reason)
{
    return QStringLiteral("Could not recover ") + pageFile + QStringLiteral(":\n") + reason
        + QStringLiteral("\n\nThe backup ") + backup + QStringLiteral(" is kept; open it to see its text.");
}

inline QString discardFailed(const QString& backup)
{
    return QStringLiteral("Could not delete the backup ") + backup
        + QStringLiteral("; it was changed since, so it is left as it is.");
}

} // namespace PageTexts
