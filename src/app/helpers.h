#pragma once

#include <QString>

class QWidget;
class TipBook;

// The one-time hints, by number; each shows the helper line of the tips file with its number.
enum class Helper {
    OrphanPages = 1,
    FullScreen = 2,
    BrowserRefresh = 3,
    CreatingSimpleTables = 4,
    TogglingImageView = 5,
    WordwrapAndLineNumbers = 6,
    SettingADefaultExtension = 7,
    InternalClipboardContents = 8,
    SavingToDefault = 9,
    CharacterConversions = 10,
};

constexpr int helperCount = 10;

QString helperCaption(Helper helper);

// Shows helper `number` with `caption` when `flag` is set, and stores the state of its "Show
// Helper on next entry" box into `flag` as the box ends: an exit asked for while it is open
// writes the user's answer. With the flag clear nothing is shown.
void ShowHelper(int number, const QString& caption, bool& flag, const TipBook& book, QWidget* parent);
