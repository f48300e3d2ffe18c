#pragma once

#include "generators/builders/templatepage.h"
#include "generators/template/templatepages.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QStackedWidget;
class TLEdit;

// "Template Rivi Roz": walks from template placeholder to placeholder in the page it was started
// on, shows each one's fields read from the HTML under it, and on Refresh writes that HTML again.
// A tool window above the main window, so the page and its preview stay in sight.
class TTemplateWizeGuy : public QWidget {
    Q_OBJECT
public:
    enum class Page { Starting, Defaults, Header, Text, Image, Link, Body, InvalidTag };

    struct Host {
        TLEdit* editor = nullptr;
        std::function<void()> updatePreview;
        std::function<void(const QString& text)> inform;
        TemplateServices services;
    };

    static inline const QString caption = QStringLiteral("Template Rivi Roz");
    static inline const QString noDocument = QStringLiteral("No document appears to be loaded.");
    static inline const QString noMoreDefinitions = QStringLiteral("No more template definitions");

    TTemplateWizeGuy(Host host, QWidget* parent);
    ~TTemplateWizeGuy() override;

    Page page() const;
    int currentLine() const { return m_line; }

    void StartClick();
    void NextClick();
    void PreviousClick();
    void RefreshClick();

    // Whether the page the wizard was started on is the editor's page now; while it is not, the
    // wizard neither reads nor writes.
    void setPageCurrent(bool current);

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::vector<std::string> pageLines() const;
    void search(tessera::generators::SearchDirection direction);
    void openPlaceholder();
    void importFields(tessera::generators::TemplateKind kind, const std::vector<std::string>& owned);
    void showPage(Page page);
    void showInvalidTag(int line);
    // The HTML for the owned lines; nothing when the page has nothing to write.
    std::optional<std::vector<std::string>> builtLines() const;
    // Writes the active page's HTML and refreshes the preview; false when there is nothing to do.
    bool writeAndShow();
    void writeLines();
    void updateButtons();

    Host m_host;
    QStackedWidget* m_pages;
    QLabel* m_invalidLine;
    TemplateDefaultsPage* m_defaults;
    TemplateHeaderPage* m_header;
    TemplateTextPage* m_text;
    TemplateImagePage* m_image;
    TemplateLinkPage* m_link;
    TemplateBodyPage* m_body;
    QPushButton* StartBtn;
    QPushButton* PreviousBtn;
    QPushButton* NextBtn;
    QPushButton* RefreshBtn;
    QPushButton* CloseBtn;

    int m_line = 0;
    std::optional<tessera::generators::TemplateKind> m_kind;
    bool m_started = false;
    bool m_pageCurrent = true;
    bool m_importing = false;
    bool m_placed = false;
};
