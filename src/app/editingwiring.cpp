#include "app/editingwiring.h"

#include "app/appstrings.h"
#include "app/previewwiring.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"
#include "custom/parmform.h"
#include "editor/tledit.h"
#include "generators/body/bodyform.h"
#include "workspace/tags/attributeeditor.h"
#include "workspace/editing/bracepartner.h"
#include "workspace/pages/pagemanager.h"
#include "workspace/settings/editorsettings.h"
#include "workspace/editing/pagetextcommands.h"
#include "workspace/tags/taginserter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

EditingWiring::EditingWiring(TForm1& window, TagInserter& tags, AttributeEditor& attributes, PreviewWiring& preview,
                             std::function<QString()> pageDirectory)
    : QObject(&window)
    , m_window(window)
    , m_tags(tags)
    , m_attributes(attributes)
    , m_preview(preview)
    , m_pageDirectory(std::move(pageDirectory))
{
    wireEditorCommands();
    wireBookmarks();
    wirePageTextCommands();
    connectEditors();
}

EditingWiring::~EditingWiring() = default;

void EditingWiring::wireEditorCommands()
{
    CommandRegistry& commands = m_window.commands();
    // The editor control provides these; they act on the focused editor.
    auto onEditor = [this](void (TLEdit::*operation)()) {
        return [this, operation] { (m_window.focusedEditor()->*operation)(); };
    };
    const std::pair<Command, void (TLEdit::*)()> direct[] = {
        {Command::EditUndo, &TLEdit::undo},
        {Command::EditRedo, &TLEdit::redo},
        {Command::EditCut, &TLEdit::cut},
        {Command::EditPaste, &TLEdit::paste},
        {Command::EditDelete, &TLEdit::deleteSelection},
        {Command::EditDuplicate, &TLEdit::duplicate},
        {Command::SearchFind, &TLEdit::showFindDialog},
        {Command::SearchReplace, &TLEdit::showReplaceDialog},
        {Command::SearchGoToLine, &TLEdit::showGoToLineDialog},
        {Command::PopupCut, &TLEdit::cut},
        {Command::PopupCopy, &TLEdit::copy},
        {Command::PopupPaste, &TLEdit::paste},
        {Command::PopupDelete, &TLEdit::deleteSelection},
        {Command::PopupDuplicate, &TLEdit::duplicate},
        {Command::PopupFind, &TLEdit::showFindDialog},
        {Command::PopupReplace, &TLEdit::showReplaceDialog},
        {Command::PopupGoToLine, &TLEdit::showGoToLineDialog},
    };
    for (const auto& [command, operation] : direct)
        commands.setHandler(command, onEditor(operation));

    // Copy takes the preview's selection while the preview has the focus.
    commands.setHandler(Command::EditCopy, [this] {
        if (m_preview.split().hasFocus())
            m_preview.split().CopyToClipboard();
        else
            m_window.focusedEditor()->copy();
    });
    for (Command command : {Command::EditSelectAll, Command::PopupSelectAll}) {
        commands.setHandler(command, [this] {
            TLEdit* editor = m_window.focusedEditor();
            editor->selectAll();
            editor->setFocus();
        });
    }
    commands.setHandler(Command::SearchFindNext, [this] { m_window.webPage()->findNext(); });
}

void EditingWiring::wireBookmarks()
{
    CommandRegistry& commands = m_window.commands();
    for (int n = 0; n < TLEdit::BookmarksMax; ++n) {
        commands.setHandler(offsetCommand(Command::SetBookmark0, n), [this, n] { setBookmark(n); });
        commands.setHandler(offsetCommand(Command::GotoBookmark0, n), [this, n] { goToBookmark(n); });
    }
}

void EditingWiring::setBookmark(int number)
{
    TLEdit* editor = m_window.focusedEditor();
    // The rounded-rectangle mark in the editor's own colours.
    editor->setBookmarkLook(3, editor->fontColor(), editor->Color());
    editor->setBookmark(number, editor->GetSelection().EndLine);
}

void EditingWiring::goToBookmark(int number)
{
    TLEdit* editor = m_window.focusedEditor();
    const int line = editor->bookmarkLine(number);
    if (line <= 0)
        return;
    editor->SetSelection(line, 0, line, editor->lineLength(line));
    editor->ensureCaretVisible();
}

void EditingWiring::GetLocation()
{
    const EditorSelection selection = m_window.webPage()->GetSelection();
    m_window.statusPanel(0)->setText(QStringLiteral("%1:%2").arg(selection.EndLine).arg(selection.EndPos));
}

void EditingWiring::connectEditors()
{
    // Every caret move counts: keys, clicks, insertions, Find, Go to line, spelling changes.
    connect(m_window.webPage(), &TLEdit::caretMoved, this, &EditingWiring::GetLocation);
    for (TLEdit* editor : {m_window.webPage(), m_window.spareEditor()}) {
        connect(editor, &TLEdit::OnControlHighlight, this,
                [this](ControlHighlight* request) { WebPageControlHighlight(m_window.settings(), *request); });
        connect(editor, &TLEdit::OnFindBrace, this, [](FindBraceRequest* request) { WebPageFindBrace(*request); });
        editor->refreshHighlight();
    }
    TLEdit* page = m_window.webPage();
    connect(page, &TLEdit::OnChangeMode, this, [this, page] {
        m_window.statusPanel(1)->setText(page->InsertMode() ? strings::insertMode : strings::overwriteMode);
    });
}

void EditingWiring::wirePageTextCommands()
{
    QWidget* parent = &m_window;
    PageTextCommands::Host host;
    host.confirmStrip = [parent] {
        return QMessageBox::information(parent, QStringLiteral("Strip HTML Codes"), PageTextMessages::stripQuestion,
                                        QMessageBox::Ok | QMessageBox::Cancel)
            == QMessageBox::Ok;
    };
    host.renderedText = [this] { return m_preview.controller().renderedText(); };
    host.askTitle = [parent](const QString& current) -> std::optional<QString> {
        QInputDialog dialog(parent);
        dialog.setWindowTitle(QStringLiteral("Page Title"));
        dialog.setLabelText(QStringLiteral("New Title"));
        dialog.setTextValue(current);
        // Titles are often long; the box's own width would show only their start.
        if (auto* field = dialog.findChild<QLineEdit*>())
            field->setMinimumWidth(400);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.textValue();
    };
    host.editMeta = [this](const QString& tagText) -> std::optional<MetaEditor::MetaFields> {
        std::optional<MetaEditor::MetaFields> chosen;
        TParmForm& form = parameterForm();
        m_metaWriter = [&chosen](const MetaEditor::MetaFields& fields) { chosen = fields; };
        form.setPage(TParmForm::Page::Meta);
        form.FormShow(tagText);
        form.exec();
        m_metaWriter = {};
        return chosen;
    };
    host.editBody = [this, parent](const BodyEditor::BodyAttributes& settings) -> std::optional<BodyEditor::BodyAttributes> {
        TBodyForm::Host formHost;
        formHost.chooseColour = [parent](const QColor& initial) -> std::optional<QColor> {
            const QColor colour = QColorDialog::getColor(initial, parent);
            return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
        };
        formHost.chooseMediaFile = [this, parent] {
            return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), m_pageDirectory(), TBodyForm::mediaFilter());
        };
        TBodyForm form(formHost, parent);
        form.setBodySettings(settings);
        if (form.exec() != QDialog::Accepted)
            return std::nullopt;
        return form.bodySettings();
    };
    host.pageDirectory = m_pageDirectory;
    host.report = [this](const QString& title, const QString& text) { m_window.reportFailure(title, text); };
    host.updatePreview = [this] { m_preview.controller().commandChangedPage(); };
    m_pageText = std::make_unique<PageTextCommands>(m_window.webPage(), host);

    CommandRegistry& commands = m_window.commands();
    PageTextCommands* pageText = m_pageText.get();
    commands.setHandler(Command::EditStripHtml, [pageText] { pageText->StripAllCodes1Click(); });
    commands.setHandler(Command::EditTitle, [pageText] { pageText->EditTitle1Click(); });
    commands.setHandler(Command::EditMetaTag, [pageText] { pageText->EditMetaTag1Click(); });
    commands.setHandler(Command::EditBodyStatement, [pageText] { pageText->EditBodyStatementClick(); });
    connect(&m_attributes, &AttributeEditor::bodyStatementRequested, this, [pageText] { pageText->EditBodyStatementClick(); });
    connect(&m_attributes, &AttributeEditor::pageColourChanged, this,
            [pageText](const QString& name, const QColor& colour) { pageText->rememberPageColour(name, colour); });
    connect(&m_attributes, &AttributeEditor::parameterSelectionRequested, this, [this](const QString& parameter) {
        const QString name = parameter.toLower();
        showParameterForm(name == QLatin1String("valign") ? TParmForm::Page::Valign
                          : name == QLatin1String("size") ? TParmForm::Page::Size
                                                          : TParmForm::Page::Align);
    });
    commands.setHandler(Command::CodesMeta, [this] { showParameterForm(TParmForm::Page::Meta); });
    commands.setHandler(Command::CodesEmbed, [this] { showParameterForm(TParmForm::Page::Embed); });
}

TParmForm& EditingWiring::parameterForm()
{
    if (!m_parameterForm) {
        // One dialog for the whole run, as its fields are meant to carry over.
        TParmForm::Host host;
        host.insertText = [this](const QString& text) { m_tags.InsertText(text); };
        host.writeMeta = [this](const MetaEditor::MetaFields& fields) {
            if (m_metaWriter)
                m_metaWriter(fields);
            else
                m_tags.InsertText(MetaEditor::buildMetaTag(fields));
        };
        host.chooseEmbedFile = [this] { return m_window.workspace().pages().chooseFile(); };
        m_parameterForm = new TParmForm(host, &m_window);
    }
    return *m_parameterForm;
}

void EditingWiring::showParameterForm(TParmForm::Page page)
{
    TParmForm& form = parameterForm();
    form.setPage(page);
    form.FormShow(m_window.webPage()->GetSelText());
    if (form.exec() == QDialog::Accepted)
        m_preview.controller().commandChangedPage();
}
