#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QSettings;

// Every per-user setting of the program, one nested record per stored section. The main window
// reads the record once at start (ReadIni), the option dialogs change it while the program runs,
// and the window writes it back when it closes (SaveIni). The initial values are the values of a
// first start, so a missing or unusable stored value simply leaves them.
//
// Colours are held the way they are stored: decimal text of a Windows colour value (0x00BBGGRR);
// an empty text means the control keeps its own colour. colourFromText / colourToText convert.
struct TesseraSettings {
    static constexpr int recentFileCount = 4;
    static constexpr int helperFlagCount = 10;
    static constexpr int customTabCount = 4;

    struct LastFiles {
        // Most recent first.
        QString files[recentFileCount];
        // Open files[0] at start when it exists.
        bool autoLoad = false;

        friend bool operator==(const LastFiles&, const LastFiles&) = default;
    } lastFiles;

    struct Helpers {
        // One flag per one-time hint, in hint order: NewFile, fullscreen, BrowserRefresh,
        // SimpleTable, ImageDisplaying, Wordwrap, DefaultExtension, InternalClipboard,
        // SavingToDefault, ExpandingChars. A hint is shown while its flag is set.
        bool flags[helperFlagCount] = {true, true, true, true, true, true, true, true, true, true};
        bool showTipOfTheDay = true;
        // Index of the last shown tip plus 2.
        int tipNumber = 10;

        friend bool operator==(const Helpers&, const Helpers&) = default;
    } helpers;

    struct Spelling {
        // Ask before a word goes into the user dictionary.
        bool autoAdd = false;
        bool skipHtml = true;
        int suggestCount = 10;
        int language = 0;
        // Stored code of the spelling dialog's look (0, 1 or 2); see dialogTypeFromStyle.
        int dialogStyle = 0;
        // Rank suggestions the original way (sound code and pattern similarity).
        bool classicSuggestions = false;
        // The main dictionary's file name in the program directory; empty: the language's own.
        QString dictionaryName;

        friend bool operator==(const Spelling&, const Spelling&) = default;
    } spelling;

    struct Defaults {
        bool expandCharsToHtml = true;
        // Editor tab stop size; 0 leaves the editor's own.
        int tabSize = 0;
        bool showHints = false;
        bool showProjectPanel = true;
        bool autoUpdate = false;
        bool wordwrap = false;
        QString backgroundColor;
        bool showImages = true;
        // The split preview keeps the editor caret's part of the page in view.
        bool followCaret = false;
        QString browser1;
        QString browser2;
        bool browser1Prefix = false;
        bool browser2Prefix = false;
        bool useBr = false;
        QString fontName;
        QString fontSize;
        QString fontColor;
        QString fontStyle;
        QString htmlFontName;
        QString htmlFontSize;
        QString htmlFontColor;
        QString htmlBackgroundColor;
        QString syntaxBgColor;
        QString syntaxFgColor;
        QString highlightBgColor;
        QString highlightFgColor;
        QString extension = QStringLiteral("html,htm,shtm,shtml");
        QString graphicExtension = QStringLiteral("gif,jpg");
        bool useClosingP = false;
        // Line ends when saving: 0 as the system's, 1 Mac style, 2 Unix style.
        int fileFormat = 0;
        bool autoIndent = false;
        int fontSizeChange = 2;
        bool showCustom[customTabCount] = {};
        QString customCaption[customTabCount];
        // Written into the META tags of new pages.
        QString authorName;

        friend bool operator==(const Defaults&, const Defaults&) = default;
    } defaults;

    struct WindowAttributes {
        bool maximized = false;
        int top = 0;
        int left = 0;
        // 0 keeps the window's design placement.
        int width = 0;
        int height = 0;
        int splitPosition = 0;
        // The editor's share of the split in millionths (0: none stored), so a split made in a
        // small window is not restored as a sliver in a large one.
        int splitShare = 0;
        static constexpr int wholeShare = 1000000;
        // 1 puts the preview in the alternative direction.
        int splitDirection = 0;

        friend bool operator==(const WindowAttributes&, const WindowAttributes&) = default;
    } windowAttributes;

    // Resets the record to first-start values, then reads every section from `settings` (or from
    // the program's own settings store). Values of the wrong type, out of range or garbled keep
    // their first-start value.
    void ReadIni(QSettings& settings);
    void ReadIni();

    // Writes every section. Returns false with the reason in `error` when the store could not be
    // written (a read-only or unwritable settings file, for instance).
    bool SaveIni(QSettings& settings, QString* error = nullptr) const;
    bool SaveIni(QString* error = nullptr) const;

    friend bool operator==(const TesseraSettings&, const TesseraSettings&) = default;
};

// Longest stored length of each limited text; longer values are cut when read. File and browser
// paths have no limit: a cut path names another file.
namespace SettingsLimits {
constexpr int shortText = 15;   // colours of tags and selections, custom tab captions
constexpr int text = 25;        // font names, sizes, colours and styles, background colour
constexpr int extensions = 100; // extension lists
constexpr int authorName = 50;
} // namespace SettingsLimits

// The colour a stored colour text names, or nothing for an empty, garbled or system colour text
// (the control then keeps its own colour).
std::optional<QColor> colourFromText(const QString& text);
// The stored text of a colour; empty for an invalid colour.
QString colourToText(const QColor& colour);
// The same two conversions for the number itself (0x00BBGGRR); negative (system colour) and
// larger values name no colour.
std::optional<QColor> colourFromValue(qint64 value);
qint64 colourValue(const QColor& colour);

// The stored font size text as points, or nothing when empty or not a usable size.
std::optional<int> fontSizeFromText(const QString& text);

// The spelling dialog type selected by a stored "DialogStyle" code, and back (codes 0 and 1 swap).
int dialogTypeFromStyle(int style);
int dialogStyleFromType(int type);
