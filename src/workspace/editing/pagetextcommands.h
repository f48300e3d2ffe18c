#pragma once

#include "workspace/editing/bodyeditor.h"
#include "workspace/editing/metaeditor.h"

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class TLEdit;

// The commands that rewrite part or all of the page's text: Strip HTML Codes and the title,
// META and BODY editors. Each change is one undo step, and a page whose tag cannot be read
// safely is left exactly as it was, with a message saying why.
class PageTextCommands {
public:
    struct Host {
        std::function<bool()> confirmStrip;
        // The page as the preview displays it; nothing when it could not be rendered.
        std::function<std::optional<QString>()> renderedText;
        // Nothing when the user cancels.
        std::function<std::optional<QString>(const QString& currentTitle)> askTitle;
        // The META tag's text (empty for a new tag) in, the fields the user chose out.
        std::function<std::optional<MetaEditor::MetaFields>(const QString& tagText)> editMeta;
        std::function<std::optional<BodyEditor::BodyAttributes>(const BodyEditor::BodyAttributes& settings)> editBody;
        // Where pictures for the page go; empty for a page not saved yet.
        std::function<QString()> pageDirectory;
        std::function<void(const QString& title, const QString& text)> report;
        std::function<void()> updatePreview;
    };

    PageTextCommands(TLEdit* editor, Host host);

    void StripAllCodes1Click();
    void EditTitle1Click();
    void EditMetaTag1Click();
    void EditBodyStatementClick();

    // The body settings remembered between uses of the body dialog.
    const BodyEditor::BodyAttributes& bodySettings() const { return m_body; }
    // A page colour chosen elsewhere ("TEXT", "LINK", "VLINK", "ALINK" or "BGCOLOR").
    void rememberPageColour(const QString& name, const QColor& colour);
    void rememberBackgroundImage(const QString& name) { m_body.backgroundImage = name; }

private:
    void select(const QString& text, int start, int end);
    void apply(const QString& text, const PageText::TextEdit& edit);
    std::optional<QString> pictureBesidePage(const QString& chosen);

    TLEdit* m_editor;
    Host m_host;
    BodyEditor::BodyAttributes m_body;
};

namespace PageTextMessages {
inline const QString stripQuestion
    = QStringLiteral("Are you sure that you want to strip all of the HTML codes from this page?");
inline const QString stripFailed
    = QStringLiteral("The page could not be displayed, so its HTML codes were left as they are.");
inline const QString titleUnclosed
    = QStringLiteral("The page's <TITLE> tag has no closing </TITLE>, so the title was left as it is.");
inline const QString metaUnclosed
    = QStringLiteral("The page's <META tag has no closing \">\", so it was left as it is.");
inline const QString bodyUnclosed
    = QStringLiteral("The page's <BODY tag has no closing \">\", so it was left as it is.");
} // namespace PageTextMessages
