// Opens the editor on a small page and then one of its dialogs ("find", "replace" or "goto"),
// so the dialogs can be looked at on a real display.
#include "editor/tledit.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("find");

    QMainWindow window;
    auto* editor = new TLEdit;
    editor->setText(QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE>Sample page</TITLE>\r\n</HEAD>\r\n"
                                   "<BODY BGCOLOR=\"#FFFFFF\">\r\n<H1>Sample</H1>\r\n<!-- a comment -->\r\n"
                                   "<P>Some <B>bold</B> text.</P>\r\n</BODY>\r\n</HTML>\r\n"));
    editor->setBookmark(2, 3);
    editor->SetSelection(8, 11, 8, 15);
    window.setCentralWidget(editor);
    window.resize(760, 420);
    window.move(20, 20);
    window.show();

    QTimer::singleShot(300, editor, [editor, which] {
        if (which == QLatin1String("replace"))
            editor->showReplaceDialog();
        else if (which == QLatin1String("goto"))
            editor->showGoToLineDialog();
        else
            editor->showFindDialog();
    });
    return app.exec();
}
