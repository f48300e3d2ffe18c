#include "workspace/editing/pagetextcommands.h"

#include "editor/tledit.h"
#include "workspace/tags/insertimage.h"
#include "workspace/editing/titleeditor.h"

#include <QDir>
#include <QFileInfo>

PageTextCommands::PageTextCommands(TLEdit* editor, Host host)
    : m_editor(editor)
    , m_host(std::move(host))
{
}

void PageTextCommands::select(const QString& text, int start, int end)
{
    m_editor->SetSelection(PageText::selectionOf(text, start, end));
    m_editor->ensureCaretVisible();
}

void PageTextCommands::apply(const QString& text, const PageText::TextEdit& edit)
{
    PageText::applyToEditor(m_editor, text, edit);
    if (m_host.updatePreview)
        m_host.updatePreview();
}

void PageTextCommands::StripAllCodes1Click()
{
    if (!m_host.confirmStrip || !m_host.confirmStrip())
        return;
    const std::optional<QString> rendered = m_host.renderedText ? m_host.renderedText() : std::nullopt;
    if (!rendered) {
        m_host.report(QStringLiteral("Strip HTML Codes"), PageTextMessages::stripFailed);
        return;
    }
    const QString text = m_editor->Text();
    const int end = static_cast<int>(rendered->size());
    apply(text, {0, static_cast<int>(text.size()), *rendered, end, end});
}

void PageTextCommands::EditTitle1Click()
{
    const QString text = m_editor->Text();
    const TitleEditor::TitlePlace place = TitleEditor::findTitle(text);
    if (place.state == TitleEditor::TitleState::Unclosed) {
        m_host.report(QStringLiteral("Page Title"), PageTextMessages::titleUnclosed);
        return;
    }
    if (place.state == TitleEditor::TitleState::Found)
        select(text, place.elementStart, place.elementEnd);
    const std::optional<QString> answer = m_host.askTitle(place.currentTitle);
    if (!answer)
        return;
    if (const auto edit = TitleEditor::titleEdit(text, place, *answer))
        apply(text, *edit);
}

void PageTextCommands::EditMetaTag1Click()
{
    const QString text = m_editor->Text();
    const EditorSelection selection = m_editor->GetSelection();
    const int caret = PageText::offsetAt(text, selection.EndLine, selection.EndPos);
    const MetaEditor::MetaPlace place = MetaEditor::findMeta(text, caret);
    if (place.state == MetaEditor::MetaState::Unclosed) {
        m_host.report(QStringLiteral("Meta Tag"), PageTextMessages::metaUnclosed);
        return;
    }
    QString tagText;
    if (place.state == MetaEditor::MetaState::Found) {
        select(text, place.tag.start, place.tag.end);
        tagText = text.mid(place.tag.start, place.tag.end - place.tag.start);
    }
    const std::optional<MetaEditor::MetaFields> fields = m_host.editMeta(tagText);
    if (!fields)
        return;
    if (const auto edit = MetaEditor::metaEdit(text, place, *fields))
        apply(text, *edit);
}

void PageTextCommands::EditBodyStatementClick()
{
    const QString text = m_editor->Text();
    const BodyEditor::BodyPlace place = BodyEditor::findBody(text);
    if (place.state == BodyEditor::BodyState::Unclosed) {
        m_host.report(QStringLiteral("Body Settings"), PageTextMessages::bodyUnclosed);
        return;
    }
    if (place.state == BodyEditor::BodyState::Found) {
        select(text, place.tag.start, place.tag.end);
        m_body = BodyEditor::SetBodyVars(place.tagText, m_body);
    }
    const BodyEditor::BodyAttributes before = m_body;
    std::optional<BodyEditor::BodyAttributes> after = m_host.editBody(before);
    if (!after)
        return;
    if (after->backgroundImage != before.backgroundImage && !after->backgroundImage.isEmpty()) {
        const std::optional<QString> picture = pictureBesidePage(after->backgroundImage);
        if (!picture)
            return;
        after->backgroundImage = *picture;
    }
    m_body = *after;
    if (const auto edit = BodyEditor::bodyEdit(text, place, before, *after))
        apply(text, *edit);
}

std::optional<QString> PageTextCommands::pictureBesidePage(const QString& chosen)
{
    const QFileInfo file(chosen);
    const QString directory = m_host.pageDirectory ? m_host.pageDirectory() : QString();
    // A name typed as it stands, or a page with no folder yet, keeps the name as given.
    if (!file.isAbsolute() || directory.isEmpty())
        return chosen;
    if (QDir::cleanPath(file.absolutePath()) != QDir::cleanPath(QDir(directory).absolutePath())) {
        const CopyResult copied = CopyToPageDirectory(chosen, directory);
        if (!copied.ok) {
            m_host.report(QStringLiteral("Body Settings"), copied.errorString);
            return std::nullopt;
        }
    }
    return file.fileName();
}

void PageTextCommands::rememberPageColour(const QString& name, const QColor& colour)
{
    const QString upper = name.toUpper();
    QColor* target = upper == QLatin1String("TEXT") ? &m_body.text
        : upper == QLatin1String("LINK")            ? &m_body.link
        : upper == QLatin1String("VLINK")           ? &m_body.visited
        : upper == QLatin1String("ALINK")           ? &m_body.active
        : upper == QLatin1String("BGCOLOR")         ? &m_body.background
                                                    : nullptr;
    if (target)
        *target = colour;
}
