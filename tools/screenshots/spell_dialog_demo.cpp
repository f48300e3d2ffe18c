// Shows the spell check on a small page, for looking at the dialog by hand:
//   spell_dialog_demo DIRECTORY [STYLE 0-2]   (DIRECTORY holds ENGLISH.DCT)
#include "editor/tledit.h"
#include "spell/dialogs/tspelldlg.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto* editor = new TLEdit(&window);
    editor->setText(QStringLiteral("<html>\n<body>\n<p>Teh quick brown fox jumpd over the lazy dog.</p>\n"
                                   "<img src=\"pictre.gif\">\n</body>\n</html>\n"));
    window.setCentralWidget(editor);
    window.resize(900, 600);
    window.show();
    SpellCheckCommand command(&window);
    SpellOptions options = spellOptionsFromStored(true, true, 10, argc > 2 ? QString(argv[2]).toInt() : 1,
                                                  argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    command.setOptions(options);
    QTimer::singleShot(300, &window, [&] {
        command.run(editor);
        app.quit();
    });
    return app.exec();
}
