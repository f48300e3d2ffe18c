#include "print/tprintform.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TPrintForm::TPrintForm(QWidget* parent)
    : QDialog(parent)
    , m_graphic(new QRadioButton(QStringLiteral("Graphic View")))
    , m_text(new QRadioButton(QStringLiteral("Text View")))
    , m_both(new QRadioButton(QStringLiteral("Both Views")))
{
    setWindowTitle(QStringLiteral("Print"));
    auto* group = new QGroupBox(QStringLiteral("Print:"));
    auto* choices = new QVBoxLayout(group);
    for (QRadioButton* choice : {m_graphic, m_text, m_both})
        choices->addWidget(choice);
    m_graphic->setChecked(true);

    auto* buttons = new QDialogButtonBox;
    QPushButton* print = buttons->addButton(QStringLiteral("Print"), QDialogButtonBox::AcceptRole);
    print->setObjectName(QStringLiteral("PrintButton"));
    print->setDefault(true);
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

PrintViews TPrintForm::views() const
{
    if (m_text->isChecked())
        return PrintViews::Text;
    return m_both->isChecked() ? PrintViews::Both : PrintViews::Graphic;
}

void TPrintForm::setViews(PrintViews views)
{
    (views == PrintViews::Text ? m_text : views == PrintViews::Both ? m_both : m_graphic)->setChecked(true);
}
