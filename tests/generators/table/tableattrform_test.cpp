#include "generators/table/tableattrform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

TEST(CellAttributesDialog, okInsertsTheChosenAttributes)
{
    QStringList inserted;
    TTableAttrForm form({[&](const QString& text) { inserted << text; }, [](const QColor&) { return QColor(0x12, 0x34, 0xAB); }});
    form.OkButtonClick();
    EXPECT_EQ(inserted, QStringList {QString()});

    form.findChild<QSpinBox*>(QStringLiteral("RowSpan"))->setValue(2);
    form.findChild<QComboBox*>(QStringLiteral("HAlign"))->setCurrentText(QStringLiteral("center"));
    form.findChild<QSpinBox*>(QStringLiteral("CellWidth"))->setValue(50);
    form.findChild<QCheckBox*>(QStringLiteral("UseVPercent"))->setChecked(true);
    form.findChild<QPushButton*>(QStringLiteral("ColorButton"))->click();
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("CellColor"))->text(), QStringLiteral("1234AB"));
    form.OkButtonClick();
    EXPECT_EQ(inserted.last(), QStringLiteral(R"( ROWSPAN="2" ALIGN="center" BGCOLOR="1234AB" WIDTH="50%")"));
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

} // namespace
