#include "app/startup.h"

#include "app/appstrings.h"
#include "app/instancechannel.h"
#include "app/splash.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A termination signal asks the window to close as Exit does, so the settings and the internal
// clipboard are saved; the handler itself only writes a byte that the event loop picks up.
int signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

std::unique_ptr<QSocketNotifier> closeOnTerminationSignals(TForm1& form)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return nullptr;
    auto notifier = std::make_unique<QSocketNotifier>(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, &form, [&form] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(signalPipe[1], &byte, 1);
        form.requestExit();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    return notifier;
}

// The pages named on the command line, as absolute paths: the running instance that may open
// them works in another directory.
QStringList pagesToOpen()
{
    QStringList files;
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        files << QFileInfo(argument).absoluteFilePath();
    return files;
}

} // namespace

int runTessera(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(strings::organisationName);
    QCoreApplication::setApplicationName(strings::applicationName);
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));

    const QStringList pages = pagesToOpen();
    switch (InstanceChannel::sendToRunning(pages)) {
    case InstanceChannel::Handover::Delivered:
        return 0;
    case InstanceChannel::Handover::NoAnswer:
        // Touching nothing: the other run owns the program directory and the swap files.
        QMessageBox::warning(nullptr, strings::applicationTitle,
                             QStringLiteral("Tessera is already running but does not answer. Close it, or wait a "
                                            "moment and try again."));
        return 1;
    case InstanceChannel::Handover::NoInstance:
        break;
    }
    InstanceServer instance;
    // Without the name this run still works; later starts simply run on their own.
    instance.listen();

    auto splash = std::make_unique<TSpash>();
    splash->showNow();

    QGuiApplication::setApplicationDisplayName(strings::applicationTitle);

    // The window that owns everything for the whole run. The dialogs that live as long as it
    // (effects, guide, evaluator, copy/move, form entry, form wizard, submit results, parameter
    // selections) are created after it, in that order, by their subsystems.
    TForm1 form;
    auto signalNotifier = closeOnTerminationSignals(form);
    // When the desktop session ends, Tessera saves as on Exit; a page the user keeps open
    // cancels the logout.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, [&form](QSessionManager& manager) {
        if (!form.commitData())
            manager.cancel();
    });

    splash->hide();
    splash.reset();

    form.show();
    form.workspace().openFiles(pages);
    QObject::connect(&instance, &InstanceServer::filesReceived, &form, [&form](const QStringList& files) {
        form.workspace().openFiles(files);
        form.raise();
        form.activateWindow();
    });
    const int result = app.exec();
    return result;
}
