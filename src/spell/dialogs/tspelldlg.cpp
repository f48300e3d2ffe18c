#include "spell/dialogs/tspelldlg.h"

#include "editor/editorline.h"
#include "editor/tledit.h"
#include "spell/dialogs/spellbuffer.h"
#include "spell/dialogs/spelldialog.h"
#include "spell/engine/dictionary.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>

using tessera::spell::TDictionary;

void SpellPrompts::information(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, SpellText::caption, text, QMessageBox::Ok);
}

void SpellPrompts::error(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, SpellText::caption, text, QMessageBox::Ok);
}

bool SpellPrompts::question(QWidget* parent, const QString& text)
{
    return QMessageBox::question(parent, SpellText::caption, text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

SpellLanguage spellLanguage(TLanguages language)
{
    switch (language) {
    case TLanguages::lgEnglish:
        break;
    }
    return {QStringLiteral("English.DCT").toUpper(), SpellText::notFound, SpellText::noErrors, SpellText::complete};
}

TDialogTypes dialogTypeFromStoredCode(int code)
{
    switch (code) {
    case 0:
        return TDialogTypes::dtMSWord;
    case 2:
        return TDialogTypes::dtWordPro96;
    default:
        return TDialogTypes::dtWordPerfect;
    }
}

int storedCodeFromDialogType(TDialogTypes type)
{
    switch (type) {
    case TDialogTypes::dtMSWord:
        return 0;
    case TDialogTypes::dtWordPro96:
        return 2;
    case TDialogTypes::dtWordPerfect:
        break;
    }
    return 1;
}

SpellOptions spellOptionsFromStored(bool autoAdd, bool skipHtml, int suggestCount, int storedDialogStyle,
                                    const QString& applicationPath)
{
    SpellOptions options;
    options.autoShift = true;
    options.autoSuggest = true;
    options.confirmAdd = autoAdd;
    options.dialogStyle = dialogTypeFromStoredCode(storedDialogStyle);
    options.suggestions = std::clamp(suggestCount, 1, 255);
    options.supportHtml = skipHtml;
    options.userDictionary = QStringLiteral("USERDCT.DCT");
    options.applicationPath = applicationPath;
    return options;
}

TSpellDlg::TSpellDlg(QWidget* parentWindow)
    : QObject(parentWindow), m_parentWindow(parentWindow), m_prompts(std::make_shared<SpellPrompts>())
{
    m_dialog = makeSpellDialog(m_options.dialogStyle, parentWindow);
}

TSpellDlg::~TSpellDlg() = default;

void TSpellDlg::setPrompts(std::shared_ptr<SpellPrompts> prompts)
{
    m_prompts = prompts ? std::move(prompts) : std::make_shared<SpellPrompts>();
}

void TSpellDlg::setOptions(const SpellOptions& options)
{
    const int suggestions = options.suggestions;
    m_options = options;
    m_options.suggestions = m_options.suggestions < 1 ? 1 : std::min(m_options.suggestions, 255);
    if (suggestions != m_options.suggestions)
        setSuggestions(suggestions);
    setDialogStyle(options.dialogStyle);
}

void TSpellDlg::setDialogStyle(TDialogTypes style)
{
    m_options.dialogStyle = style;
    // The dialog cannot change while a check waits on it.
    if (m_running || (m_dialog && m_dialog->style() == style))
        return;
    m_dialog = makeSpellDialog(style, m_parentWindow);
}

void TSpellDlg::setSuggestions(int count)
{
    if (count < 1) {
        m_prompts->error(parentWindow(), SpellText::invalidSuggestions);
        count = 1;
    } else if (count > 255) {
        m_prompts->error(parentWindow(), SpellText::suggestionLimit);
        count = 255;
    }
    m_options.suggestions = count;
}

QString TSpellDlg::mainDictionaryPath() const
{
    QString directory = m_options.dictionaryPath;
    if (directory.compare(QLatin1String("APPLICATIONPATH"), Qt::CaseInsensitive) == 0)
        directory = m_options.applicationPath.isEmpty() ? QCoreApplication::applicationDirPath()
                                                        : m_options.applicationPath;
    if (!directory.isEmpty() && !directory.endsWith(QLatin1Char('/')) && !directory.endsWith(QLatin1Char('\\')))
        directory += QLatin1Char('/');
    const QString name = m_options.dictionaryName.isEmpty() ? spellLanguage(m_options.dictionaryType).dictionaryFile
                                                            : m_options.dictionaryName;
    // Dictionary names come from a case-blind file system; find the file whatever its case.
    const QDir dir(directory.isEmpty() ? QStringLiteral(".") : directory);
    if (!QFileInfo::exists(directory + name)) {
        const QStringList entries = dir.entryList(QDir::Files);
        for (const QString& entry : entries)
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                return directory + entry;
    }
    return directory + name;
}

bool TSpellDlg::openEngine()
{
    std::string error;
    if (!m_engine)
        m_engine = TDictionary::create(&error);
    if (!m_engine) {
        m_prompts->error(parentWindow(), QString::fromStdString(error));
        return false;
    }
    const QString path = mainDictionaryPath();
    if (!m_engine->openDictionary(path.toStdString())) {
        QString text = SpellText::errorOpening + path;
        if (!m_engine->errorString().empty())
            text += QLatin1Char('\n') + QString::fromStdString(m_engine->errorString());
        m_engine.reset();
        m_prompts->error(parentWindow(), text);
        return false;
    }
    m_engine->openUserDictionary(m_options.userDictionary.toStdString());
    m_engine->setRanking(m_options.classicSuggestions ? tessera::spell::SuggestionRanking::Classic
                                                      : tessera::spell::SuggestionRanking::Closest);
    return true;
}

void TSpellDlg::closeEngine()
{
    if (!m_engine)
        return;
    // Closing saves the words added during the check; a failed save must not pass unseen.
    if (m_engine->filesOpen() && !m_engine->close())
        m_prompts->error(parentWindow(), QString::fromStdString(m_engine->errorString()));
    m_engine.reset();
}

void TSpellDlg::showDialog()
{
    if (m_dialog->isVisible())
        return;
    QFont font = m_options.fontSet ? m_options.font : QApplication::font();
    if (!m_options.fontSet)
        font.setBold(true);
    m_dialog->setFont(font);
    m_dialog->setShowGlyphs(m_options.showGlyphs);
    m_dialog->setAccentIcons(m_options.accentIcons);
    m_dialog->adjustSize();
    m_dialog->show();
    if (QScreen* screen = m_dialog->screen()) {
        const QRect area = screen->availableGeometry();
        const int left = area.left() + (area.width() - m_dialog->frameGeometry().width()) / 2;
        int top = m_dialog->frameGeometry().top();
        if (m_options.autoShift)
            top = area.bottom() - m_dialog->frameGeometry().height() - 10;
        m_dialog->move(left, top);
    }
}

void TSpellDlg::placeDialog(int wordScreenY)
{
    QScreen* screen = m_dialog->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const int top = wordScreenY > area.top() + area.height() / 2
        ? area.top() + 10
        : area.bottom() - m_dialog->frameGeometry().height() - 10;
    m_dialog->move(m_dialog->frameGeometry().left(), top);
}

void TSpellDlg::addWord(const QString& word)
{
    const std::string utf8 = word.toStdString();
    if (m_engine->isKnownWord(utf8)) {
        m_prompts->information(m_dialog.get(), SpellText::alreadyKnown.arg(word));
        return;
    }
    if (m_options.confirmAdd && !m_prompts->question(m_dialog.get(), SpellText::confirmAdd.arg(word)))
        return;
    m_engine->addWord(utf8);
}

TSpellDlg::Outcome TSpellDlg::runCheck(TAbsBuffer& buffer, bool& replaced)
{
    const SpellLanguage language = spellLanguage(m_options.labelLanguage);
    m_dialog->setWordLists(
        [this](const QString& word) {
            QStringList list;
            if (m_engine)
                for (const std::string& s : m_engine->suggest(word.toStdString(), m_options.suggestions))
                    list.append(QString::fromStdString(s));
            return list;
        },
        [this](const QString& prefix) {
            QStringList list;
            if (m_engine)
                for (const std::string& s : m_engine->complete(prefix.toStdString(), m_options.suggestions))
                    list.append(QString::fromStdString(s));
            return list;
        },
        m_options.suggestions);

    QElapsedTimer sinceEvents;
    sinceEvents.start();
    while (buffer.getNextWord()) {
        const SpellWord& word = buffer.currentWord();
        // A run as long as the engine's longest word is a hash or encoded data, not a word.
        if (word.characters < 2 || word.characters >= maxSpellWordLength || word.allDigits)
            continue;
        // The dialog stays open between words; the user may close it at any time. Events are
        // handled every few milliseconds rather than after every word, which would slow a long page.
        if (sinceEvents.elapsed() >= 20) {
            QCoreApplication::processEvents();
            sinceEvents.restart();
        }
        if (!m_engine || m_dialog->actionCode() == SpellAction::Close)
            return Outcome::Closed;
        if (m_engine->isKnownWord(word.text.toStdString()))
            continue;
        const QString lower = word.text.toLower();
        if (const qsizetype index = m_replaceSource.indexOf(lower); index >= 0) {
            const QString target = m_replaceTarget.at(index);
            if (target != word.text && buffer.replaceCurrentWord(target))
                replaced = true;
            continue;
        }
        if (m_skipAll.contains(lower))
            continue;

        // A close that arrived since the last answer counts before the next word is shown.
        QCoreApplication::processEvents();
        sinceEvents.restart();
        if (m_dialog->actionCode() == SpellAction::Close)
            return Outcome::Closed;
        showDialog();
        const int wordY = buffer.selectCurrentWord();
        if (m_options.autoShift)
            placeDialog(wordY);
        m_dialog->showWord(word.text, language.notFoundLabel);
        if (m_options.autoSuggest)
            m_dialog->fillSuggestions();
        m_dialog->clearAction();
        Q_EMIT wordShown(word.text);
        const int action = m_dialog->waitForAction();
        const QString replacement = m_dialog->edtWord->text();
        switch (action) {
        case SpellAction::Replace:
        case SpellAction::ReplaceAll: {
            const QString original = word.text;
            if (replacement != original) {
                if (buffer.replaceCurrentWord(replacement))
                    replaced = true;
            }
            if (action == SpellAction::ReplaceAll && !m_replaceSource.contains(original.toLower())) {
                m_replaceSource.append(original.toLower());
                m_replaceTarget.append(replacement);
            }
            break;
        }
        case SpellAction::Add:
            addWord(word.text);
            break;
        case SpellAction::SkipAll:
            if (!m_skipAll.contains(lower))
                m_skipAll.append(lower);
            break;
        case SpellAction::Skip:
            break;
        default:
            return Outcome::Closed;
        }
    }
    return Outcome::Finished;
}

bool TSpellDlg::canCheck(QWidget* control) const
{
    return qobject_cast<QPlainTextEdit*>(control) != nullptr;
}

std::unique_ptr<TAbsBuffer> TSpellDlg::makeBuffer(QWidget* control)
{
    if (auto* edit = qobject_cast<QPlainTextEdit*>(control))
        return std::make_unique<TCEBuffer>(edit, m_options.supportHtml);
    return nullptr;
}

void TSpellDlg::prepareControl(QWidget* control)
{
    auto* edit = qobject_cast<QPlainTextEdit*>(control);
    if (!edit)
        return;
    const QTextCursor cursor = edit->textCursor();
    m_savedStart = cursor.selectionStart();
    m_savedLength = cursor.selectionEnd() - cursor.selectionStart();
    m_savedReadOnly = edit->isReadOnly();
    edit->setReadOnly(true);
    edit->moveCursor(QTextCursor::Start);
}

void TSpellDlg::restoreControl(QWidget* control)
{
    auto* edit = qobject_cast<QPlainTextEdit*>(control);
    if (!edit)
        return;
    edit->setReadOnly(m_savedReadOnly);
    QTextCursor cursor = edit->textCursor();
    const int length = static_cast<int>(edit->document()->characterCount()) - 1;
    cursor.setPosition(std::min(m_savedStart, length));
    cursor.setPosition(std::min(m_savedStart + m_savedLength, length), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
}

int TSpellDlg::checkOne(QWidget* control, bool endMessage)
{
    std::unique_ptr<TAbsBuffer> buffer = control ? makeBuffer(control) : nullptr;
    if (!buffer) {
        m_prompts->error(parentWindow(), SpellText::unknownControl);
        return SpellResult::NothingReplaced;
    }
    if (!openEngine())
        return SpellResult::NothingReplaced;
    prepareControl(control);
    // The way the last check ended (a close among them) must not end this one.
    m_dialog->clearAction();
    bool replaced = false;
    const Outcome outcome = runCheck(*buffer, replaced);
    // Every way out closes the engine, so that added words are saved.
    closeEngine();
    m_dialog->hide();
    restoreControl(control);
    if (outcome != Outcome::Finished)
        return SpellResult::Closed;
    const int result = replaced ? SpellResult::Replaced : SpellResult::NothingReplaced;
    if (endMessage) {
        const SpellLanguage language = spellLanguage(m_options.labelLanguage);
        m_prompts->information(parentWindow(), result == SpellResult::NothingReplaced ? language.noErrorsMessage
                                                                                       : language.completeMessage);
    }
    return result;
}

int TSpellDlg::SpellCheck(QWidget* control)
{
    if (m_running)
        return SpellResult::NothingReplaced;
    m_running = true;
    Q_EMIT checkRunning(true);
    const int result = checkOne(control, true);
    m_running = false;
    Q_EMIT checkRunning(false);
    return result;
}

int TSpellDlg::CheckAllFields(QWidget* container)
{
    if (m_running || !container)
        return SpellResult::NothingReplaced;
    m_running = true;
    Q_EMIT checkRunning(true);
    int result = SpellResult::NothingReplaced;
    const QList<QWidget*> children = container->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (!canCheck(child))
            continue;
        const int one = checkOne(child, false);
        if (one == SpellResult::Closed) {
            result = SpellResult::Closed;
            break;
        }
        if (one == SpellResult::Replaced)
            result = SpellResult::Replaced;
    }
    m_running = false;
    Q_EMIT checkRunning(false);
    if (result != SpellResult::Closed) {
        const SpellLanguage language = spellLanguage(m_options.labelLanguage);
        m_prompts->information(parentWindow(), result == SpellResult::NothingReplaced ? language.noErrorsMessage
                                                                                       : language.completeMessage);
    }
    return result;
}

TLEditSpellDlg::TLEditSpellDlg(QWidget* parentWindow) : TSpellDlg(parentWindow) {}

bool TLEditSpellDlg::canCheck(QWidget* control) const
{
    return qobject_cast<TLEdit*>(control) != nullptr || TSpellDlg::canCheck(control);
}

std::unique_ptr<TAbsBuffer> TLEditSpellDlg::makeBuffer(QWidget* control)
{
    if (auto* editor = qobject_cast<TLEdit*>(control))
        return std::make_unique<TLEditBuffer>(editor, options().supportHtml);
    return TSpellDlg::makeBuffer(control);
}

void TLEditSpellDlg::prepareControl(QWidget* control)
{
    auto* editor = qobject_cast<TLEdit*>(control);
    if (!editor) {
        TSpellDlg::prepareControl(control);
        return;
    }
    const EditorSelection selection = editor->GetSelection();
    m_startLine = selection.StartLine;
    m_startPos = selection.StartPos;
    m_endLine = selection.EndLine;
    m_endPos = selection.EndPos;
    // The text must not change under the check; its own replacements lift this for a moment.
    m_editorReadOnly = editor->ReadOnly();
    editor->setReadOnly(true);
    editor->SetSelection(EditorLine::first, 0, EditorLine::first, 0);
}

void TLEditSpellDlg::restoreControl(QWidget* control)
{
    auto* editor = qobject_cast<TLEdit*>(control);
    if (!editor) {
        TSpellDlg::restoreControl(control);
        return;
    }
    editor->setReadOnly(m_editorReadOnly);
    editor->SetSelection(m_startLine, m_startPos, m_endLine, m_endPos);
}

SpellCheckCommand::SpellCheckCommand(QWidget* window) : QObject(window), m_component(window)
{
    connect(&m_component, &TSpellDlg::checkRunning, this, &SpellCheckCommand::checkRunning);
}

int SpellCheckCommand::run(TLEdit* editor, QWidget* /*parent*/)
{
    if (!editor || m_component.running())
        return -1;
    return m_component.SpellCheck(editor);
}
