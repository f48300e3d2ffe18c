#include "spell/dialogs/spellbuffer.h"

#include "editor/editorline.h"
#include "editor/tledit.h"

#include <Qsci/qsciscintilla.h>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>

namespace {
int utf16Length(const std::string& utf8, std::size_t bytes)
{
    return static_cast<int>(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(bytes)).size());
}
} // namespace

void TAbsBuffer::loadLine(int index)
{
    m_lineIndex = index;
    m_line = lineText(index).toStdString();
    m_position = 0;
}

bool TAbsBuffer::getNextWord()
{
    if (m_lineIndex < 0)
        loadLine(0);
    tessera::spell::WordSpan span;
    while (!m_scanner.next(m_line, m_position, span)) {
        if (m_lineIndex + 1 >= lineCount())
            return false;
        loadLine(m_lineIndex + 1);
    }
    m_wordBegin = span.begin;
    m_position = span.end;
    m_word.text = QString::fromStdString(span.text);
    m_word.source = QString::fromUtf8(m_line.data() + span.begin, static_cast<qsizetype>(span.end - span.begin));
    m_word.line = m_lineIndex;
    m_word.startColumn = utf16Length(m_line, span.begin);
    m_word.endColumn = m_word.startColumn + static_cast<int>(m_word.source.size());
    m_word.characters = static_cast<int>(span.characters);
    m_word.allDigits = span.allDigits;
    return true;
}

int TAbsBuffer::selectCurrentWord()
{
    select(m_word.line, m_word.startColumn, m_word.endColumn);
    return screenY(m_word.line, m_word.startColumn);
}

bool TAbsBuffer::replaceCurrentWord(const QString& replacement)
{
    // The control must still hold the word where it was found; otherwise the replacement would
    // land on other text.
    // The user may have clicked elsewhere while the dialog waited, so the word is selected again
    // first; text that no longer matches is left alone.
    const QString line = lineText(m_word.line);
    if (m_word.endColumn > line.size()
        || line.mid(m_word.startColumn, m_word.endColumn - m_word.startColumn) != m_word.source)
        return false;
    select(m_word.line, m_word.startColumn, m_word.endColumn);
    if (!selectionIs(m_word.line, m_word.startColumn, m_word.endColumn))
        return false;
    const std::string written = tessera::spell::inSourceForm(replacement.toStdString(), m_word.source.toStdString());
    replaceSelection(QString::fromStdString(written));
    // Work on the line as it now reads, continuing after the replacement.
    loadLine(m_word.line);
    m_position = std::min(m_wordBegin + written.size(), m_line.size());
    m_word.text = replacement;
    m_word.source = QString::fromStdString(written);
    m_word.endColumn = m_word.startColumn + static_cast<int>(m_word.source.size());
    return true;
}

TLEditBuffer::TLEditBuffer(TLEdit* editor, bool skipHtml) : TAbsBuffer(skipHtml), m_editor(editor) {}

int TLEditBuffer::toEditorLine(int index)
{
    return EditorLine::fromIndex(index);
}

int TLEditBuffer::lineCount() const
{
    return m_editor->lineCount();
}

QString TLEditBuffer::lineText(int index) const
{
    return m_editor->lineText(toEditorLine(index));
}

void TLEditBuffer::select(int index, int startColumn, int endColumn)
{
    m_editor->SetSelection(toEditorLine(index), startColumn, toEditorLine(index), endColumn);
    m_editor->ensureCaretVisible();
}

bool TLEditBuffer::selectionIs(int index, int startColumn, int endColumn) const
{
    const EditorSelection selection = m_editor->GetSelection();
    const int line = toEditorLine(index);
    return selection.StartLine == line && selection.EndLine == line
        && std::min(selection.StartPos, selection.EndPos) == startColumn
        && std::max(selection.StartPos, selection.EndPos) == endColumn;
}

void TLEditBuffer::replaceSelection(const QString& text)
{
    // The check keeps the editor read-only against the user; its own replacements go through.
    const bool readOnly = m_editor->ReadOnly();
    m_editor->setReadOnly(false);
    m_editor->replaceSelection(text);
    m_editor->setReadOnly(readOnly);
}

int TLEditBuffer::screenY(int index, int column) const
{
    QsciScintilla* sci = m_editor->scintilla();
    const int line = EditorLine::toIndex(toEditorLine(index));
    const long position = sci->positionFromLineIndex(line, column);
    const int y = static_cast<int>(sci->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, position));
    return sci->viewport()->mapToGlobal(QPoint(0, y)).y();
}

TCEBuffer::TCEBuffer(QPlainTextEdit* edit, bool skipHtml) : TAbsBuffer(skipHtml), m_edit(edit) {}

int TCEBuffer::lineCount() const
{
    return m_edit->document()->blockCount();
}

QString TCEBuffer::lineText(int index) const
{
    return m_edit->document()->findBlockByNumber(index).text();
}

void TCEBuffer::select(int index, int startColumn, int endColumn)
{
    const QTextBlock block = m_edit->document()->findBlockByNumber(index);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + startColumn);
    cursor.setPosition(block.position() + endColumn, QTextCursor::KeepAnchor);
    m_edit->setTextCursor(cursor);
    m_edit->ensureCursorVisible();
}

bool TCEBuffer::selectionIs(int index, int startColumn, int endColumn) const
{
    const QTextBlock block = m_edit->document()->findBlockByNumber(index);
    const QTextCursor cursor = m_edit->textCursor();
    return cursor.selectionStart() == block.position() + startColumn
        && cursor.selectionEnd() == block.position() + endColumn;
}

void TCEBuffer::replaceSelection(const QString& text)
{
    const bool readOnly = m_edit->isReadOnly();
    m_edit->setReadOnly(false);
    m_edit->textCursor().insertText(text);
    m_edit->setReadOnly(readOnly);
}

int TCEBuffer::screenY(int index, int column) const
{
    const QTextBlock block = m_edit->document()->findBlockByNumber(index);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + column);
    return m_edit->viewport()->mapToGlobal(m_edit->cursorRect(cursor).topLeft()).y();
}
