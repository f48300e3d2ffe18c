#include "generators/table/tableattrform.h"

#include "generators/builders/tablelines.h"
#include "workspace/tags/tagtexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

constexpr int kMaxSpan = 100;
constexpr int kMaxSize = 9999;

QSpinBox* spin(int minimum, int maximum, int value, const char* name)
{
    auto* box = new QSpinBox;
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setObjectName(QLatin1String(name));
    return box;
}

QHBoxLayout* row(QWidget* first, QWidget* second)
{
    auto* layout = new QHBoxLayout;
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addStretch();
    return layout;
}

} // namespace

TTableAttrForm::TTableAttrForm(Host host, QWidget* parent)
    : QDialog(parent)
    , m_host(std::move(host))
    , ColSpan(spin(1, kMaxSpan, 1, "ColSpan"))
    , RowSpan(spin(1, kMaxSpan, 1, "RowSpan"))
    , VAlign(new QComboBox)
    , HAlign(new QComboBox)
    , CellHeight(spin(0, kMaxSize, 0, "CellHeight"))
    , UseHPercent(new QCheckBox(QStringLiteral("%")))
    , CellWidth(spin(0, kMaxSize, 0, "CellWidth"))
    , UseVPercent(new QCheckBox(QStringLiteral("%")))
    , CellColor(new QLineEdit)
{
    setObjectName(QStringLiteral("TableAttrForm"));
    setWindowTitle(QStringLiteral("Cell Attributes"));
    VAlign->addItems({QStringLiteral("none"), QStringLiteral("top"), QStringLiteral("middle"), QStringLiteral("bottom")});
    HAlign->addItems({QStringLiteral("none"), QStringLiteral("left"), QStringLiteral("center"), QStringLiteral("right")});
    VAlign->setObjectName(QStringLiteral("VAlign"));
    HAlign->setObjectName(QStringLiteral("HAlign"));
    UseHPercent->setObjectName(QStringLiteral("UseHPercent"));
    UseVPercent->setObjectName(QStringLiteral("UseVPercent"));
    CellColor->setObjectName(QStringLiteral("CellColor"));
    auto* colourButton = new QPushButton(QStringLiteral("Color..."));
    colourButton->setObjectName(QStringLiteral("ColorButton"));
    connect(colourButton, &QPushButton::clicked, this, &TTableAttrForm::ColorButtonClick);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Span Columns:"), ColSpan);
    form->addRow(QStringLiteral("Span Rows:"), RowSpan);
    form->addRow(QStringLiteral("Vertical Alignment:"), VAlign);
    form->addRow(QStringLiteral("Horizontal Alignment:"), HAlign);
    form->addRow(QStringLiteral("Height:"), row(CellHeight, UseHPercent));
    form->addRow(QStringLiteral("Width:"), row(CellWidth, UseVPercent));
    form->addRow(QStringLiteral("Cell Color:"), row(CellColor, colourButton));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TTableAttrForm::OkButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString TTableAttrForm::attributeText() const
{
    tessera::generators::CellAttributeChoice choice;
    choice.rowSpan = RowSpan->value();
    choice.columnSpan = ColSpan->value();
    choice.vertical = VAlign->currentText().toStdString();
    choice.horizontal = HAlign->currentText().toStdString();
    choice.colour = CellColor->text().toStdString();
    choice.height = CellHeight->value();
    choice.heightInPercent = UseHPercent->isChecked();
    choice.width = CellWidth->value();
    choice.widthInPercent = UseVPercent->isChecked();
    return QString::fromStdString(tessera::generators::cellAttributeString(choice));
}

void TTableAttrForm::ColorButtonClick()
{
    if (!m_host.chooseColour)
        return;
    const std::optional<QColor> chosen = m_host.chooseColour(TagTexts::colourFromHex(CellColor->text(), Qt::white));
    if (!chosen)
        return;
    CellColor->setText(TagTexts::colourHex(*chosen));
}

void TTableAttrForm::OkButtonClick()
{
    if (m_host.insertText)
        m_host.insertText(attributeText());
    accept();
}
