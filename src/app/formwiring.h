#pragma once

#include <QObject>

#include <functional>
#include <memory>

class FormWizardPrompts;
class TFormWizeForm;
class TForm1;
class TagInserter;
class ToolBook;

// Joins the form wizard to the main window's menu, pop-up and tool book. The wizard is made on
// first use and kept, so its field list stays for the rest of the run.
class FormWiring : public QObject {
    Q_OBJECT
public:
    // The wizard's questions are its own message boxes unless `makePrompts` gives others.
    FormWiring(TForm1& window, TagInserter& tags, ToolBook& toolBook,
               std::function<std::unique_ptr<FormWizardPrompts>()> makePrompts);

    void DataEntryFormClick();
    // The wizard, once it has been opened.
    TFormWizeForm* wizard() const { return m_wizard; }

private:
    TForm1& m_window;
    TagInserter& m_tags;
    std::function<std::unique_ptr<FormWizardPrompts>()> m_makePrompts;
    TFormWizeForm* m_wizard = nullptr;
};
