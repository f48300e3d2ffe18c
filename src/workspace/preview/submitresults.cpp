#include "workspace/preview/submitresults.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessera::workspace {

TSubmitForm::TSubmitForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Submit Results"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    m_action = new QLineEdit(this);
    m_action->setReadOnly(true);
    m_method = new QLineEdit(this);
    m_method->setReadOnly(true);
    fields->addRow(QStringLiteral("Action:"), m_action);
    fields->addRow(QStringLiteral("Method:"), m_method);
    layout->addLayout(fields);
    layout->addWidget(new QLabel(QStringLiteral("Results"), this));
    m_results = new QListWidget(this);
    layout->addWidget(m_results);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setDefault(true);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    resize(360, 300);
}

void TSubmitForm::showSubmission(const QString& action, const QString& method, const QStringList& results)
{
    m_action->setText(action);
    m_method->setText(method);
    m_results->clear();
    m_results->addItems(results);
    show();
    raise();
}

} // namespace tessera::workspace
