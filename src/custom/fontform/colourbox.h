#pragma once

#include <QColor>
#include <QComboBox>

// A drop-down of the eighteen named colours. A colour that is none of them is shown as one
// extra item named by its hex value, so the box always shows the colour it was given.
class ColourBox : public QComboBox {
    Q_OBJECT
public:
    explicit ColourBox(const QString& name, QWidget* parent = nullptr);

    void setColour(const QColor& colour);
    QColor colour() const;

private:
    int m_namedCount = 0;
};
