// A hand-checking harness: a small window with the page tab strip, the page editor, the
// internal clipboard and a File menu wired to the page manager, opened on a few sample pages.
//   pages_demo tabs | prompt | recent | open     (run under xvfb-run and take a screenshot)
#include "editor/tledit.h"
#include "workspace/pages/opendialog.h"
#include "workspace/pages/pagefilters.h"
#include "workspace/pages/pagemanager.h"
#include "workspace/pages/pageprompts.h"
#include "workspace/settings/settings.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString stage = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("tabs");
    QTemporaryDir dir;

    QMainWindow window;
    window.resize(900, 560);
    auto* central = new QWidget;
    auto* splitter = new QSplitter(Qt::Horizontal);
    auto* pageArea = new QWidget;
    auto* pageLayout = new QVBoxLayout(pageArea);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);
    auto* tabs = new QTabBar;
    tabs->setExpanding(false);
    auto* editor = new TLEdit;
    auto* spare = new TLEdit;
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(13);
    editor->setEditorFont(font);
    spare->setEditorFont(font);
    pageLayout->addWidget(tabs);
    pageLayout->addWidget(editor, 1);
    splitter->addWidget(pageArea);
    splitter->addWidget(spare);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    window.setCentralWidget(central);

    TesseraSettings settings;
    QtPagePrompts prompts(&window);
    QtPageFileDialogs dialogs(&window);
    PageManager pages(tabs, editor, spare, &settings, dir.path(), &prompts, &dialogs);
    QObject::connect(&pages, &PageManager::captionChanged, &window, &QWidget::setWindowTitle);
    QObject::connect(&pages, &PageManager::statusTextChanged, window.statusBar(),
                     [&window](const QString& text) { window.statusBar()->showMessage(text); });

    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&New"), &pages, &PageManager::New1Click);
    file->addAction(QStringLiteral("&Open ..."), &pages, &PageManager::OpenWeb1Click);
    file->addAction(QStringLiteral("&Save"), &pages, &PageManager::Save1Click);
    file->addAction(QStringLiteral("Save &As..."), &pages, &PageManager::SaveAs1Click);
    file->addAction(QStringLiteral("&Close Page"), &pages, &PageManager::ClosePageClick);
    file->addAction(QStringLiteral("C&lose All"), &pages, &PageManager::CloseAllClick);
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    file->addSeparator();
    QList<QAction*> last;
    for (int i = 0; i < 4; ++i) {
        QAction* item = file->addAction(QString());
        item->setVisible(false);
        QObject::connect(item, &QAction::triggered, &pages, [&pages, i] { pages.Last4Click(i); });
        last.append(item);
    }
    QObject::connect(&pages, &PageManager::recentFilesChanged, &window, [&last](const QStringList& entries) {
        for (int i = 0; i < 4; ++i) {
            if (!entries.value(i).isEmpty()) {
                last[i]->setText(entries[i]);
                last[i]->setVisible(true);
            }
        }
    });

    const char* samples[][2] = {
        {"index.htm", "<HTML>\r\n<HEAD><TITLE>Marrowdale</TITLE></HEAD>\r\n<BODY>\r\n<H1>Welcome</H1>\r\n"
                      "<P>Pages, tabs and one editor.</P>\r\n</BODY>\r\n</HTML>\r\n"},
        {"about us.htm", "<HTML>\n<BODY>\n<P>Caf\xE9 cr\xE8me, a Windows-1252 page.</P>\n</BODY>\n</HTML>\n"},
        {"links.htm", "<UL>\r\n<LI><A HREF=\"index.htm\">Home</A>\r\n<LI><A HREF=\"about us.htm\">About</A>\r\n</UL>\r\n"},
    };
    for (const auto& sample : samples) {
        QFile page(dir.filePath(QString::fromLatin1(sample[0])));
        page.open(QIODevice::WriteOnly);
        page.write(sample[1]);
        page.close();
        pages.LoadFile(page.fileName(), false);
    }
    QFile scratch(pages.scratchFilePath());
    scratch.open(QIODevice::WriteOnly);
    scratch.write("Internal clipboard:\r\n<TABLE BORDER=1>\r\n<TR><TD></TD></TR>\r\n</TABLE>\r\n");
    scratch.close();
    pages.LoadSpareEditorContents();
    tabs->setCurrentIndex(1);
    editor->SetSelection(3, 0, 3, 0);
    editor->InsertText(QStringLiteral("<P>An unsaved line.</P>\n"));
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    tabs->setMinimumHeight(tabs->sizeHint().height());
    window.show();

    if (stage == QLatin1String("prompt"))
        QTimer::singleShot(300, &pages, [&pages] { pages.CloseActivePage(); });
    else if (stage == QLatin1String("recent"))
        QTimer::singleShot(300, &window, [&window, file] { file->popup(window.mapToGlobal(QPoint(8, 24))); });
    else if (stage == QLatin1String("open"))
        QTimer::singleShot(300, &window, [&window, &dir] {
            TOpenHTMLForm dialog(&window);
            dialog.setFilter(openPageFilter(QString(), QString()));
            dialog.setDirectory(dir.path());
            dialog.FileListBox1Change(QStringLiteral("index.htm"));
            dialog.exec();
        });
    return app.exec();
}
