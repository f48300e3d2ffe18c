#pragma once

#include <QColor>
#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

// "Cell Attributes": builds the attributes of a single cell tag and hands them to `insertText`
// on OK, to be typed at the caret inside a TD or TH tag.
class TTableAttrForm : public QDialog {
    Q_OBJECT

public:
    struct Host {
        std::function<void(const QString& text)> insertText;
        std::function<std::optional<QColor>(const QColor& initial)> chooseColour;
    };

    explicit TTableAttrForm(Host host, QWidget* parent = nullptr);

    QString attributeText() const;
    void ColorButtonClick();
    void OkButtonClick();

private:
    Host m_host;
    QSpinBox* ColSpan;
    QSpinBox* RowSpan;
    QComboBox* VAlign;
    QComboBox* HAlign;
    QSpinBox* CellHeight;
    QCheckBox* UseHPercent;
    QSpinBox* CellWidth;
    QCheckBox* UseVPercent;
    QLineEdit* CellColor;
};
