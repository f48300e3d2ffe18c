#pragma once

#include "print/pageprinter.h"

#include <QObject>

class TForm1;

// File > "Print..." and the Print button print the page being edited; "Printer Setup..."
// chooses the printer of the run, its paper and orientation, or a PDF file.
class PrintWiring : public QObject {
    Q_OBJECT
public:
    explicit PrintWiring(TForm1& window);

    PagePrinter& printer() { return m_printer; }

    void Print1Click();
    void PrinterSetup1Click();
    // Prints the views of the page being edited; reports a failed or cancelled job.
    void printPage(PrintViews views);

private:
    PrintSource source() const;
    bool choosePdfFile();

    TForm1& m_window;
    PagePrinter m_printer;
};
