#pragma once
// Uniform, line-by-line access to a control's text for the spell check. The buffer keeps a copy
// of the line being scanned; after a replacement it reads the line back, so that later words on
// the same line are found where they now are.
#include "spell/engine/wordscanner.h"

#include <QString>

#include <string>

class QPlainTextEdit;
class TLEdit;

struct SpellWord {
    QString text;        // as read: character references decoded, typographic apostrophes plain
    QString source;      // as the control holds it
    int line = 0;        // 0-based line index within the control
    int startColumn = 0; // UTF-16 columns within the line, end exclusive
    int endColumn = 0;
    int characters = 0;
    bool allDigits = true;
};

class TAbsBuffer {
public:
    explicit TAbsBuffer(bool skipHtml) : m_scanner(skipHtml) {}
    virtual ~TAbsBuffer() = default;
    TAbsBuffer(const TAbsBuffer&) = delete;
    TAbsBuffer& operator=(const TAbsBuffer&) = delete;

    // The next word after the current one; false at the end of the text.
    bool getNextWord();
    const SpellWord& currentWord() const { return m_word; }
    // Selects the current word in the control; returns its vertical position on the screen.
    int selectCurrentWord();
    // Replaces the current word when the control still holds it where it was found; false
    // (nothing changed) otherwise. The replacement is written the way the control wrote the word
    // (with character references where it used them).
    bool replaceCurrentWord(const QString& replacement);

protected:
    virtual int lineCount() const = 0;
    virtual QString lineText(int index) const = 0;
    virtual void select(int index, int startColumn, int endColumn) = 0;
    virtual bool selectionIs(int index, int startColumn, int endColumn) const = 0;
    virtual void replaceSelection(const QString& text) = 0;
    virtual int screenY(int index, int column) const = 0;

private:
    void loadLine(int index);

    tessera::spell::WordScanner m_scanner;
    int m_lineIndex = -1;
    std::string m_line; // UTF-8 copy of the current line
    std::size_t m_position = 0;
    std::size_t m_wordBegin = 0;
    SpellWord m_word;
};

// The editor control. Its lines are numbered from 1; the buffer counts from 0 and converts in
// toEditorLine() only.
class TLEditBuffer : public TAbsBuffer {
public:
    TLEditBuffer(TLEdit* editor, bool skipHtml);
    static int toEditorLine(int index);

protected:
    int lineCount() const override;
    QString lineText(int index) const override;
    void select(int index, int startColumn, int endColumn) override;
    bool selectionIs(int index, int startColumn, int endColumn) const override;
    void replaceSelection(const QString& text) override;
    int screenY(int index, int column) const override;

private:
    TLEdit* m_editor;
};

// A plain multi-line edit control.
class TCEBuffer : public TAbsBuffer {
public:
    TCEBuffer(QPlainTextEdit* edit, bool skipHtml);

protected:
    int lineCount() const override;
    QString lineText(int index) const override;
    void select(int index, int startColumn, int endColumn) override;
    bool selectionIs(int index, int startColumn, int endColumn) const override;
    void replaceSelection(const QString& text) override;
    int screenY(int index, int column) const override;

private:
    QPlainTextEdit* m_edit;
};
