#include "app/printwiring.h"

#include "app/previewwiring.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "print/tprintform.h"
#include "viewer/control/pageviewer.h"
#include "workspace/pages/pagemanager.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinterInfo>

namespace {

const QString kTitle = QStringLiteral("Print");

} // namespace

PrintWiring::PrintWiring(TForm1& window)
    : QObject(&window)
    , m_window(window)
{
    // Without an installed printer every job goes to a PDF file.
    if (QPrinterInfo::availablePrinters().isEmpty())
        m_printer.setOutputFormat(QPrinter::PdfFormat);
    window.commands().setHandler(Command::FilePrint, [this] { Print1Click(); });
    window.commands().setHandler(Command::FilePrinterSetup, [this] { PrinterSetup1Click(); });
}

void PrintWiring::Print1Click()
{
    TPrintForm form(&m_window);
    if (form.exec() == QDialog::Accepted)
        printPage(form.views());
}

void PrintWiring::PrinterSetup1Click()
{
    QPrintDialog dialog(&m_printer, &m_window);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    dialog.exec();
}

void PrintWiring::printPage(PrintViews views)
{
    if (!m_window.isPageOpen())
        return;
    // The preview shows the editor's text before it goes to paper, also with live preview off.
    m_window.workspace().preview().controller().UpdateWebView();
    if (m_printer.outputFormat() == QPrinter::PdfFormat && !choosePdfFile()) {
        m_window.reportFailure(kTitle, QStringLiteral("Printing was cancelled; nothing was printed."));
        return;
    }
    if (!m_printer.print(source(), views))
        m_window.reportFailure(kTitle, QStringLiteral("The page was not printed: ") + m_printer.errorString());
}

PrintSource PrintWiring::source() const
{
    const QString fileName = m_window.workspace().pages().currentFile();
    const tessera::viewer::TPageViewer& preview = m_window.workspace().preview().split();
    PrintSource source;
    source.text = m_window.webPage()->Text();
    source.fileName = fileName;
    source.baseDirectory = QFileInfo(fileName).absolutePath();
    source.look.fontName = preview.DefFontName();
    source.look.preFontName = preview.DefPreFontName();
    source.look.fontSize = preview.DefFontSize();
    source.look.fontColor = preview.DefFontColor();
    source.look.linkColor = preview.DefHotSpotColor();
    source.look.viewImages = preview.ViewImages();
    source.sourceFont = m_window.spareEditor()->editorFont();
    source.tabSize = m_window.spareEditor()->TabStopSize();
    return source;
}

bool PrintWiring::choosePdfFile()
{
    const QFileInfo page(m_window.workspace().pages().currentFile());
    const QString suggested = m_printer.outputFileName().isEmpty()
        ? page.absolutePath() + QLatin1Char('/') + page.completeBaseName() + QStringLiteral(".pdf")
        : QFileInfo(m_printer.outputFileName()).absolutePath() + QLatin1Char('/') + page.completeBaseName()
            + QStringLiteral(".pdf");
    QFileDialog dialog(&m_window, QStringLiteral("Print to File"), suggested, QStringLiteral("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggested);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    m_printer.setOutputFileName(dialog.selectedFiles().first());
    return true;
}
