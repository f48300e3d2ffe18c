#include "custom/fontform/colourbox.h"

#include "custom/fontform/editoroptions.h"
#include "workspace/settings/settings.h"

#include <QPainter>
#include <QPixmap>

namespace {

QIcon swatch(const QColor& colour)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

ColourBox::ColourBox(const QString& name, QWidget* parent)
    : QComboBox(parent)
{
    setObjectName(name);
    for (const NamedColour& named : namedColours()) {
        const QColor colour = *colourFromValue(named.value);
        addItem(swatch(colour), QString::fromLatin1(named.name), colour);
    }
    m_namedCount = count();
}

void ColourBox::setColour(const QColor& colour)
{
    if (!colour.isValid())
        return;
    const QColor rgb = colour.toRgb();
    for (int i = 0; i < m_namedCount; ++i) {
        if (itemData(i).value<QColor>() == rgb) {
            setCurrentIndex(i);
            return;
        }
    }
    const QString name = rgb.name(QColor::HexRgb).toUpper();
    if (count() == m_namedCount)
        addItem(QString());
    setItemText(m_namedCount, name);
    setItemIcon(m_namedCount, swatch(rgb));
    setItemData(m_namedCount, rgb);
    setCurrentIndex(m_namedCount);
}

QColor ColourBox::colour() const { return currentData().value<QColor>(); }
