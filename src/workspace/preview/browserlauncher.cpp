#include "workspace/preview/browserlauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QUrl>

namespace tessera::workspace {

bool DetachedProgramStarter::start(const QString& program, const QStringList& arguments, const QString& workingDirectory)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDirectory);
    return process.startDetached();
}

QString browserMenuCaption(const QString& browserPath)
{
    qsizetype cut = std::max({browserPath.lastIndexOf(QLatin1Char('\\')), browserPath.lastIndexOf(QLatin1Char('/')),
                              browserPath.lastIndexOf(QLatin1Char(':'))});
    return QStringLiteral("View page in ") + browserPath.mid(cut + 1);
}

void BrowserLauncher::message(const QString& text) const
{
    if (m_host.showMessage)
        m_host.showMessage(text);
}

QString BrowserLauncher::copyPath() const
{
    QString current = m_host.currentFile ? m_host.currentFile() : QString();
    QString directory = current.isEmpty() ? (m_host.workingDirectory ? m_host.workingDirectory() : QString())
                                          : QFileInfo(current).absolutePath();
    if (directory.isEmpty())
        directory = QDir::currentPath();
    return QDir(directory).absoluteFilePath(QString::fromLatin1(kCopyName));
}

QString BrowserLauncher::argumentFor(const QString& copy, bool usePrefix)
{
    return usePrefix ? QUrl::fromLocalFile(copy).toString(QUrl::FullyEncoded) : copy;
}

bool BrowserLauncher::LaunchBrowser(const QString& browser, bool usePrefix)
{
    if (browser.trimmed().isEmpty()) {
        message(QString::fromLatin1(kNoBrowser));
        return false;
    }
    const QString copy = copyPath();
    const QByteArray text = m_host.editorText ? m_host.editorText() : QByteArray();
    // The browser must never show an older copy: a copy that is not written whole is reported
    // and nothing is started.
    QSaveFile file(copy);
    bool written = file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
    if (written) {
        QFileInfo info(copy);
        written = info.isFile() && info.size() == text.size();
    }
    if (!written) {
        message(QStringLiteral("Could not write the browser copy \"%1\": %2").arg(copy, file.errorString()));
        return false;
    }
    if (m_host.copyWritten)
        m_host.copyWritten(copy);
    QString directory = m_host.workingDirectory ? m_host.workingDirectory() : QString();
    if (directory.isEmpty())
        directory = QFileInfo(copy).absolutePath();
    if (!m_starter.start(browser.trimmed(), QStringList{argumentFor(copy, usePrefix)}, directory)) {
        message(QString::fromLatin1(kLaunchFailed));
        return false;
    }
    return true;
}

} // namespace tessera::workspace
