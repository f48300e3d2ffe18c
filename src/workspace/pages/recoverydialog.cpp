#include "workspace/pages/recoverydialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { PageColumn, WrittenColumn, AnswerColumn, ColumnCount };

} // namespace

RecoveryDialog::RecoveryDialog(const QList<OrphanSwapFile>& backups, QWidget* parent)
    : QDialog(parent)
    , m_table(new QTableWidget(int(backups.size()), ColumnCount, this))
{
    setWindowTitle(QStringLiteral("Recover Unsaved Pages"));
    auto* explanation = new QLabel(
        QStringLiteral("Tessera ended without closing these pages. Their backups hold text that was never saved.\n"
                       "Recover opens the page with the backup's text, not yet saved. Discard deletes the backup. "
                       "Decide later leaves the backup as it is and asks again when the page is opened."),
        this);
    explanation->setWordWrap(true);
    m_table->setHorizontalHeaderLabels({QStringLiteral("Page"), QStringLiteral("Backup written"),
                                        QStringLiteral("What to do")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < backups.size(); ++row) {
        const OrphanSwapFile& backup = backups.at(row);
        auto* page = new QTableWidgetItem(backup.pageFile);
        page->setToolTip(QStringLiteral("Backup: ") + backup.swapFile);
        m_table->setItem(row, PageColumn, page);
        m_table->setItem(row, WrittenColumn,
                         new QTableWidgetItem(QLocale().toString(backup.written, QLocale::ShortFormat)));
        auto* answer = new QComboBox(m_table);
        answer->addItems({QStringLiteral("Recover"), QStringLiteral("Discard"), QStringLiteral("Decide later")});
        m_table->setCellWidget(row, AnswerColumn, answer);
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(640, 240);
}

QList<RecoveryAnswer> RecoveryDialog::answers() const
{
    QList<RecoveryAnswer> answers;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const auto* answer = static_cast<QComboBox*>(m_table->cellWidget(row, AnswerColumn));
        answers.append(static_cast<RecoveryAnswer>(answer->currentIndex()));
    }
    return answers;
}
