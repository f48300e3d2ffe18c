#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace tessera::workspace {

// Starts a program with an argument list and a working directory; never through a shell.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual bool start(const QString& program, const QStringList& arguments, const QString& workingDirectory) = 0;
};

class DetachedProgramStarter : public ProgramStarter {
public:
    bool start(const QString& program, const QStringList& arguments, const QString& workingDirectory) override;
};

// The Page menu caption of a configured browser: "View page in " and the program's file name.
QString browserMenuCaption(const QString& browserPath);

// Hands the editor's page to an external browser through a copy beside the current file.
class BrowserLauncher {
public:
    static constexpr const char* kCopyName = "tesseraview.htm";
    static constexpr const char* kNoBrowser = "No default browser has been selected!";
    static constexpr const char* kLaunchFailed =
        "Error launching external browser!  Please verify browser location and try again.";

    struct Host {
        std::function<QString()> currentFile;      // empty for a page never saved
        std::function<QString()> workingDirectory; // the page's directory
        std::function<QByteArray()> editorText;    // the page as it is saved
        std::function<void(const QString&)> showMessage;
        std::function<void(const QString& copy)> copyWritten;
    };

    BrowserLauncher(Host host, ProgramStarter& starter) : m_host(std::move(host)), m_starter(starter) {}

    // Writes the copy, checks it and starts the browser on it. Returns whether it started.
    bool LaunchBrowser(const QString& browser, bool usePrefix);
    // Where the copy goes for the current file.
    QString copyPath() const;
    // What the browser is given for a copy.
    static QString argumentFor(const QString& copy, bool usePrefix);

private:
    void message(const QString& text) const;

    Host m_host;
    ProgramStarter& m_starter;
};

} // namespace tessera::workspace
