#include "app/generatorwiring.h"

#include "app/tform1.h"
#include "generators/table/tableattrform.h"
#include "generators/table/tblcreateform.h"
#include "workspace/tags/taginserter.h"
#include "workspace/tags/toolbook.h"

#include <QAbstractButton>
#include <QColorDialog>

GeneratorWiring::GeneratorWiring(TForm1& window, TagInserter& tags, ToolBook& toolBook,
                                 std::function<std::unique_ptr<TableWizardPrompts>()> makeTablePrompts)
    : QObject(&window)
    , m_window(window)
    , m_tags(tags)
    , m_makeTablePrompts(std::move(makeTablePrompts))
{
    CommandRegistry& commands = window.commands();
    commands.setHandler(Command::InsertTableRiviRoz, [this] { InsertTableClick(); });
    commands.setHandler(Command::PopupTableRiviRoz, [this] { InsertTableClick(); });
    commands.setHandler(Command::InsertTableCellAttributes, [this] { TableCellAttributes1Click(); });
    if (QAbstractButton* button = toolBook.generatorButton(ToolBookGenerator::TableRiviRoz)) {
        button->setEnabled(true);
        connect(button, &QAbstractButton::clicked, this, [this] { m_window.commands().run(Command::InsertTableRiviRoz); });
    }
}

void GeneratorWiring::InsertTableClick()
{
    m_window.showHelper(Helper::CreatingSimpleTables);
    TTblCreateForm wizard([this](const QStringList& lines) { m_tags.insertLines(lines); },
                          m_makeTablePrompts ? m_makeTablePrompts() : nullptr, &m_window);
    wizard.exec();
}

void GeneratorWiring::TableCellAttributes1Click()
{
    TTableAttrForm::Host host;
    host.insertText = [this](const QString& text) { m_tags.InsertText(text); };
    host.chooseColour = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor colour = QColorDialog::getColor(initial, &m_window);
        return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
    };
    TTableAttrForm form(host, &m_window);
    form.exec();
}
