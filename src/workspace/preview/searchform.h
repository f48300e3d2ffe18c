#pragma once

#include "workspace/preview/browserfinder.h"

#include <QDialog>
#include <QTimer>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tessera::workspace {

// Finds browser programs under a chosen folder. The search runs a directory at a time from a
// timer, so the dialog stays responsive and Cancel stops it.
class TSearchForm : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* kNothingFound = "No files matching the mask were found!";

    explicit TSearchForm(QWidget* parent = nullptr);

    void setFolder(const QString& folder);
    QString folder() const;
    QLineEdit* AdditionalBrowser() const { return m_additional; }
    QListWidget* ListBox1() const { return m_results; }
    // The chosen result line, or empty.
    QString selectedBrowser() const;
    bool searching() const { return m_finder.running(); }
    // Shows a message; a stand-in replaces it in tests.
    std::function<void(const QString&)> showMessage;

public slots:
    void SearchClick();
    void cancelSearch();

protected:
    void reject() override;

private:
    void searchStep();
    void finish();

    QLineEdit* m_folder = nullptr;
    QLineEdit* m_additional = nullptr;
    QListWidget* m_results = nullptr;
    QPushButton* m_search = nullptr;
    BrowserFinder m_finder;
    QTimer m_timer;
};

} // namespace tessera::workspace
