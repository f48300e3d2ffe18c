#include "workspace/tags/typedkeyfilter.h"

#include "editor/tledit.h"
#include "text/entities.h"

namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Keys that type into the text, as opposed to movement keys and shortcuts.
bool typesText(const TLEditKeyPress& press)
{
    if (isEnter(press.key) || press.key == Qt::Key_Backspace || press.key == Qt::Key_Tab)
        return true;
    if (press.text.isEmpty() || (press.modifiers & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    return press.text.at(0).isPrint();
}

} // namespace

QString characterEntity(QChar c)
{
    const std::string_view name = tessera::text::letterEntityName(c.unicode());
    if (name.empty())
        return {};
    return QLatin1Char('&') + QLatin1String(name) + QLatin1Char(';');
}

TypedKeyFilter::TypedKeyFilter(TLEdit* editor, std::function<TagOptions()> options, QObject* parent)
    : QObject(parent)
    , m_editor(editor)
    , m_options(std::move(options))
{
    connect(m_editor, &TLEdit::OnKeyPress, this, &TypedKeyFilter::WebPageKeyPress);
}

void TypedKeyFilter::WebPageKeyPress(TLEditKeyPress* press)
{
    if (!typesText(*press))
        return;
    const TagOptions options = m_options ? m_options() : TagOptions {};
    const QString br = QStringLiteral("<BR>");
    if (isEnter(press->key) && (press->modifiers & Qt::ControlModifier)) {
        // Ctrl+Enter is a line break tag followed by an ordinary line break.
        m_editor->InsertText(br);
        press->modifiers &= ~Qt::ControlModifier;
        press->text = QStringLiteral("\r");
    } else if (isEnter(press->key)) {
        if (options.useBR)
            m_editor->InsertText(br);
    } else if (options.expandCharsToHtml && press->text.size() == 1) {
        const QString entity = characterEntity(press->text.at(0));
        if (!entity.isEmpty()) {
            m_editor->InsertText(entity);
            press->swallowed = true;
        }
    }
    m_editor->setTrackingLevel(TLEdit::defaultTrackingLevel);
    m_editor->setModified(true);
    Q_EMIT edited();
}
