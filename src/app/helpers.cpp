#include "app/helpers.h"

#include "app/tipoftheday.h"

QString helperCaption(Helper helper)
{
    switch (helper) {
    case Helper::OrphanPages: return QStringLiteral("Orphan Pages");
    case Helper::FullScreen: return QStringLiteral("Full Screen");
    case Helper::BrowserRefresh: return QStringLiteral("Browser Refresh");
    case Helper::CreatingSimpleTables: return QStringLiteral("Creating Simple Tables");
    case Helper::TogglingImageView: return QStringLiteral("Toggling Image View");
    case Helper::WordwrapAndLineNumbers: return QStringLiteral("Wordwrap and Line Numbers");
    case Helper::SettingADefaultExtension: return QStringLiteral("Setting a Default Extension");
    case Helper::InternalClipboardContents: return QStringLiteral("Internal Clipboard Contents");
    case Helper::SavingToDefault: return QStringLiteral("Saving To Default");
    case Helper::CharacterConversions: return QStringLiteral("Character Conversions");
    }
    return {};
}

void ShowHelper(int number, const QString& caption, bool& flag, const TipBook& book, QWidget* parent)
{
    if (!flag)
        return;
    TfTipOfTheDay dialog(book, parent);
    dialog.setIndex(number);
    dialog.prepareAsHelper(caption);
    QObject::connect(&dialog, &QDialog::finished, [&flag, &dialog] { flag = dialog.showAtStartup(); });
    dialog.exec();
}
