#include "app/customwiring.h"

#include "app/tform1.h"
#include "custom/buttons/custombuttons.h"
#include "custom/buttons/tcustombuttonform.h"
#include "custom/special/specialbuttons.h"
#include "custom/special/tspeccharform.h"

#include <QTabWidget>

namespace {

// Index of "Custom 1" in the tool book, whose tabs keep their places even when hidden.
int customTabIndex(const QTabWidget* book, int page)
{
    return book->indexOf(book->findChild<QWidget*>(QStringLiteral("Custom%1Page").arg(page + 1)));
}

} // namespace

CustomWiring::CustomWiring(TForm1& window, TagInserter& inserter, AlignmentPopup& popup, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_custom(new CustomButtons(&inserter, &popup,
                                 [&window](const QString& name) { return window.programDirectory().filePath(name); }, this))
    , m_special(new SpecialButtons(&inserter, this))
{
    window.lifecycle().setHandler(LifecycleStep::BuildCustomButtons, [this] {
        const QString failures = build();
        return failures.isEmpty() ? StepResult::success() : StepResult::failure(failures);
    });
    window.commands().setHandler(Command::OptionsCustomizeButtons, [this] { CustomizeButtons1Click(); });
    window.commands().setHandler(Command::OptionsSpecialCharacters, [this] { SpecialCharacters1Click(); });
}

QWidget* CustomWiring::customTab(int page) const
{
    return m_window.powerBook()->widget(customTabIndex(m_window.powerBook(), page));
}

QString CustomWiring::build()
{
    std::array<QWidget*, ButtonFile::pageCount> tabs {};
    for (int page = 0; page < ButtonFile::pageCount; ++page)
        tabs[page] = customTab(page);
    const QString failures = m_custom->build(tabs);
    // The character buttons take the size of the Lists tab's add-list button.
    const QWidget* addList = m_window.powerBook()->findChild<QWidget*>(QStringLiteral("AddListSB"));
    m_special->build(m_window.powerBook()->findChild<QWidget*>(QStringLiteral("SpecialPage")),
                     addList ? addList->size() : QSize(25, 25));
    return failures;
}

void CustomWiring::CustomizeButtons1Click()
{
    QTabWidget* book = m_window.powerBook();
    QStringList captions;
    for (int page = 0; page < ButtonFile::pageCount; ++page)
        captions << book->tabText(customTabIndex(book, page));
    TCustomButtonForm form(captions, [this](const QString& name) { return m_window.programDirectory().filePath(name); },
                           &m_window);
    if (form.exec() != QDialog::Accepted)
        return;
    QStringList failures;
    for (int page = 0; page < ButtonFile::pageCount; ++page) {
        book->setTabText(customTabIndex(book, page), form.tabCaptions().at(page));
        const QString failure = m_custom->reload(page);
        if (!failure.isEmpty())
            failures << failure;
    }
    if (!failures.isEmpty())
        m_window.reportFailure(QStringLiteral("Custom Button Setup"), failures.join(QLatin1Char('\n')));
}

void CustomWiring::SpecialCharacters1Click()
{
    TSpecCharForm form(m_special, &m_window);
    form.exec();
}
