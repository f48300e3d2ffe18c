#pragma once

#include "editor/editorline.h"
#include "editor/editorselection.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QWidget>
#include <QtGlobal>

#include <array>

class QDragMoveEvent;
class QDropEvent;
class QInputMethodEvent;
class QKeyEvent;
class QsciLexerHTML;
class QsciScintilla;
class TLEditView;

// A key press offered to the owner before the editor acts on it. The handler may swallow the
// key, or change key, modifiers and text so that the editor types another key instead.
struct TLEditKeyPress {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool swallowed = false;
};

// The answers the owner may give when the editor is about to replace its text.
enum class StoreAnswer {
    NoAnswer = 0,
    Store = 1,      // write the current text to FileName() first
    DoNotStore = 2, // replace it without storing
};

// The editor's question for the colours of highlighted tags. An owner that answers 3 has its
// colours used; any other answer leaves the editor's own, blue on white.
struct ControlHighlight {
    static constexpr int useColours = 3;
    QColor foreground = Qt::blue;
    QColor background = Qt::white;
    int answer = 2;
};

// The editor's question for the partner of a bracket item. The editor numbers the items of its
// syntax from 1 ("<" ">" "(" ")" "[" "]" "{" "}"); `request` carries flagPartner and the item
// number in its high 16 bits. The owner answers a direction and the partner's number, again in
// the high 16 bits.
struct FindBraceRequest {
    static constexpr quint32 flagPartner = 0x8000;
    enum Direction { NoPartner = 0, Forward = 1, Backward = 2 };
    quint32 request = 0;
    int direction = NoPartner;
    quint32 partner = 0;
};

// The bracket shown highlighted at the caret and its partner, in editor lines and columns;
// a column of -1 means none (no bracket, or a bracket whose partner was not found).
struct BraceHighlight {
    int line = 0;
    int column = -1;
    int partnerLine = 0;
    int partnerColumn = -1;
    bool operator==(const BraceHighlight&) const = default;
};

// Search options shared by the find and replace operations and their dialogs.
struct FindOptions {
    bool matchCase = false;
    bool wholeWords = false;
    bool backwards = false;
};

// The source editor: an HTML-highlighting text editor whose interface speaks in editor lines
// (first line 1) and UTF-16 columns. The selection is read into and applied from a cached
// record, as the rest of the program expects.
class TLEdit : public QWidget {
    Q_OBJECT
public:
    static constexpr int BookmarksMax = 16;
    static constexpr int defaultTrackingLevel = 5;
    static inline const QString untitledFileName = QStringLiteral("<<untitled>>");

    explicit TLEdit(QWidget* parent = nullptr);
    ~TLEdit() override;

    // The cached selection record: the accessors read and write the cache only.
    int StartLine() const { return m_selection.StartLine; }
    int StartPos() const { return m_selection.StartPos; }
    int EndLine() const { return m_selection.EndLine; }
    int EndPos() const { return m_selection.EndPos; }
    void setStartLine(int line) { m_selection.StartLine = line; }
    void setStartPos(int column) { m_selection.StartPos = column; }
    void setEndLine(int line) { m_selection.EndLine = line; }
    void setEndPos(int column) { m_selection.EndPos = column; }
    EditorSelection cachedSelection() const { return m_selection; }

    // Fills the cache from the editor and returns it.
    EditorSelection GetSelection();
    // Selects the cached range and moves the caret to its end. Lines below 1 mean the first line
    // and lines past the end the last one; columns are clamped to their line's length.
    void SetSelection();
    void SetSelection(const EditorSelection& selection);
    void SetSelection(int startLine, int startPos, int endLine, int endPos);

    int selectionLength() const;
    bool hasSelection() const { return selectionLength() > 0; }
    // The selected text; also kept as cachedSelText().
    QString GetSelText();
    QString cachedSelText() const { return m_selText; }

    // Files. "<<untitled>>" is never loaded (success, nothing changes). Text that is not valid
    // UTF-8 is read byte for byte as Latin-1 and written back the same way.
    bool LoadFromFile(const QString& fileName);
    bool SaveToFile(const QString& fileName);
    QString errorString() const { return m_errorString; }
    QString FileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }

    // Whole text. The block is the UTF-8 text, for handing to the preview or another editor.
    QString Text() const;
    void setText(const QString& text);
    QByteArray textBlock() const;
    void insertBlock(const QByteArray& utf8);
    void clearAll();

    // Replaces the selection (or inserts at the caret); the caret ends after the text.
    void replaceSelection(const QString& text);
    void InsertText(const QString& text);
    // Adds text after the last character as one undo step; caret and selection stay.
    void appendText(const QString& text);
    void deleteSelection();

    int lineCount() const;
    int lineLength(int line) const;
    QString lineText(int line) const;
    // Replaces the text of a line (its line break stays) and restores the previous selection.
    void setLineText(int line, const QString& text);
    // Selects the caret line first when nothing is selected, and returns the selected text.
    QString currentLineText();
    void selectLine(int line);
    // The word under the caret by the double-click rule: a run of characters that are neither
    // blanks nor "<" / ">", with a "<" directly before it counted as its first character.
    QString CurrentWordAsText() const;
    void ensureCaretVisible();

    // Modified flag, kept per tracking level: reading gives whether the text changed since the
    // flag was last cleared at the current level.
    int trackingLevel() const { return m_trackingLevel; }
    void setTrackingLevel(int level) { m_trackingLevel = level; }
    bool modified() const;
    void setModified(bool modified);

    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;
    int UndoDepth() const { return m_undoDepth; }
    void setUndoDepth(int depth);

    int TabStopSize() const { return m_tabStopSize; }
    void setTabStopSize(int size);
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wrap);
    bool InsertMode() const;
    void setInsertMode(bool insert);
    bool AutoIndent() const;
    void setAutoIndent(bool on);
    bool ReadOnly() const;
    void setReadOnly(bool readOnly);
    bool Highlight() const { return m_highlight; }
    void setHighlight(bool on);
    // The line ends its owner gives a saved page: Mac style CR, Unix style LF, neither keeps each
    // line end as it is. The editor's own text is never converted.
    bool MacStyleSave() const { return m_macStyleSave; }
    void setMacStyleSave(bool on) { m_macStyleSave = on; }
    bool UnixStyleSave() const { return m_unixStyleSave; }
    void setUnixStyleSave(bool on) { m_unixStyleSave = on; }

    // Looks. The font is the default font of every highlighting style.
    QFont editorFont() const { return m_font; }
    void setEditorFont(const QFont& font);
    // The colour of the page's text outside tags.
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color);
    QColor Color() const { return m_color; }
    void setColor(const QColor& color);
    void setSelectionColors(const QColor& foreground, const QColor& background);
    QColor ForeColorSelected() const { return m_selectedForeground; }
    QColor BackColorSelected() const { return m_selectedBackground; }
    BraceHighlight braceHighlight() const { return m_brace; }

    // Asks the owner for the tag colours again (OnControlHighlight) and shows them.
    void refreshHighlight();

    // Bookmarks 0-15 follow their line as text is edited. bookmarkLine() gives 0 for a bookmark
    // that is not set (no editor line has that number).
    void setBookmark(int number, int line);
    int bookmarkLine(int number) const;
    // Shape codes: 0 circle, 1 rectangle, 2 arrow, 3 rounded rectangle, 4 bookmark flag.
    void setBookmarkLook(int shape, const QColor& foreground, const QColor& background);

    void cut();
    void copy();
    void paste();
    void duplicate();
    void selectAll();

    // Search. A match becomes the selection; a failed search leaves the selection unchanged.
    // Searching forward starts at the end of the selection, backward at its start; it does not
    // wrap around.
    void setSearchText(const QString& text) { m_searchText = text; }
    QString searchText() const { return m_searchText; }
    void setReplacementText(const QString& text) { m_replacementText = text; }
    QString replacementText() const { return m_replacementText; }
    void setFindOptions(const FindOptions& options) { m_findOptions = options; }
    FindOptions findOptions() const { return m_findOptions; }
    bool find();
    // Replaces the first match at or after the selection start and selects the replacement.
    bool replace();
    // True when the selection is exactly one match of the search text.
    bool selectionMatches() const;
    // Replaces every match in the text as one undo step; returns how many were replaced.
    int replaceAll();

    // The modal dialogs. Find Next without a search text opens the find dialog.
    void showFindDialog();
    void findNext();
    void showReplaceDialog();
    void showGoToLineDialog();

    // Frees key chords for the owner's shortcuts: the editor drops its own bindings for them,
    // never lets them override a shortcut, and passes them on unhandled when they reach it.
    void releaseKeys(const QList<QKeySequence>& chords);

    // The editing widget, for what the interface above does not cover (lexer styles, margins).
    QsciScintilla* scintilla() const;
    QsciLexerHTML* lexer() const { return m_lexer; }

Q_SIGNALS:
    // The text changed.
    void OnChange();
    // Insert/overwrite changed.
    void OnChangeMode();
    // Asked before LoadFromFile replaces modified text; set *answer to a StoreAnswer value.
    void OnAskIfStoreFile(int* answer);
    void OnFileError(const QString& message);
    void OnNewFile();
    void OnGotFocus();
    void OnLostFocus();
    void OnHorzScroll();
    void OnVertScroll();
    // Before the editor acts on a key press, or on a single character committed by an input
    // method (then with key 0).
    void OnKeyPress(TLEditKeyPress* keyPress);
    void OnKeyUp();
    void OnMouseDown();
    // After a double click has selected the word under the pointer (see CurrentWordAsText).
    void OnDblClick();
    // A drag over or a drop on the text. Setting *handled keeps the editor's own handling away.
    void OnDragOver(QDragMoveEvent* event, bool* handled);
    void OnDragDrop(QDropEvent* event, bool* handled);
    // Asked whenever the editor styles its tags.
    void OnControlHighlight(ControlHighlight* request);
    // Asked when the caret stands at a bracket item, to show it with its partner.
    void OnFindBrace(FindBraceRequest* request);
    // A click (not a drag) put the caret on a word; the word by the double-click rule.
    void OnWordClick(const QString& word);
    // The editor has painted its text.
    void OnPaint();
    // The caret moved; editor line and column.
    void caretMoved(int line, int column);
    void selectionChanged();

private:
    friend class TLEditView;

    int toPosition(int line, int column) const;
    void positionToLineColumn(int position, int* line, int* column) const;
    bool findFrom(int from, bool backwards, int* matchStart, int* matchEnd) const;
    bool isReleased(const QKeyEvent* event) const;
    void textModified(int modificationType);
    void handleKeyPress(QKeyEvent* event);
    // Returns whether the owner took the committed character.
    bool handleCommittedCharacter(QInputMethodEvent* event);
    void handleDoubleClick();
    void readText(const QByteArray& bytes);
    void applyLook();
    void emitCaret();
    void matchBrace();
    int partnerPosition(int position, char item, char partner, bool forward) const;

    TLEditView* m_view = nullptr;
    QsciLexerHTML* m_lexer = nullptr;
    EditorSelection m_selection;
    QString m_selText;
    QString m_fileName = untitledFileName;
    bool m_fileIsLatin1 = false;
    QString m_errorString;

    int m_trackingLevel = defaultTrackingLevel;
    QHash<int, bool> m_modifiedAt;
    bool m_changedSinceStart = false;

    int m_undoDepth = 100;
    int m_undoSteps = 0;
    int m_redoSteps = 0;
    bool m_inUndoRedo = false;

    int m_tabStopSize = 5;
    bool m_wordWrap = false;
    bool m_highlight = true;
    bool m_macStyleSave = false;
    bool m_unixStyleSave = false;
    QFont m_font;
    QColor m_color = Qt::white;
    QColor m_fontColor = Qt::black;
    QColor m_selectedForeground = Qt::white;
    QColor m_selectedBackground = QColor(0, 0, 128);

    std::array<int, BookmarksMax> m_bookmarkHandles;
    int m_bookmarkMarker = 1;

    QString m_searchText;
    QString m_replacementText;
    FindOptions m_findOptions;

    QList<int> m_releasedKeys;
    bool m_lastInsertMode = true;
    BraceHighlight m_brace;
    int m_caretLine = 1;
    int m_caretColumn = 0;
};
