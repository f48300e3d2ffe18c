#include "custom/special/tspeccharform.h"

#include "custom/special/specialbuttons.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QVBoxLayout>

namespace {
constexpr int codeLength = 20;
} // namespace

TSpecCharForm::TSpecCharForm(SpecialButtons* buttons, QWidget* parent)
    : QDialog(parent)
    , m_buttons(buttons)
{
    setObjectName(QStringLiteral("SpecCharForm"));
    setWindowTitle(QStringLiteral("Special Characters"));
    FormCreate();
}

void TSpecCharForm::FormCreate()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto* rows = new QGridLayout;
    rows->addWidget(new QLabel(QStringLiteral("Character:")), 0, 0);
    rows->addWidget(new QLabel(QStringLiteral("HTML code to output:")), 0, 1);
    QSettings settings;
    const QList<SpecialCharacters::Slot> entries = SpecialCharacters::read(settings);
    for (int i = 0; i < SpecialCharacters::slotCount; ++i) {
        auto* character = new QLineEdit(entries.value(i).character);
        character->setObjectName(QStringLiteral("Character%1").arg(i + 1));
        character->setMaxLength(1);
        character->setFixedWidth(character->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 3);
        auto* code = new QLineEdit(entries.value(i).code);
        code->setObjectName(QStringLiteral("Code%1").arg(i + 1));
        code->setMaxLength(codeLength);
        code->setMinimumWidth(code->fontMetrics().averageCharWidth() * 10 + 12);
        rows->addWidget(character, i + 1, 0);
        rows->addWidget(code, i + 1, 1);
        m_characters[i] = character;
        m_codes[i] = code;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &TSpecCharForm::BitBtn1Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &TSpecCharForm::BitBtn2Click);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addWidget(buttons);
    QApplication::restoreOverrideCursor();
}

void TSpecCharForm::BitBtn1Click()
{
    QList<SpecialCharacters::Slot> entries;
    for (int i = 0; i < SpecialCharacters::slotCount; ++i) {
        // A "|" character would be stored as an empty slot and its row would vanish.
        if (m_characters[i]->text() == QLatin1String("|")) {
            QMessageBox::warning(this, windowTitle(), QStringLiteral("\"|\" cannot be used as a character (row %1).").arg(i + 1));
            m_characters[i]->setFocus();
            return;
        }
        entries << SpecialCharacters::Slot {m_characters[i]->text(), m_codes[i]->text()};
    }
    QSettings settings;
    QString error;
    if (!SpecialCharacters::write(settings, entries, &error)) {
        QMessageBox::critical(this, windowTitle(), error);
        return;
    }
    m_buttons->reassign();
    accept();
}
