#include "workspace/tags/taginserter.h"

#include "editor/tledit.h"
#include "workspace/tags/insertimage.h"
#include "workspace/tags/tagtarget.h"

#include <QApplication>
#include <QColorDialog>
#include <QDateTime>
#include <QDir>
#include <QFontDialog>
#include <QLocale>
#include <QMessageBox>
#include <Qsci/qsciscintilla.h>

TagInserter::TagInserter(TLEdit* webPage, TagHost host, QObject* parent)
    : QObject(parent)
    , m_editor(webPage)
    , m_host(std::move(host))
{
}

TagOptions TagInserter::options() const
{
    return m_host.options ? m_host.options() : TagOptions {};
}

bool TagInserter::canInsert() const
{
    if (!m_editor)
        return false;
    if (m_host.isPageOpen && !m_host.isPageOpen())
        return false;
    return !m_host.isMainAreaShown || m_host.isMainAreaShown();
}

QString TagInserter::lineBreak() const
{
    if (m_editor && m_editor->scintilla()) {
        switch (m_editor->scintilla()->eolMode()) {
        case QsciScintilla::EolUnix:
            return QStringLiteral("\n");
        case QsciScintilla::EolMac:
            return QStringLiteral("\r");
        case QsciScintilla::EolWindows:
            break;
        }
    }
    return QStringLiteral("\r\n");
}

QString TagInserter::pageDirectory() const
{
    return m_host.pageDirectory ? m_host.pageDirectory() : QDir::currentPath();
}

QString TagInserter::workingDirectory() const
{
    return m_host.workingDirectory ? m_host.workingDirectory() : QDir::currentPath();
}

QString TagInserter::programDirectory() const
{
    return m_host.programDirectory ? m_host.programDirectory() : QCoreApplication::applicationDirPath();
}

void TagInserter::reportFailure(const QString& title, const QString& text) const
{
    if (m_host.reportFailure)
        m_host.reportFailure(title, text);
    else
        QMessageBox::warning(QApplication::activeWindow(), title, text);
}

void TagInserter::finish()
{
    Q_EMIT saveEnabled();
    // The preview knows whether live preview shows the change already.
    Q_EMIT previewUpdateRequested();
}

// ---- primitives ----------------------------------------------------------------------------

void TagInserter::InsertText(const QString& text)
{
    if (!canInsert())
        return;
    EditorTagTarget target(*m_editor);
    TagEdit::insertText(target, text);
    finish();
}

void TagInserter::InsertSelected(const QString& openingTag)
{
    InsertSelected2(openingTag, TagRules::closingTagFor(openingTag));
}

void TagInserter::InsertSelected2(const QString& opening, const QString& closing)
{
    if (!canInsert())
        return;
    EditorTagTarget target(*m_editor);
    TagEdit::insertSelected2(target, opening, closing);
    finish();
}

void TagInserter::InsertCaptionAsTag(const QString& caption)
{
    const auto [opening, closing] = TagRules::captionAsTag(caption);
    InsertSelected2(opening, closing);
}

void TagInserter::CreateUnevenTags(const QString& line)
{
    const auto [opening, closing] = TagRules::unevenTags(line);
    InsertSelected2(opening, closing);
}

void TagInserter::insertLines(const QStringList& lines)
{
    if (!canInsert())
        return;
    EditorTagTarget target(*m_editor);
    TagEdit::insertLines(target, lines, lineBreak());
    m_editor->setFocus();
    finish();
}

void TagInserter::ButtonInsertAsIs(const QString& hint)
{
    InsertText(hint);
}

void TagInserter::ButtonInsertEven(const QString& hint)
{
    InsertSelected(QLatin1Char('<') + hint + QLatin1Char('>'));
}

void TagInserter::ButtonInsertUnEven(const QString& hint)
{
    CreateUnevenTags(hint);
}

void TagInserter::SpecialChar1Click(const QString& hint)
{
    InsertText(hint);
}

// ---- Font tab ------------------------------------------------------------------------------

void TagInserter::Bold1Click() { InsertSelected(QStringLiteral("<B>")); }
void TagInserter::Italics1Click() { InsertSelected(QStringLiteral("<I>")); }
void TagInserter::Underline1Click() { InsertSelected(QStringLiteral("<U>")); }
void TagInserter::CenterClick() { InsertSelected(QStringLiteral("<CENTER>")); }
void TagInserter::SubscriptClick() { InsertSelected(QStringLiteral("<SUB>")); }
void TagInserter::SuperscriptClick() { InsertSelected(QStringLiteral("<SUP>")); }
void TagInserter::CommentClick() { InsertSelected2(QStringLiteral("<!--"), QStringLiteral("-->")); }
void TagInserter::NonBreakingSpaceClick() { InsertText(QStringLiteral("&nbsp;")); }

void TagInserter::FSizeChange(const QString& size)
{
    if (size.trimmed().isEmpty())
        return;
    InsertSelected2(QStringLiteral("<FONT SIZE=") + size.trimmed() + QLatin1Char('>'), QStringLiteral("</FONT>"));
}

void TagInserter::sfChange(const QString& face)
{
    if (face.trimmed().isEmpty())
        return;
    InsertSelected2(QStringLiteral("<FONT FACE=\"") + face + QStringLiteral("\">"), QStringLiteral("</FONT>"));
}

void TagInserter::FontPlusClick()
{
    InsertSelected2(QStringLiteral("<FONT SIZE=+%1>").arg(options().fontSizeStep), QStringLiteral("</FONT>"));
}

void TagInserter::SpeedButton5Click()
{
    InsertSelected2(QStringLiteral("<FONT SIZE=-%1>").arg(options().fontSizeStep), QStringLiteral("</FONT>"));
}

void TagInserter::TextButtonClick()
{
    if (!canInsert())
        return;
    std::optional<QColor> colour;
    if (m_host.chooseColour) {
        colour = m_host.chooseColour(Qt::black);
    } else {
        const QColor chosen = QColorDialog::getColor(Qt::black, QApplication::activeWindow());
        if (chosen.isValid())
            colour = chosen;
    }
    if (!colour)
        return;
    InsertSelected2(QStringLiteral("<FONT COLOR=\"#") + TagTexts::colourHex(*colour) + QStringLiteral("\">"),
                    QStringLiteral("</FONT>"));
}

void TagInserter::SpeedButton13Click()
{
    if (!canInsert())
        return;
    std::optional<FontChoice> choice;
    if (m_host.chooseFont) {
        choice = m_host.chooseFont();
    } else {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, m_editor->editorFont(), QApplication::activeWindow());
        if (ok)
            choice = FontChoice {font, std::nullopt};
    }
    if (!choice)
        return;
    TagTexts::FontSpec spec;
    spec.family = choice->font.family();
    spec.pointSize = choice->font.pointSize() > 0 ? choice->font.pointSize() : 12;
    spec.colour = choice->colour;
    spec.bold = choice->font.bold();
    spec.italic = choice->font.italic();
    spec.underline = choice->font.underline();
    spec.strikeOut = choice->font.strikeOut();
    const auto [opening, closing] = TagTexts::fontTags(spec);
    InsertSelected2(opening, closing);
}

// ---- pop-up, HTML Codes menu, Format tab ---------------------------------------------------

void TagInserter::TableCellClick() { InsertSelected(QStringLiteral("<TD>")); }
void TagInserter::UOListItem() { InsertSelected2(QStringLiteral("<UL><LI>"), QStringLiteral("</UL>")); }
void TagInserter::HorizontalBarClick() { InsertText(QStringLiteral("<HR>")); }
void TagInserter::BRClick() { InsertText(QStringLiteral("<BR>")); }
void TagInserter::BR2Click(const QString& caption) { InsertText(caption); }

void TagInserter::address1Click(const QString& caption)
{
    if (caption.contains(QStringLiteral("..")))
        CreateUnevenTags(caption);
    else
        InsertSelected(TagRules::firstWordAsTag(caption));
}

void TagInserter::ParagraphBtnClick(const QString& caption)
{
    if (caption == QLatin1String("P") && !options().useClosingP)
        InsertText(QStringLiteral("<P>"));
    else
        InsertSelected(QLatin1Char('<') + caption + QLatin1Char('>'));
}

void TagInserter::LCRClick(const QString& caption)
{
    if (caption == QLatin1String("<P></P>") && !options().useClosingP)
        InsertText(QStringLiteral("<P>") + lineBreak());
    else
        InsertCaptionAsTag(caption);
}

void TagInserter::Todaysdate1Click()
{
    InsertText(QLatin1Char(' ') + TagTexts::dateText(QLocale::system(), QDate::currentDate()) + QLatin1Char(' '));
}

void TagInserter::CurrentTime1Click()
{
    InsertText(QLatin1Char(' ') + TagTexts::timeText(QLocale::system(), QTime::currentTime()) + QLatin1Char(' '));
}

void TagInserter::DateTime2Click()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    InsertText(QLatin1Char(' ') + TagTexts::dateText(locale, now.date()) + QLatin1Char('/')
               + TagTexts::timeText(locale, now.time()) + QLatin1Char(' '));
}

void TagInserter::StandardClick()
{
    InsertBasicTags();
}

void TagInserter::InsertBasicTags()
{
    // Inserted straight at the caret: the page's own change handling takes care of Save and
    // the preview.
    if (!canInsert())
        return;
    EditorTagTarget target(*m_editor);
    TagEdit::insertText(target, TagTexts::standardTags(lineBreak()));
}

// ---- Forms and Templates tabs --------------------------------------------------------------

void TagInserter::CheckBoxClick()
{
    InsertSelected2(QStringLiteral("<INPUT TYPE=\"checkbox\" NAME=\"cb1\" VALUE=\"value1\">"), QStringLiteral("<BR>"));
}

void TagInserter::RadioButtonClick()
{
    InsertSelected2(QStringLiteral("<INPUT TYPE=\"radio\" NAME=\"radio1\" VALUE=\"value1\" CHECKED>"),
                    QStringLiteral("<BR>"));
}

void TagInserter::TextFieldClick() { InsertText(QStringLiteral("<INPUT TYPE=\"text\" NAME=\"text1\" SIZE=25>")); }
void TagInserter::TextAreaClick() { InsertText(QStringLiteral("<TEXTAREA NAME=\"textarea\" ROWS=5 COLS=25></TEXTAREA>")); }
void TagInserter::HiddenFieldClick() { InsertText(QStringLiteral("<INPUT TYPE=\"hidden\" NAME=\"name1\" VALUE=\"value1\">")); }
void TagInserter::ListBoxClick() { InsertText(TagTexts::listBoxField(lineBreak())); }
void TagInserter::OptionClick() { InsertText(QStringLiteral("<OPTION>")); }
void TagInserter::SpeedButton33Click() { InsertText(TagTexts::formSkeleton(lineBreak())); }
void TagInserter::templateMarker(const QString& name) { InsertText(TagTexts::templateMarker(name, lineBreak())); }
void TagInserter::PageDefaultsClick() { InsertText(TagTexts::pageDefaultsMarker(lineBreak())); }

// ---- Tables, Lists, Links, Images ----------------------------------------------------------

void TagInserter::insertTable(const TagTexts::TableSpec& spec)
{
    insertLines(TagTexts::tableLines(spec));
}

void TagInserter::insertList(const TagTexts::ListSpec& spec)
{
    insertLines(TagTexts::listLines(spec));
}

void TagInserter::insertLink(const QString& prefix, const QString& url, const QString& text)
{
    InsertText(TagTexts::linkTag(prefix, url, text));
}

QString TagInserter::imageDirectory(const QString& type) const
{
    if (type.isEmpty() || type == QLatin1String("Default"))
        return workingDirectory();
    return QDir(programDirectory()).filePath(type);
}

QStringList TagInserter::imagesOf(const QString& type) const
{
    return filesWithExtensions(imageDirectory(type), options().graphicExtensions);
}

QStringList TagInserter::webDocuments() const
{
    return filesWithExtensions(workingDirectory(), options().webExtensions);
}

bool TagInserter::insertImage(const QString& type, const QString& name, const QString& alignment, const QString& link)
{
    if (!canInsert() || name.trimmed().isEmpty())
        return false;
    const QString directory = imageDirectory(type);
    const QString source = QDir(directory).filePath(name);
    if (type != QLatin1String("Default") && !type.isEmpty()) {
        const CopyResult copied = CopyToPageDirectory(source, pageDirectory());
        if (!copied.ok) {
            reportFailure(QStringLiteral("Image"), copied.errorString);
            return false;
        }
    }
    TagTexts::ImageSpec spec;
    spec.name = name;
    spec.alignment = alignment;
    spec.link = link;
    const QSize size = imageSize(source);
    if (size.isValid()) {
        spec.width = size.width();
        spec.height = size.height();
    }
    InsertText(TagTexts::imageTag(spec));
    return true;
}

void TagInserter::showImageGallery(const QString& type)
{
    if (!m_host.showInPreview)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString directory = imageDirectory(type);
    m_host.showInPreview(imageGalleryPage(directory, imagesOf(type)));
    QApplication::restoreOverrideCursor();
}
