#pragma once
// What the spell-check component is told by its owner, and the texts it shows. The owner maps
// its stored settings onto SpellOptions (see spellOptionsFromStored) so that this component
// needs nothing from the settings store.
#include <QFont>
#include <QString>

enum class TDialogTypes { dtWordPerfect = 0, dtMSWord = 1, dtWordPro96 = 2 };
enum class TLanguages { lgEnglish = 0 };
enum TAccents { acSpanish = 1 };

// Action codes the dialog's buttons leave for the check loop.
namespace SpellAction {
inline constexpr int None = 0;
inline constexpr int Close = 2;
inline constexpr int Replace = 20;
inline constexpr int Add = 21;
inline constexpr int Skip = 22;
inline constexpr int SkipAll = 23;
inline constexpr int ReplaceAll = 24;
} // namespace SpellAction

// Results of a check of one control.
namespace SpellResult {
inline constexpr int NothingReplaced = 0;
inline constexpr int Replaced = 1;
inline constexpr int Closed = 2;
} // namespace SpellResult

struct SpellOptions {
    int accentIcons = 0;                 // TAccents bits: which accent panels the dialog shows
    bool autoShift = false;              // move the dialog away from the selected word
    bool autoSuggest = false;            // fill the suggestions as soon as a word is shown
    bool confirmAdd = true;              // ask before adding a word to the user dictionary
    TDialogTypes dialogStyle = TDialogTypes::dtWordPerfect;
    QString dictionaryName;              // empty: the language's default name
    QString dictionaryPath = QStringLiteral("APPLICATIONPATH");
    TLanguages dictionaryType = TLanguages::lgEnglish;
    QString exclusionList;               // kept with the component only
    QFont font;                          // dialog font; the default means the application's, bold
    bool fontSet = false;
    int helpContext = 0;
    TLanguages labelLanguage = TLanguages::lgEnglish;
    int suggestions = 10;                // 1-255
    bool classicSuggestions = false;     // the original sound-code ranking instead of the closest words
    bool showGlyphs = true;
    bool supportHtml = false;            // skip text inside "<" ... ">"
    QString userDictionary = QStringLiteral("USERDCT.TXT");
    // What "APPLICATIONPATH" stands for: the program's own (per-user, writable) data folder.
    QString applicationPath;
};

// The main window's component: the values it sets at design time, then the "Spelling" settings.
// confirmAdd comes from the stored "AutoAdd" flag, supportHtml from "SkipHTML", suggestions from
// "SuggestCount", and the dialog type from the stored "DialogStyle" code (0 and 1 swap).
SpellOptions spellOptionsFromStored(bool autoAdd, bool skipHtml, int suggestCount, int storedDialogStyle,
                                    const QString& applicationPath);
TDialogTypes dialogTypeFromStoredCode(int code);
int storedCodeFromDialogType(TDialogTypes type);

namespace SpellText {
inline const QString notFound = QStringLiteral("Not found:");
inline const QString noErrors = QStringLiteral("No errors found. Spell checking complete...");
inline const QString complete = QStringLiteral("Spell checking complete.");
inline const QString errorOpening = QStringLiteral("Error opening dictionary ");
inline const QString unknownControl = QStringLiteral("Error : Unknown control.");
inline const QString invalidSuggestions = QStringLiteral("Invlid number of suggestions.");
inline const QString suggestionLimit = QStringLiteral("Maximum limit suggestions is 255.");
inline const QString alreadyKnown = QStringLiteral("\"%1\" already in dictionary.");
inline const QString confirmAdd = QStringLiteral("Add \"%1\" to dictionary?");
inline const QString caption = QStringLiteral("Spell Check");
} // namespace SpellText

// One row of the languages table.
struct SpellLanguage {
    QString dictionaryFile; // default dictionary file name, upper-cased
    QString notFoundLabel;
    QString noErrorsMessage;
    QString completeMessage;
};
SpellLanguage spellLanguage(TLanguages language);

inline constexpr int maxSpellWordLength = 50;
