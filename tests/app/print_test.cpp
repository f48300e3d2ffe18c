#include "app/previewwiring.h"
#include "app/printwiring.h"
#include "app/windowfixture.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "print/tprintform.h"
#include "viewer/control/pageviewer.h"
#include "workspace/pages/pagemanager.h"

#include <QFileDialog>
#include <QPushButton>
#include <QRegularExpression>

using namespace windowtest;

namespace {

// The pages of a PDF file, counted by their page objects.
int pdfPages(const QString& path)
{
    return static_cast<int>(QString::fromLatin1(readFile(path)).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// A page three sheets long: paragraphs, a table and a picture place-holder.
QByteArray longPage()
{
    QByteArray html = "<HTML><BODY><H1>Printing</H1>\r\n";
    for (int i = 0; i < 120; ++i)
        html += "<P>Paragraph " + QByteArray::number(i) + " of a page long enough for several sheets.</P>\r\n";
    html += "<TABLE BORDER=1><TR><TD>cell one</TD><TD>cell two<BR>second line</TD></TR></TABLE>\r\n";
    html += "<IMG SRC=\"missing.gif\" WIDTH=100 HEIGHT=80>\r\n</BODY></HTML>\r\n";
    return html;
}

class PrintTest : public WiringFixture {
protected:
    void SetUp() override
    {
        WiringFixture::SetUp();
        window->findChild<PrintWiring*>()->printer().setOutputFormat(QPrinter::PdfFormat);
    }

    // The user picks File > Print..., the views and Print, then names the PDF file (or cancels).
    void printAs(PrintViews views, const QString& pdf)
    {
        onModal<TPrintForm>([views](TPrintForm& form) {
            form.setViews(views);
            form.findChild<QPushButton*>(QStringLiteral("PrintButton"))->click();
        });
        onModal<QFileDialog>([pdf](QFileDialog& dialog) {
            if (pdf.isEmpty()) {
                dialog.reject();
                return;
            }
            dialog.selectFile(pdf);
            static_cast<QDialog&>(dialog).accept();
        });
        ASSERT_TRUE(window->commands().trigger(Command::FilePrint));
    }

    QString pdfPath(const QString& name) const { return m_root.filePath(name); }
};

TEST_F(PrintTest, graphicViewPrintsSeveralSheets)
{
    open(page(QStringLiteral("long.htm"), longPage()));
    const QString pdf = pdfPath(QStringLiteral("graphic.pdf"));
    printAs(PrintViews::Graphic, pdf);
    EXPECT_TRUE(asked.isEmpty()) << asked.join(QLatin1Char('|')).toStdString();
    EXPECT_GE(pdfPages(pdf), 3);
}

TEST_F(PrintTest, bothViewsFillOnePdfRenderedPageFirst)
{
    open(page(QStringLiteral("long.htm"), longPage()));
    printAs(PrintViews::Graphic, pdfPath(QStringLiteral("graphic.pdf")));
    printAs(PrintViews::Text, pdfPath(QStringLiteral("text.pdf")));
    printAs(PrintViews::Both, pdfPath(QStringLiteral("both.pdf")));
    EXPECT_TRUE(asked.isEmpty()) << asked.join(QLatin1Char('|')).toStdString();
    const int graphic = pdfPages(pdfPath(QStringLiteral("graphic.pdf")));
    const int text = pdfPages(pdfPath(QStringLiteral("text.pdf")));
    EXPECT_GE(text, 2);
    EXPECT_EQ(pdfPages(pdfPath(QStringLiteral("both.pdf"))), graphic + text);
}

TEST_F(PrintTest, textPrintLeavesClipboardAndPageAlone)
{
    struct Case {
        const char* name;
        QString clipboard;
        QString pdf; // in a missing folder, the job fails
    };
    const Case cases[] = {
        {"clipboard with text", QStringLiteral("kept clipboard"), pdfPath(QStringLiteral("a.pdf"))},
        {"empty clipboard", QString(), pdfPath(QStringLiteral("b.pdf"))},
        {"failing printer", QStringLiteral("kept clipboard"), pdfPath(QStringLiteral("missing/c.pdf"))},
    };
    open(page(QStringLiteral("page.htm"), "<P>first</P>\r\n"));
    TLEdit* editor = window->webPage();
    editor->InsertText(QStringLiteral("<B>typed</B>"));
    editor->SetSelection(0, 1, 0, 3);
    const QString scratch = window->workspace().pages().scratchFilePath();
    for (const Case& c : cases) {
        asked.clear();
        window->spareEditor()->setText(c.clipboard);
        writeFile(scratch, "on disk");
        const QString text = editor->Text();
        const EditorSelection selection = editor->GetSelection();

        printAs(PrintViews::Text, c.pdf);

        EXPECT_EQ(window->spareEditor()->Text(), c.clipboard) << c.name;
        EXPECT_EQ(readFile(scratch), QByteArray("on disk")) << c.name;
        EXPECT_EQ(editor->Text(), text) << c.name;
        EXPECT_TRUE(editor->modified()) << c.name;
        EXPECT_TRUE(editor->canUndo()) << c.name;
        EXPECT_EQ(editor->GetSelection(), selection) << c.name;
        EXPECT_EQ(QFileInfo::exists(c.pdf), asked.isEmpty()) << c.name;
    }
    EXPECT_TRUE(asked.value(0).startsWith(QStringLiteral("Print: The page was not printed"))) << asked.join(QLatin1Char('|')).toStdString();
    editor->undo();
    EXPECT_EQ(editor->Text(), QStringLiteral("<P>first</P>\r\n"));
}

TEST_F(PrintTest, cancelledFileQuestionSaysNothingWasPrinted)
{
    open(page(QStringLiteral("page.htm"), "<P>x</P>\r\n"));
    printAs(PrintViews::Graphic, QString());
    EXPECT_EQ(asked, QStringList{QStringLiteral("Print: Printing was cancelled; nothing was printed.")});
}

TEST_F(PrintTest, graphicViewPrintsTheEditorsTextNotAStalePreview)
{
    open(page(QStringLiteral("page.htm"), "<P>old</P>\r\n"));
    window->workspace().preview().controller().setLivePreview(false);
    window->webPage()->setText(QStringLiteral("<P>new text</P>\r\n"));
    printAs(PrintViews::Graphic, pdfPath(QStringLiteral("page.pdf")));
    EXPECT_TRUE(window->workspace().preview().split().documentText().contains(QStringLiteral("new text")));
    EXPECT_EQ(pdfPages(pdfPath(QStringLiteral("page.pdf"))), 1);
}

} // namespace
