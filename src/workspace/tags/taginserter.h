#pragma once

#include "workspace/tags/tagtexts.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class TLEdit;

// The settings that tag insertion reads; the main window fills them from its settings record.
struct TagOptions {
    bool useBR = false;             // "UseBR"
    bool expandCharsToHtml = true;  // "ExpandCharstoHTML"
    bool useClosingP = false;       // "UseClosingP"
    int fontSizeStep = 2;           // "FontSizeChange"
    QString webExtensions = QStringLiteral("html,htm,shtm,shtml");
    QString graphicExtensions = QStringLiteral("gif,jpg");
};

struct FontChoice {
    QFont font;
    // The desktop's font dialog offers no colour.
    std::optional<QColor> colour;
};

// What tag insertion asks of the main window. Every member may be left empty: a missing
// condition counts as met, a missing directory as the current one, a missing chooser as the
// standard dialog.
struct TagHost {
    std::function<bool()> isPageOpen;
    // False while the full-screen preview covers the editor.
    std::function<bool()> isMainAreaShown;
    std::function<TagOptions()> options;
    // The directory of the current page, where copied pictures go.
    std::function<QString()> pageDirectory;
    // The working directory: the default picture directory and where link lists come from.
    std::function<QString()> workingDirectory;
    std::function<QString()> programDirectory;
    std::function<void(const QString& title, const QString& text)> reportFailure;
    std::function<std::optional<QColor>(const QColor& initial)> chooseColour;
    std::function<std::optional<FontChoice>()> chooseFont;
    // Loads a generated page into the split preview (the picture gallery).
    std::function<void(const QString& html)> showInPreview;
};

// The insertion primitives and every built-in tag command, acting on the page editor. Nothing
// happens while no page is open or the full-screen preview is shown.
class TagInserter : public QObject {
    Q_OBJECT
public:
    TagInserter(TLEdit* webPage, TagHost host, QObject* parent = nullptr);

    TLEdit* editor() const { return m_editor; }
    const TagHost& host() const { return m_host; }
    TagOptions options() const;
    bool canInsert() const;
    // The line break the page uses.
    QString lineBreak() const;

    QString pageDirectory() const;
    QString workingDirectory() const;
    QString programDirectory() const;
    void reportFailure(const QString& title, const QString& text) const;

public Q_SLOTS:
    // The primitives.
    void InsertText(const QString& text);
    void InsertSelected(const QString& openingTag);
    void InsertSelected2(const QString& opening, const QString& closing);
    void InsertCaptionAsTag(const QString& caption);
    void CreateUnevenTags(const QString& line);
    void insertLines(const QStringList& lines);
    void ButtonInsertAsIs(const QString& hint);
    void ButtonInsertEven(const QString& hint);
    void ButtonInsertUnEven(const QString& hint);
    void SpecialChar1Click(const QString& hint);

    // Font tab and Edit menu.
    void Bold1Click();
    void Italics1Click();
    void Underline1Click();
    void CenterClick();
    void SubscriptClick();
    void SuperscriptClick();
    void FSizeChange(const QString& size);
    void sfChange(const QString& face);
    void FontPlusClick();
    void SpeedButton5Click();
    void TextButtonClick();
    void SpeedButton13Click();
    void CommentClick();
    void NonBreakingSpaceClick();

    // Editor pop-up.
    void TableCellClick();
    void UOListItem();
    void SpeedButton69Click() { UOListItem(); }

    // HTML Codes menu, Format tab.
    void HorizontalBarClick();
    void BRClick();
    void BR2Click(const QString& caption);
    // A user tag menu or Headings item.
    void address1Click(const QString& caption);
    void ParagraphBtnClick(const QString& caption);
    void LCRClick(const QString& caption);
    void Todaysdate1Click();
    void CurrentTime1Click();
    void DateTime2Click();
    void StandardClick();
    void InsertBasicTags();

    // Forms tab.
    void CheckBoxClick();
    void RadioButtonClick();
    void TextFieldClick();
    void TextAreaClick();
    void HiddenFieldClick();
    void ListBoxClick();
    void OptionClick();
    void SpeedButton33Click();

    // Templates tab and the Page Template submenu.
    void templateMarker(const QString& name);
    void TemplateBodyClick() { templateMarker(QStringLiteral("Body")); }
    void TemplateLinkClick() { templateMarker(QStringLiteral("Link")); }
    void TemplateMailLinkClick() { templateMarker(QStringLiteral("MailLink")); }
    void TemplateImageClick() { templateMarker(QStringLiteral("Image")); }
    void TemplateTextClick() { templateMarker(QStringLiteral("Text")); }
    void TemplateHeadingClick() { templateMarker(QStringLiteral("Heading")); }
    void PageDefaultsClick();

public:
    // Tables, Lists, Links and Images tabs; the tab widgets gather the values.
    void insertTable(const TagTexts::TableSpec& spec);
    void insertList(const TagTexts::ListSpec& spec);
    void insertLink(const QString& prefix, const QString& url, const QString& text);
    // Copies a picture of a type directory beside the page, measures it and inserts its tag.
    // Returns false (after reporting why) when nothing was inserted.
    bool insertImage(const QString& type, const QString& name, const QString& alignment, const QString& link);
    // The directory that pictures of a type come from ("Default" is the working directory).
    QString imageDirectory(const QString& type) const;
    QStringList imagesOf(const QString& type) const;
    QStringList webDocuments() const;
    void showImageGallery(const QString& type);

Q_SIGNALS:
    // The page changed through a command: the Save button is enabled.
    void saveEnabled();
    // The page changed through a command; the preview decides whether to refresh.
    void previewUpdateRequested();

private:
    void finish();

    TLEdit* m_editor;
    TagHost m_host;
};
