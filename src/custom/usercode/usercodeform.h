#pragma once

#include <QDialog>

#include <functional>

class QPlainTextEdit;
class QTabWidget;

// "Definable Tags": the three user tag menu files, one text area each. OK writes them and has
// the owner rebuild the menus; "Close" leaves without writing.
class TUserCodeForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int fileCount = 3;

    struct Host {
        // Where the menu file with this name lives.
        std::function<QString(const QString& fileName)> filePath;
        std::function<void()> rebuildMenus;
        std::function<void(const QString& title, const QString& text)> reportFailure;
    };

    explicit TUserCodeForm(Host host, QWidget* parent = nullptr);

    // Loads each area from its file when the file exists. A file that cannot be read leaves its
    // area read-only, so an empty area never replaces it.
    void FormShow();
    // Writes the files, rebuilds the menus and closes; a failed write is reported and the
    // dialog stays open with every file and menu as it was.
    void BitBtn1Click();

private:
    bool writeFiles();

    Host m_host;
    QTabWidget* m_tabs;
    QPlainTextEdit* m_areas[fileCount] = {};
    bool m_writable[fileCount] = {};
};
