// A window with an editor and the live preview beside it, for looking at the viewer by eye:
// viewer_demo [PAGE.htm] [--full] [--screenshot OUT.png]
#include "viewer/control/pageviewer.h"
#include "workspace/preview/pageviewerpreview.h"
#include "workspace/preview/previewcontroller.h"
#include "workspace/preview/submitresults.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>

using namespace tessera;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString shot;
    qsizetype shotAt = args.indexOf("--screenshot");
    if (shotAt >= 0 && shotAt + 1 < args.size()) {
        shot = args[shotAt + 1];
        args.remove(shotAt, 2);
    }
    bool full = args.removeAll("--full") > 0;
    QString pageName = args.isEmpty() ? QString() : args.first();

    QMainWindow window;
    auto* stack = new QStackedWidget;
    auto* splitter = new QSplitter;
    auto* editor = new QPlainTextEdit;
    auto* split = new viewer::TPageViewer;
    auto* fullView = new viewer::TPageViewer;
    split->setHistoryMaxCount(10);
    fullView->setHistoryMaxCount(10);
    split->setDefFontName("Arial");
    splitter->addWidget(editor);
    splitter->addWidget(split);
    stack->addWidget(splitter);
    stack->addWidget(fullView);
    window.setCentralWidget(stack);
    window.resize(1200, 760);

    workspace::PageViewerPreview splitPreview(*split);
    workspace::PageViewerPreview fullPreview(*fullView);
    workspace::TSubmitForm submit(&window);
    workspace::PreviewHost host;
    host.editorText = [editor] { return editor->toPlainText().toUtf8(); };
    host.editorEnabled = [] { return true; };
    host.setSplitShown = [stack](bool on) { stack->setCurrentIndex(on ? 0 : 1); };
    host.setStatusLink = [&window](const QString& src) { window.statusBar()->showMessage(src); };
    host.showHistory = [&window](const workspace::HistoryState& state) { window.setWindowTitle(state.caption); };
    workspace::PreviewController controller(host);
    controller.setViewers(&splitPreview, &fullPreview);
    controller.setLivePreview(true);
    QObject::connect(editor, &QPlainTextEdit::textChanged, &controller, &workspace::PreviewController::editorChanged);
    for (viewer::TPageViewer* v : {split, fullView}) {
        QObject::connect(v, &viewer::TPageViewer::hotSpotCovered, &controller, &workspace::PreviewController::HTMLSplitHotSpotCovered);
        QObject::connect(v, &viewer::TPageViewer::historyChange, &controller,
                         [&controller, &splitPreview, &fullPreview, v, split] {
                             controller.HTMLSplitHistoryChange(v == split ? &splitPreview : &fullPreview);
                         });
    }
    QObject::connect(split, &viewer::TPageViewer::hotSpotClick, &controller, &workspace::PreviewController::HTMLSplitHotSpotClick);
    QObject::connect(split, &viewer::TPageViewer::formSubmit, &submit, &workspace::TSubmitForm::showSubmission);

    if (!pageName.isEmpty()) {
        QFile file(pageName);
        if (file.open(QIODevice::ReadOnly))
            editor->setPlainText(QString::fromUtf8(file.readAll()));
        QDir::setCurrent(QFileInfo(pageName).absolutePath());
    }
    window.show();
    controller.UpdateWebView();
    if (full)
        controller.View1Click();
    if (!shot.isEmpty()) {
        QTimer::singleShot(800, [&] {
            window.grab().save(shot);
            app.quit();
        });
    }
    return app.exec();
}
