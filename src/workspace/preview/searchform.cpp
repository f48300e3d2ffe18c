#include "workspace/preview/searchform.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessera::workspace {

TSearchForm::TSearchForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Search "));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Folder to search:"), this));
    auto* folderRow = new QHBoxLayout;
    m_folder = new QLineEdit(QDir::rootPath(), this);
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    folderRow->addWidget(m_folder);
    folderRow->addWidget(browse);
    layout->addLayout(folderRow);
    layout->addWidget(new QLabel(QStringLiteral("Additional Browser Name:"), this));
    m_additional = new QLineEdit(this);
    layout->addWidget(m_additional);
    m_search = new QPushButton(QStringLiteral("&Search"), this);
    layout->addWidget(m_search);
    m_results = new QListWidget(this);
    layout->addWidget(m_results);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        cancelSearch();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &TSearchForm::reject);
    connect(m_search, &QPushButton::clicked, this, &TSearchForm::SearchClick);
    connect(browse, &QPushButton::clicked, this, [this] {
        QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Folder to search"), m_folder->text());
        if (!chosen.isEmpty())
            m_folder->setText(chosen);
    });
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &TSearchForm::searchStep);
    showMessage = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
}

void TSearchForm::setFolder(const QString& folder) { m_folder->setText(folder); }
QString TSearchForm::folder() const { return m_folder->text(); }

QString TSearchForm::selectedBrowser() const
{
    QListWidgetItem* item = m_results->currentItem();
    if (!item && m_results->count() > 0)
        item = m_results->item(0);
    return item ? item->text() : QString();
}

void TSearchForm::SearchClick()
{
    m_results->clear();
    QString root = m_folder->text().trimmed();
    if (!root.isEmpty() && !QFileInfo(root).isDir()) {
        showMessage(QStringLiteral("The folder \"%1\" does not exist.").arg(root));
        return;
    }
    m_finder.start(root, BrowserFinder::masksFor(m_additional->text()));
    m_search->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_timer.start();
}

void TSearchForm::searchStep()
{
    bool more = m_finder.step([this](const QString& path) {
        m_results->addItem(path);
        return true;
    });
    if (!more)
        finish();
}

void TSearchForm::finish()
{
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    m_search->setEnabled(true);
    QApplication::restoreOverrideCursor();
    if (m_results->count() == 0)
        showMessage(QString::fromLatin1(kNothingFound));
}

void TSearchForm::cancelSearch()
{
    if (!m_timer.isActive())
        return;
    m_finder.cancel();
    m_timer.stop();
    m_search->setEnabled(true);
    QApplication::restoreOverrideCursor();
}

void TSearchForm::reject()
{
    // Cancel first stops a running search; a second press closes the dialog.
    if (m_timer.isActive()) {
        cancelSearch();
        return;
    }
    QDialog::reject();
}

} // namespace tessera::workspace
