#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;

namespace tessera::workspace {

// Shows what a form in the preview would submit; nothing is sent anywhere.
class TSubmitForm : public QDialog {
    Q_OBJECT

public:
    explicit TSubmitForm(QWidget* parent = nullptr);

    // Replaces the contents and shows the dialog without waiting.
    void showSubmission(const QString& action, const QString& method, const QStringList& results);

    QLineEdit* ActionText() const { return m_action; }
    QLineEdit* MethodText() const { return m_method; }
    QListWidget* ResultBox() const { return m_results; }

private:
    QLineEdit* m_action = nullptr;
    QLineEdit* m_method = nullptr;
    QListWidget* m_results = nullptr;
};

} // namespace tessera::workspace
