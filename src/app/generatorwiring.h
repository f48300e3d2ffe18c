#pragma once

#include <QObject>

#include <functional>
#include <memory>

class TForm1;
class TableWizardPrompts;
class TagInserter;
class ToolBook;

// Joins the generator dialogs to the main window's menus, pop-up and tool book, and hands their
// HTML to the window's insertion primitives.
class GeneratorWiring : public QObject {
    Q_OBJECT
public:
    // The wizard's questions are its own message boxes unless `makeTablePrompts` gives others.
    GeneratorWiring(TForm1& window, TagInserter& tags, ToolBook& toolBook,
                    std::function<std::unique_ptr<TableWizardPrompts>()> makeTablePrompts);

    void InsertTableClick();
    void TableCellAttributes1Click();

private:
    TForm1& m_window;
    TagInserter& m_tags;
    std::function<std::unique_ptr<TableWizardPrompts>()> m_makeTablePrompts;
};
