#include "editor/tledit.h"

#include "editor/tleditdialogs.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QInputMethodEvent>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QStringDecoder>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>
#include <climits>

// The editing widget itself. It hands key, mouse, focus and drag events to its TLEdit first, so
// the owner's hooks see them before the editor acts.
class TLEditView : public QsciScintilla {
public:
    explicit TLEditView(TLEdit* owner)
        : QsciScintilla(owner)
        , m_owner(owner)
    {
    }

    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const
    {
        return SendScintilla(message, wParam, lParam);
    }
    long sendText(unsigned int message, const QByteArray& bytes) const
    {
        return SendScintilla(message, static_cast<uintptr_t>(bytes.size()), bytes.constData());
    }
    QByteArray bytes(int start, int end) const
    {
        if (end <= start)
            return {};
        const auto* data = reinterpret_cast<const char*>(send(SCI_GETRANGEPOINTER, start, end - start));
        return data ? QByteArray(data, end - start) : QByteArray();
    }

    void typeKey(QKeyEvent* event) { QsciScintilla::keyPressEvent(event); }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride
            && m_owner->isReleased(static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        return QsciScintilla::event(event);
    }
    void keyPressEvent(QKeyEvent* event) override { m_owner->handleKeyPress(event); }
    void inputMethodEvent(QInputMethodEvent* event) override
    {
        if (!m_owner->handleCommittedCharacter(event))
            QsciScintilla::inputMethodEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QsciScintilla::resizeEvent(event);
        // A selection made while the view was still small scrolled it sideways; once the caret
        // fits without that, show the lines from their start again.
        const long offset = send(SCI_GETXOFFSET);
        if (offset > 0) {
            const long caret = send(SCI_GETCURRENTPOS);
            const long caretX = send(SCI_POINTXFROMPOSITION, 0, caret) + offset;
            if (caretX < viewport()->width() - 20)
                send(SCI_SETXOFFSET, 0);
        }
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        QsciScintilla::keyReleaseEvent(event);
        Q_EMIT m_owner->OnKeyUp();
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        QsciScintilla::mousePressEvent(event);
        m_pressedAt = event->position().toPoint();
        Q_EMIT m_owner->OnMouseDown();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QsciScintilla::mouseReleaseEvent(event);
        const bool click = (event->position().toPoint() - m_pressedAt).manhattanLength() < QApplication::startDragDistance();
        if (event->button() == Qt::LeftButton && click) {
            const QString word = m_owner->CurrentWordAsText();
            if (!word.isEmpty())
                Q_EMIT m_owner->OnWordClick(word);
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        QsciScintilla::mouseDoubleClickEvent(event);
        m_owner->handleDoubleClick();
    }
    void focusInEvent(QFocusEvent* event) override
    {
        QsciScintilla::focusInEvent(event);
        Q_EMIT m_owner->OnGotFocus();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QsciScintilla::focusOutEvent(event);
        Q_EMIT m_owner->OnLostFocus();
    }
    void dragEnterEvent(QDragEnterEvent* event) override
    {
        bool handled = false;
        Q_EMIT m_owner->OnDragOver(event, &handled);
        if (!handled)
            QsciScintilla::dragEnterEvent(event);
    }
    void dragMoveEvent(QDragMoveEvent* event) override
    {
        bool handled = false;
        Q_EMIT m_owner->OnDragOver(event, &handled);
        if (!handled)
            QsciScintilla::dragMoveEvent(event);
    }
    void dropEvent(QDropEvent* event) override
    {
        bool handled = false;
        Q_EMIT m_owner->OnDragDrop(event, &handled);
        if (!handled)
            QsciScintilla::dropEvent(event);
    }

private:
    TLEdit* m_owner;
    QPoint m_pressedAt;
};

namespace {

int keyCombination(const QKeyEvent* event)
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return static_cast<int>(modifiers.toInt()) | event->key();
}

// The editor's bracket items in the order of their numbers: item n is bracketItems[n - 1].
constexpr std::string_view bracketItems = "<>()[]{}";

bool isWordCharacter(QChar c)
{
    return !c.isSpace() && c != QLatin1Char('<') && c != QLatin1Char('>');
}

// Characters a Latin-1 file cannot hold are written as numeric character references, which
// every browser reads back as the same character.
QByteArray toLatin1WithReferences(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (auto it = text.begin(); it != text.end(); ++it) {
        const char16_t unit = it->unicode();
        if (unit < 0x100) {
            out.append(static_cast<char>(unit));
            continue;
        }
        char32_t codePoint = unit;
        if (QChar::isHighSurrogate(unit) && it + 1 != text.end() && (it + 1)->isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(unit, (it + 1)->unicode());
            ++it;
        }
        out.append("&#").append(QByteArray::number(static_cast<uint>(codePoint))).append(';');
    }
    return out;
}

} // namespace

TLEdit::TLEdit(QWidget* parent)
    : QWidget(parent)
    , m_view(new TLEditView(this))
    , m_lexer(new QsciLexerHTML(this))
{
    m_bookmarkHandles.fill(-1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    m_view->setUtf8(true);
    m_view->setEolMode(QsciScintilla::EolWindows);
    m_view->setAutoIndent(true);
    // Brackets are matched through OnFindBrace, so the owner decides what pairs with what.
    m_view->setBraceMatching(QsciScintilla::NoBraceMatch);
    m_view->setTabWidth(m_tabStopSize);
    m_view->setIndentationsUseTabs(true);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->send(QsciScintillaBase::SCI_SETSCROLLWIDTH, 1);
    m_view->send(QsciScintillaBase::SCI_SETSCROLLWIDTHTRACKING, 1);
    // The owner supplies the pop-up menu; the editing widget's own one would bypass its hooks.
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setMarginWidth(0, 0);
    m_view->setMarginWidth(1, 14);
    m_view->setMarginSensitivity(1, false);
    m_view->setMarginMarkerMask(1, 1 << m_bookmarkMarker);
    setBookmarkLook(3, Qt::black, Qt::white);

    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(13);
    m_view->setLexer(m_lexer);
    setEditorFont(font);

    connect(m_view, &QsciScintilla::selectionChanged, this, &TLEdit::selectionChanged);
    connect(m_view, &QsciScintilla::cursorPositionChanged, this, [this] {
        emitCaret();
        matchBrace();
    });
    connect(m_view, &QsciScintillaBase::SCN_PAINTED, this, &TLEdit::OnPaint);
    connect(m_view, &QsciScintillaBase::SCN_MODIFIED, this,
        [this](int, int type, const char*, int, int, int, int, int, int, int) { textModified(type); });
    connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged, this, &TLEdit::OnVertScroll);
    connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, this, &TLEdit::OnHorzScroll);
    m_lastInsertMode = InsertMode();
}

TLEdit::~TLEdit()
{
    // The view goes first, while this is still a whole editor: a focused view loses its focus
    // as it is torn down and reports that to its owner.
    delete m_view;
}

QsciScintilla* TLEdit::scintilla() const
{
    return m_view;
}

// ---- positions ---------------------------------------------------------------------------

int TLEdit::toPosition(int line, int column) const
{
    const int lines = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETLINECOUNT));
    const int index = std::clamp(EditorLine::toIndex(line), 0, lines - 1);
    const auto start = m_view->send(QsciScintillaBase::SCI_POSITIONFROMLINE, index);
    const auto end = m_view->send(QsciScintillaBase::SCI_GETLINEENDPOSITION, index);
    const auto length = m_view->send(QsciScintillaBase::SCI_COUNTCODEUNITS, start, end);
    const long units = std::clamp<long>(column, 0, length);
    return static_cast<int>(m_view->send(QsciScintillaBase::SCI_POSITIONRELATIVECODEUNITS, start, units));
}

void TLEdit::positionToLineColumn(int position, int* line, int* column) const
{
    const auto index = m_view->send(QsciScintillaBase::SCI_LINEFROMPOSITION, position);
    const auto start = m_view->send(QsciScintillaBase::SCI_POSITIONFROMLINE, index);
    *line = EditorLine::fromIndex(static_cast<int>(index));
    *column = static_cast<int>(m_view->send(QsciScintillaBase::SCI_COUNTCODEUNITS, start, position));
}

void TLEdit::emitCaret()
{
    int line = 0;
    int column = 0;
    positionToLineColumn(static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETCURRENTPOS)), &line, &column);
    if (line == m_caretLine && column == m_caretColumn)
        return;
    m_caretLine = line;
    m_caretColumn = column;
    Q_EMIT caretMoved(line, column);
}

void TLEdit::matchBrace()
{
    const int caret = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETCURRENTPOS));
    const int length = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETLENGTH));
    // The bracket just after the caret counts, and else the one just before it.
    int position = -1;
    std::size_t item = std::string_view::npos;
    for (const int candidate : {caret, caret - 1}) {
        if (candidate < 0 || candidate >= length)
            continue;
        item = bracketItems.find(static_cast<char>(m_view->send(QsciScintillaBase::SCI_GETCHARAT, candidate)));
        if (item != std::string_view::npos) {
            position = candidate;
            break;
        }
    }
    m_brace = BraceHighlight();
    if (position < 0) {
        m_view->send(QsciScintillaBase::SCI_BRACEHIGHLIGHT, static_cast<unsigned long>(-1), -1);
        return;
    }
    FindBraceRequest request;
    request.request = (static_cast<quint32>(item + 1) << 16) | FindBraceRequest::flagPartner;
    Q_EMIT OnFindBrace(&request);
    const std::size_t partner = (request.partner >> 16) - 1;
    if (request.direction == FindBraceRequest::NoPartner || partner >= bracketItems.size()) {
        m_view->send(QsciScintillaBase::SCI_BRACEHIGHLIGHT, static_cast<unsigned long>(-1), -1);
        return;
    }
    const int match = partnerPosition(position, bracketItems[item], bracketItems[partner],
        request.direction == FindBraceRequest::Forward);
    positionToLineColumn(position, &m_brace.line, &m_brace.column);
    if (match < 0) {
        m_view->send(QsciScintillaBase::SCI_BRACEBADLIGHT, static_cast<unsigned long>(position));
        return;
    }
    positionToLineColumn(match, &m_brace.partnerLine, &m_brace.partnerColumn);
    m_view->send(QsciScintillaBase::SCI_BRACEHIGHLIGHT, static_cast<unsigned long>(position), match);
}

int TLEdit::partnerPosition(int position, char item, char partner, bool forward) const
{
    const int length = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETLENGTH));
    const auto* text = reinterpret_cast<const char*>(m_view->send(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    if (!text)
        return -1;
    // Brackets are ASCII, so the UTF-8 bytes can be scanned directly; nested pairs are skipped.
    int depth = 0;
    const int step = forward ? 1 : -1;
    for (int i = position + step; i >= 0 && i < length; i += step) {
        if (text[i] == partner && depth-- == 0)
            return i;
        if (text[i] == item && item != partner)
            ++depth;
    }
    return -1;
}

// ---- selection ---------------------------------------------------------------------------

EditorSelection TLEdit::GetSelection()
{
    const int anchor = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETANCHOR));
    const int caret = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETCURRENTPOS));
    positionToLineColumn(anchor, &m_selection.StartLine, &m_selection.StartPos);
    positionToLineColumn(caret, &m_selection.EndLine, &m_selection.EndPos);
    return m_selection;
}

void TLEdit::SetSelection()
{
    const int anchor = toPosition(m_selection.StartLine, m_selection.StartPos);
    const int caret = toPosition(m_selection.EndLine, m_selection.EndPos);
    m_view->send(QsciScintillaBase::SCI_SETSEL, anchor, caret);
    // The view reports caret moves only when it next paints; callers of this want it at once.
    emitCaret();
}

void TLEdit::SetSelection(const EditorSelection& selection)
{
    m_selection = selection;
    SetSelection();
}

void TLEdit::SetSelection(int startLine, int startPos, int endLine, int endPos)
{
    SetSelection(EditorSelection { startPos, endPos, startLine, endLine });
}

int TLEdit::selectionLength() const
{
    const auto start = m_view->send(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const auto end = m_view->send(QsciScintillaBase::SCI_GETSELECTIONEND);
    return static_cast<int>(m_view->send(QsciScintillaBase::SCI_COUNTCODEUNITS, start, end));
}

QString TLEdit::GetSelText()
{
    const int start = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETSELECTIONSTART));
    const int end = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETSELECTIONEND));
    m_selText = QString::fromUtf8(m_view->bytes(start, end));
    return m_selText;
}

// ---- files -------------------------------------------------------------------------------

void TLEdit::readText(const QByteArray& bytes)
{
    m_view->send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0);
    m_view->send(QsciScintillaBase::SCI_CLEARALL);
    m_view->sendText(QsciScintillaBase::SCI_ADDTEXT, bytes);
    m_view->send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1);
    m_view->send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    m_undoSteps = 0;
    m_redoSteps = 0;
    m_view->send(QsciScintillaBase::SCI_GOTOPOS, 0);

    // New lines typed into the page end the way the file's lines already do.
    const qsizetype lineFeed = bytes.indexOf('\n');
    const qsizetype carriageReturn = bytes.indexOf('\r');
    if (carriageReturn >= 0 && lineFeed == carriageReturn + 1)
        m_view->setEolMode(QsciScintilla::EolWindows);
    else if (lineFeed >= 0 && (carriageReturn < 0 || lineFeed < carriageReturn))
        m_view->setEolMode(QsciScintilla::EolUnix);
    else if (carriageReturn >= 0)
        m_view->setEolMode(QsciScintilla::EolMac);
}

bool TLEdit::LoadFromFile(const QString& fileName)
{
    m_errorString.clear();
    if (fileName == untitledFileName)
        return true;

    if (modified()) {
        int answer = static_cast<int>(StoreAnswer::NoAnswer);
        Q_EMIT OnAskIfStoreFile(&answer);
        if (answer == static_cast<int>(StoreAnswer::Store) && m_fileName != untitledFileName
            && !SaveToFile(m_fileName))
            return false; // the unsaved text stays rather than being lost
    }

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        m_errorString = tr("Cannot open %1: %2").arg(fileName, file.errorString());
        Q_EMIT OnFileError(m_errorString);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_errorString = tr("Cannot read %1: %2").arg(fileName, file.errorString());
        Q_EMIT OnFileError(m_errorString);
        return false;
    }

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    m_fileIsLatin1 = utf8.hasError();
    readText(m_fileIsLatin1 ? QString::fromLatin1(bytes).toUtf8() : bytes);

    m_modifiedAt.clear();
    m_changedSinceStart = false;
    Q_EMIT OnNewFile();
    return true;
}

bool TLEdit::SaveToFile(const QString& fileName)
{
    m_errorString.clear();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        m_errorString = tr("Cannot write %1: %2").arg(fileName, file.errorString());
        Q_EMIT OnFileError(m_errorString);
        return false;
    }
    const QByteArray bytes = m_fileIsLatin1 ? toLatin1WithReferences(Text()) : textBlock();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        m_errorString = tr("Cannot write %1: %2").arg(fileName, file.errorString());
        file.cancelWriting();
        Q_EMIT OnFileError(m_errorString);
        return false;
    }
    return true;
}

// ---- whole text --------------------------------------------------------------------------

QByteArray TLEdit::textBlock() const
{
    const int length = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETLENGTH));
    const auto* data = reinterpret_cast<const char*>(m_view->send(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    return data ? QByteArray(data, length) : QByteArray();
}

QString TLEdit::Text() const
{
    return QString::fromUtf8(textBlock());
}

void TLEdit::setText(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    m_view->send(QsciScintillaBase::SCI_BEGINUNDOACTION);
    m_view->send(QsciScintillaBase::SCI_CLEARALL);
    m_view->sendText(QsciScintillaBase::SCI_ADDTEXT, bytes);
    m_view->send(QsciScintillaBase::SCI_ENDUNDOACTION);
    m_view->send(QsciScintillaBase::SCI_GOTOPOS, 0);
}

void TLEdit::insertBlock(const QByteArray& utf8)
{
    const auto start = m_view->send(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const auto end = m_view->send(QsciScintillaBase::SCI_GETSELECTIONEND);
    m_view->send(QsciScintillaBase::SCI_BEGINUNDOACTION);
    m_view->send(QsciScintillaBase::SCI_SETTARGETRANGE, start, end);
    m_view->sendText(QsciScintillaBase::SCI_REPLACETARGET, utf8);
    const auto after = m_view->send(QsciScintillaBase::SCI_GETTARGETEND);
    m_view->send(QsciScintillaBase::SCI_ENDUNDOACTION);
    m_view->send(QsciScintillaBase::SCI_SETEMPTYSELECTION, after);
    m_view->send(QsciScintillaBase::SCI_SCROLLCARET);
    emitCaret();
}

void TLEdit::clearAll()
{
    m_view->send(QsciScintillaBase::SCI_CLEARALL);
}

void TLEdit::replaceSelection(const QString& text)
{
    insertBlock(text.toUtf8());
}

void TLEdit::InsertText(const QString& text)
{
    GetSelection();
    replaceSelection(text);
}

void TLEdit::appendText(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    m_view->send(QsciScintillaBase::SCI_BEGINUNDOACTION);
    m_view->sendText(QsciScintillaBase::SCI_APPENDTEXT, bytes);
    m_view->send(QsciScintillaBase::SCI_ENDUNDOACTION);
}

void TLEdit::deleteSelection()
{
    if (hasSelection())
        replaceSelection(QString());
}

// ---- lines -------------------------------------------------------------------------------

int TLEdit::lineCount() const
{
    return static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETLINECOUNT));
}

int TLEdit::lineLength(int line) const
{
    if (line < EditorLine::first || line > lineCount())
        return 0;
    const int index = EditorLine::toIndex(line);
    const auto start = m_view->send(QsciScintillaBase::SCI_POSITIONFROMLINE, index);
    const auto end = m_view->send(QsciScintillaBase::SCI_GETLINEENDPOSITION, index);
    return static_cast<int>(m_view->send(QsciScintillaBase::SCI_COUNTCODEUNITS, start, end));
}

QString TLEdit::lineText(int line) const
{
    if (line < EditorLine::first || line > lineCount())
        return {};
    const int index = EditorLine::toIndex(line);
    const auto start = m_view->send(QsciScintillaBase::SCI_POSITIONFROMLINE, index);
    const auto end = m_view->send(QsciScintillaBase::SCI_GETLINEENDPOSITION, index);
    return QString::fromUtf8(m_view->bytes(static_cast<int>(start), static_cast<int>(end)));
}

void TLEdit::setLineText(int line, const QString& text)
{
    const EditorSelection previous = GetSelection();
    SetSelection(line, 0, line, INT_MAX);
    replaceSelection(text);
    SetSelection(previous);
}

QString TLEdit::currentLineText()
{
    if (!hasSelection())
        selectLine(GetSelection().EndLine);
    return GetSelText();
}

void TLEdit::selectLine(int line)
{
    SetSelection(line, 0, line, INT_MAX);
}

QString TLEdit::CurrentWordAsText() const
{
    const int caret = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETCURRENTPOS));
    int line = 0;
    int column = 0;
    positionToLineColumn(caret, &line, &column);
    const QString text = lineText(line);
    int start = column;
    int end = column;
    while (start > 0 && isWordCharacter(text.at(start - 1)))
        --start;
    while (end < text.size() && isWordCharacter(text.at(end)))
        ++end;
    if (start == end)
        return {};
    if (start > 0 && text.at(start - 1) == QLatin1Char('<'))
        --start;
    return text.mid(start, end - start);
}

void TLEdit::handleDoubleClick()
{
    // Select the whole attribute or tag name, so the owner reads e.g. COLOR="#00FF00" or <BODY.
    const int caret = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETCURRENTPOS));
    const int anchor = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETSELECTIONSTART));
    int line = 0;
    int column = 0;
    positionToLineColumn(anchor == caret ? caret : anchor, &line, &column);
    const QString text = lineText(line);
    int start = column;
    int end = column;
    while (start > 0 && isWordCharacter(text.at(start - 1)))
        --start;
    while (end < text.size() && isWordCharacter(text.at(end)))
        ++end;
    if (start < end) {
        if (start > 0 && text.at(start - 1) == QLatin1Char('<'))
            --start;
        SetSelection(line, start, line, end);
    }
    Q_EMIT OnDblClick();
}

void TLEdit::ensureCaretVisible()
{
    m_view->send(QsciScintillaBase::SCI_SCROLLCARET);
}

// ---- modified flag and undo --------------------------------------------------------------

void TLEdit::textModified(int type)
{
    if (!(type & (QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT)))
        return;
    m_changedSinceStart = true;
    for (auto it = m_modifiedAt.begin(); it != m_modifiedAt.end(); ++it)
        it.value() = true;
    // Each new undoable step counts against the undo depth; steps replayed by undo and redo are
    // counted where they are performed.
    if (!m_inUndoRedo && (type & QsciScintillaBase::SC_STARTACTION)
        && !(type & (QsciScintillaBase::SC_PERFORMED_UNDO | QsciScintillaBase::SC_PERFORMED_REDO))) {
        m_undoSteps = std::min(m_undoSteps + 1, m_undoDepth);
        m_redoSteps = 0;
    }
    // Reported once the flags are up to date, so a handler sees the page as modified.
    Q_EMIT OnChange();
}

bool TLEdit::modified() const
{
    return m_modifiedAt.value(m_trackingLevel, m_changedSinceStart);
}

void TLEdit::setModified(bool modified)
{
    m_modifiedAt[m_trackingLevel] = modified;
}

bool TLEdit::canUndo() const
{
    return m_undoSteps > 0 && m_view->send(QsciScintillaBase::SCI_CANUNDO) != 0;
}

bool TLEdit::canRedo() const
{
    return m_redoSteps > 0 && m_view->send(QsciScintillaBase::SCI_CANREDO) != 0;
}

void TLEdit::undo()
{
    if (!canUndo())
        return;
    m_inUndoRedo = true;
    m_view->send(QsciScintillaBase::SCI_UNDO);
    m_inUndoRedo = false;
    --m_undoSteps;
    ++m_redoSteps;
}

void TLEdit::redo()
{
    if (!canRedo())
        return;
    m_inUndoRedo = true;
    m_view->send(QsciScintillaBase::SCI_REDO);
    m_inUndoRedo = false;
    --m_redoSteps;
    m_undoSteps = std::min(m_undoSteps + 1, m_undoDepth);
}

void TLEdit::setUndoDepth(int depth)
{
    m_undoDepth = std::max(0, depth);
    m_undoSteps = std::min(m_undoSteps, m_undoDepth);
}

// ---- options -----------------------------------------------------------------------------

void TLEdit::setTabStopSize(int size)
{
    m_tabStopSize = std::max(1, size);
    m_view->setTabWidth(m_tabStopSize);
}

void TLEdit::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    m_view->setWrapMode(wrap ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
}

bool TLEdit::InsertMode() const
{
    return !m_view->overwriteMode();
}

void TLEdit::setInsertMode(bool insert)
{
    m_view->setOverwriteMode(!insert);
    if (insert != m_lastInsertMode) {
        m_lastInsertMode = insert;
        Q_EMIT OnChangeMode();
    }
}

bool TLEdit::AutoIndent() const
{
    return m_view->autoIndent();
}

void TLEdit::setAutoIndent(bool on)
{
    m_view->setAutoIndent(on);
}

bool TLEdit::ReadOnly() const
{
    return m_view->isReadOnly();
}

void TLEdit::setReadOnly(bool readOnly)
{
    m_view->setReadOnly(readOnly);
}

void TLEdit::setHighlight(bool on)
{
    m_highlight = on;
    m_view->setLexer(on ? m_lexer : nullptr);
    applyLook();
}

void TLEdit::setEditorFont(const QFont& font)
{
    m_font = font;
    // The highlighting styles take their size in points only; a font given in pixels would come
    // out at a size of -1.
    if (m_font.pointSizeF() <= 0 && m_font.pixelSize() > 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const qreal dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
        m_font.setPointSizeF(m_font.pixelSize() * 72.0 / dpi);
    }
    applyLook();
}

void TLEdit::setColor(const QColor& color)
{
    m_color = color;
    applyLook();
}

void TLEdit::setFontColor(const QColor& color)
{
    m_fontColor = color;
    applyLook();
}

void TLEdit::setSelectionColors(const QColor& foreground, const QColor& background)
{
    m_selectedForeground = foreground;
    m_selectedBackground = background;
    applyLook();
}

void TLEdit::refreshHighlight()
{
    applyLook();
}

void TLEdit::applyLook()
{
    m_lexer->setDefaultFont(m_font);
    m_lexer->setFont(m_font);
    m_lexer->setDefaultPaper(m_color);
    m_lexer->setDefaultColor(m_fontColor);
    m_lexer->setColor(m_fontColor, QsciLexerHTML::Default);
    m_lexer->setPaper(m_color);
    ControlHighlight highlight;
    const ControlHighlight own = highlight;
    Q_EMIT OnControlHighlight(&highlight);
    if (highlight.answer != ControlHighlight::useColours)
        highlight = own;
    m_lexer->setColor(highlight.foreground, QsciLexerHTML::Tag);
    m_lexer->setPaper(highlight.background, QsciLexerHTML::Tag);
    // A bracket pair shows in the tag colours reversed, so it stands out from the tags around it.
    m_view->setMatchedBraceForegroundColor(highlight.background);
    m_view->setMatchedBraceBackgroundColor(highlight.foreground);
    m_view->setUnmatchedBraceForegroundColor(Qt::red);
    m_view->setFont(m_font);
    m_view->setPaper(m_color);
    m_view->setSelectionForegroundColor(m_selectedForeground);
    m_view->setSelectionBackgroundColor(m_selectedBackground);
    if (!m_highlight) {
        // Without a lexer the plain default style carries font and colours.
        m_view->send(QsciScintillaBase::SCI_STYLECLEARALL);
    }
}

// ---- bookmarks ---------------------------------------------------------------------------

void TLEdit::setBookmark(int number, int line)
{
    if (number < 0 || number >= BookmarksMax)
        return;
    if (m_bookmarkHandles[number] >= 0)
        m_view->markerDeleteHandle(m_bookmarkHandles[number]);
    const int index = std::clamp(EditorLine::toIndex(line), 0, lineCount() - 1);
    m_bookmarkHandles[number] = m_view->markerAdd(index, m_bookmarkMarker);
}

int TLEdit::bookmarkLine(int number) const
{
    if (number < 0 || number >= BookmarksMax || m_bookmarkHandles[number] < 0)
        return 0;
    const int index = m_view->markerLine(m_bookmarkHandles[number]);
    return index < 0 ? 0 : EditorLine::fromIndex(index);
}

void TLEdit::setBookmarkLook(int shape, const QColor& foreground, const QColor& background)
{
    static constexpr QsciScintilla::MarkerSymbol shapes[] = {
        QsciScintilla::Circle,
        QsciScintilla::FullRectangle,
        QsciScintilla::RightArrow,
        QsciScintilla::Rectangle,
        QsciScintilla::Bookmark,
    };
    const auto symbol = shape >= 0 && shape < static_cast<int>(std::size(shapes)) ? shapes[shape] : QsciScintilla::Rectangle;
    m_view->markerDefine(symbol, m_bookmarkMarker);
    m_view->setMarkerForegroundColor(foreground, m_bookmarkMarker);
    m_view->setMarkerBackgroundColor(background, m_bookmarkMarker);
}

// ---- clipboard and commands --------------------------------------------------------------

void TLEdit::cut()
{
    m_view->cut();
}

void TLEdit::copy()
{
    m_view->copy();
}

void TLEdit::paste()
{
    m_view->paste();
}

void TLEdit::duplicate()
{
    m_view->send(QsciScintillaBase::SCI_SELECTIONDUPLICATE);
}

void TLEdit::selectAll()
{
    m_view->send(QsciScintillaBase::SCI_SELECTALL);
}

// ---- search ------------------------------------------------------------------------------

bool TLEdit::findFrom(int from, bool backwards, int* matchStart, int* matchEnd) const
{
    const QByteArray needle = m_searchText.toUtf8();
    if (needle.isEmpty())
        return false;
    int flags = 0;
    if (m_findOptions.matchCase)
        flags |= QsciScintillaBase::SCFIND_MATCHCASE;
    if (m_findOptions.wholeWords)
        flags |= QsciScintillaBase::SCFIND_WHOLEWORD;
    m_view->send(QsciScintillaBase::SCI_SETSEARCHFLAGS, flags);
    const long length = m_view->send(QsciScintillaBase::SCI_GETLENGTH);
    if (backwards)
        m_view->send(QsciScintillaBase::SCI_SETTARGETRANGE, from, 0);
    else
        m_view->send(QsciScintillaBase::SCI_SETTARGETRANGE, from, length);
    if (m_view->sendText(QsciScintillaBase::SCI_SEARCHINTARGET, needle) < 0)
        return false;
    *matchStart = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETTARGETSTART));
    *matchEnd = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETTARGETEND));
    return true;
}

bool TLEdit::find()
{
    const bool backwards = m_findOptions.backwards;
    const auto from = m_view->send(backwards ? QsciScintillaBase::SCI_GETSELECTIONSTART : QsciScintillaBase::SCI_GETSELECTIONEND);
    int start = 0;
    int end = 0;
    if (!findFrom(static_cast<int>(from), backwards, &start, &end))
        return false;
    m_view->send(QsciScintillaBase::SCI_SETSEL, start, end);
    return true;
}

bool TLEdit::selectionMatches() const
{
    const int start = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETSELECTIONSTART));
    const int end = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETSELECTIONEND));
    int matchStart = 0;
    int matchEnd = 0;
    return start < end && findFrom(start, false, &matchStart, &matchEnd) && matchStart == start && matchEnd == end;
}

bool TLEdit::replace()
{
    const bool backwards = m_findOptions.backwards;
    const auto from = m_view->send(backwards ? QsciScintillaBase::SCI_GETSELECTIONEND : QsciScintillaBase::SCI_GETSELECTIONSTART);
    int start = 0;
    int end = 0;
    if (!findFrom(static_cast<int>(from), backwards, &start, &end))
        return false;
    m_view->send(QsciScintillaBase::SCI_SETTARGETRANGE, start, end);
    m_view->sendText(QsciScintillaBase::SCI_REPLACETARGET, m_replacementText.toUtf8());
    const auto after = m_view->send(QsciScintillaBase::SCI_GETTARGETEND);
    m_view->send(QsciScintillaBase::SCI_SETSEL, start, after);
    return true;
}

int TLEdit::replaceAll()
{
    const QByteArray replacement = m_replacementText.toUtf8();
    int count = 0;
    int from = 0;
    int start = 0;
    int end = 0;
    int lastEnd = -1;
    m_view->send(QsciScintillaBase::SCI_BEGINUNDOACTION);
    while (findFrom(from, false, &start, &end)) {
        m_view->send(QsciScintillaBase::SCI_SETTARGETRANGE, start, end);
        m_view->sendText(QsciScintillaBase::SCI_REPLACETARGET, replacement);
        from = static_cast<int>(m_view->send(QsciScintillaBase::SCI_GETTARGETEND));
        lastEnd = from;
        ++count;
    }
    m_view->send(QsciScintillaBase::SCI_ENDUNDOACTION);
    if (lastEnd >= 0)
        m_view->send(QsciScintillaBase::SCI_SETEMPTYSELECTION, lastEnd);
    return count;
}

void TLEdit::showFindDialog()
{
    FindDialog dialog(this, FindDialog::Mode::Find, window());
    dialog.exec();
}

void TLEdit::findNext()
{
    if (m_searchText.isEmpty())
        showFindDialog();
    else
        find();
}

void TLEdit::showReplaceDialog()
{
    FindDialog dialog(this, FindDialog::Mode::Replace, window());
    dialog.exec();
}

void TLEdit::showGoToLineDialog()
{
    GoToLineDialog dialog(this, window());
    dialog.exec();
}

// ---- keys --------------------------------------------------------------------------------

void TLEdit::releaseKeys(const QList<QKeySequence>& chords)
{
    QsciCommandSet* commands = m_view->standardCommands();
    for (const QKeySequence& sequence : chords) {
        if (sequence.isEmpty())
            continue;
        const int key = sequence[0].toCombined();
        if (!m_releasedKeys.contains(key))
            m_releasedKeys.append(key);
        for (QsciCommand* command : commands->commands()) {
            if (command->key() == key)
                command->setKey(0);
            if (command->alternateKey() == key)
                command->setAlternateKey(0);
        }
    }
}

bool TLEdit::isReleased(const QKeyEvent* event) const
{
    return m_releasedKeys.contains(keyCombination(event));
}

bool TLEdit::handleCommittedCharacter(QInputMethodEvent* event)
{
    // Dead keys, compose and input methods deliver letters as a commit rather than a key press;
    // a single committed character is offered to the owner as if it had been typed.
    if (!event->preeditString().isEmpty() || event->replacementLength() != 0 || event->commitString().size() != 1)
        return false;
    TLEditKeyPress press { 0, Qt::NoModifier, event->commitString(), false };
    Q_EMIT OnKeyPress(&press);
    if (press.swallowed)
        event->accept();
    return press.swallowed;
}

void TLEdit::handleKeyPress(QKeyEvent* event)
{
    if (isReleased(event)) {
        event->ignore();
        return;
    }

    TLEditKeyPress press { event->key(), event->modifiers(), event->text(), false };
    Q_EMIT OnKeyPress(&press);
    if (press.swallowed) {
        event->accept();
        return;
    }
    QKeyEvent replaced(QEvent::KeyPress, press.key, press.modifiers, press.text, event->isAutoRepeat());
    const bool changed = press.key != event->key() || press.modifiers != event->modifiers() || press.text != event->text();
    QKeyEvent* effective = changed ? &replaced : event;

    // Undo and redo go through this class, so the undo depth holds for the keyboard as well.
    const int key = keyCombination(effective);
    if (QsciCommand* command = m_view->standardCommands()->boundTo(key)) {
        if (command->command() == QsciCommand::Undo) {
            undo();
            event->accept();
            return;
        }
        if (command->command() == QsciCommand::Redo) {
            redo();
            event->accept();
            return;
        }
    }

    // A chord with Ctrl or Alt that the editor has no command for is meant for a menu, never for
    // the text (a disabled menu item's Ctrl+1 must not type "1"; a shifted digit arrives as "!").
    const bool control = effective->modifiers() & Qt::ControlModifier;
    const bool alt = effective->modifiers() & Qt::AltModifier;
    if (control != alt && !effective->text().isEmpty() && effective->text().at(0).isPrint()
        && !m_view->standardCommands()->boundTo(key)) {
        event->ignore();
        return;
    }

    m_view->typeKey(effective);
    if (changed)
        event->setAccepted(replaced.isAccepted());
    const bool insertMode = InsertMode();
    if (insertMode != m_lastInsertMode) {
        m_lastInsertMode = insertMode;
        Q_EMIT OnChangeMode();
    }
}
