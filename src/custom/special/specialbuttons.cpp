#include "custom/special/specialbuttons.h"

#include "workspace/tags/taginserter.h"

#include <QSettings>
#include <QToolButton>

SpecialButtons::SpecialButtons(TagInserter* inserter, QObject* parent)
    : QObject(parent)
    , m_inserter(inserter)
{
}

void SpecialButtons::build(QWidget* tab, QSize size)
{
    m_tab = tab;
    m_size = size;
    CreateButtons(tab, m_array, SpecialCharacters::slotCount - 1);
    for (int k = 0; k < SpecialCharacters::slotCount; ++k)
        connect(m_array[k], &QToolButton::clicked, this, [this, k] { m_inserter->SpecialChar1Click(m_codes.value(k)); });
    reassign();
}

void SpecialButtons::ReassignSpecialCharacters(QWidget* tab, ButtonArray& array, int highest)
{
    QSettings settings;
    const QList<SpecialCharacters::Slot> entries = SpecialCharacters::read(settings);
    m_codes.clear();
    // Arial resolves to its metric twin, Liberation Sans, where Arial itself is not installed.
    QFont font(QStringLiteral("Arial"), 11);
    font.setStyleHint(QFont::SansSerif);
    for (int k = 0; k <= highest && k < int(array.size()); ++k) {
        QToolButton* button = array[k];
        const SpecialCharacters::Slot slot = entries.value(k);
        button->setParent(tab);
        button->setGeometry(k * m_size.width(), 0, m_size.width(), m_size.height());
        button->setFont(font);
        button->setText(buttonCaption(slot.character));
        button->setToolTip(slot.code.toHtmlEscaped());
        button->setVisible(slot.exists());
        m_codes << slot.code;
    }
}
