#include "app/formwiring.h"

#include "app/tform1.h"
#include "generators/form/formwizeform.h"
#include "workspace/tags/taginserter.h"
#include "workspace/tags/toolbook.h"

#include <QAbstractButton>

FormWiring::FormWiring(TForm1& window, TagInserter& tags, ToolBook& toolBook,
                       std::function<std::unique_ptr<FormWizardPrompts>()> makePrompts)
    : QObject(&window)
    , m_window(window)
    , m_tags(tags)
    , m_makePrompts(std::move(makePrompts))
{
    CommandRegistry& commands = window.commands();
    commands.setHandler(Command::InsertDataFormRiviRoz, [this] { DataEntryFormClick(); });
    commands.setHandler(Command::PopupFormRiviRoz, [this] { DataEntryFormClick(); });
    if (QAbstractButton* button = toolBook.generatorButton(ToolBookGenerator::DataFormRiviRoz)) {
        button->setEnabled(true);
        connect(button, &QAbstractButton::clicked, this, [this] { m_window.commands().run(Command::InsertDataFormRiviRoz); });
    }
}

void FormWiring::DataEntryFormClick()
{
    if (!m_wizard) {
        m_wizard = new TFormWizeForm([this](const QStringList& lines) { m_tags.insertLines(lines); },
                                     m_makePrompts ? m_makePrompts() : nullptr, &m_window);
    }
    m_wizard->exec();
}
