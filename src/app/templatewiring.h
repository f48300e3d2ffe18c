#pragma once

#include "generators/template/ttemplatewizeguy.h"

#include <QList>
#include <QObject>
#include <QPointer>

class TForm1;

// Opens the template wizard from "Template Rivi Roz..." and the Templates tab's Go! button, keeps
// it bound to the page it was started on, and gives the editor's place to the preview while it
// is open.
class TemplateWiring : public QObject {
    Q_OBJECT
public:
    explicit TemplateWiring(TForm1& window);

    void TemplateWizeGuy1Click();
    TTemplateWizeGuy* wizard() const { return m_wizard; }

private:
    // The active tab changed or a page closed: the wizard follows its own page.
    void followPages();
    quint64 activePageId() const;
    bool isOpen(quint64 pageId) const;

    TForm1& m_window;
    QPointer<TTemplateWizeGuy> m_wizard;
    quint64 m_pageId = 0;
    QList<int> m_savedSplit;
};
