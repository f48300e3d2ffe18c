#include "custom/shared/textdatafile.h"
#include "custom/usercode/usercodeform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class DefinableTags : public ::testing::Test {
protected:
    TUserCodeForm::Host host()
    {
        TUserCodeForm::Host host;
        host.filePath = [this](const QString& name) {
            return name == brokenName ? m_folder.filePath(QStringLiteral("missing/") + name) : m_folder.filePath(name);
        };
        host.rebuildMenus = [this] { ++rebuilds; };
        host.reportFailure = [this](const QString&, const QString& text) { reports << text; };
        return host;
    }

    QString path(const char* name) const { return m_folder.filePath(QLatin1String(name)); }

    static QPlainTextEdit* area(const TUserCodeForm& form, const char* file)
    {
        return form.findChild<QPlainTextEdit*>(QLatin1String(file));
    }

    QTemporaryDir m_folder;
    QString brokenName;
    int rebuilds = 0;
    QStringList reports;
};

} // namespace

TEST(TextDataFile, readsEitherEncodingAndWritesCrLfLines)
{
    const struct {
        QByteArray bytes;
        QString text;
    } reads[] = {
        {"<B>..</B> - bold\r\n<HR>\r\n", QStringLiteral("<B>..</B> - bold\n<HR>\n")},
        {"caf\xc3\xa9\rtwo", QStringLiteral(u"café\ntwo")},
        {"caf\xe9\n", QStringLiteral(u"café\n")},
        {"", QString()},
    };
    for (const auto& row : reads)
        EXPECT_EQ(TextDataFile::textFromBytes(row.bytes), row.text) << row.bytes.toStdString();

    const struct {
        QString text;
        QByteArray bytes;
    } writes[] = {
        {QStringLiteral("a\nb"), "a\r\nb\r\n"},
        {QStringLiteral("a\n"), "a\r\n"},
        {QStringLiteral("a\n\n"), "a\r\n\r\n"},
        {QStringLiteral(u"é"), "\xc3\xa9\r\n"},
        {QString(), ""},
    };
    for (const auto& row : writes)
        EXPECT_EQ(TextDataFile::bytesFromText(row.text), row.bytes) << row.text.toStdString();
}

TEST_F(DefinableTags, okWritesTheAreasAndRebuildsTheMenus)
{
    writeFile(path("blkhlght.mnu"), "<CITE>..</CITE>\r\n");
    TUserCodeForm form(host());
    form.FormShow();
    EXPECT_EQ(area(form, "blkhlght.mnu")->toPlainText(), QStringLiteral("<CITE>..</CITE>\n"));
    EXPECT_TRUE(area(form, "usercode.mnu")->toPlainText().isEmpty());

    area(form, "blkhlght.mnu")->setPlainText(QStringLiteral("<Q>..</Q>\n<CITE>..</CITE>"));
    area(form, "usercode.mnu")->setPlainText(QStringLiteral("<WBR>"));
    form.BitBtn1Click();

    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(rebuilds, 1);
    EXPECT_EQ(readFile(path("blkhlght.mnu")), "<Q>..</Q>\r\n<CITE>..</CITE>\r\n");
    EXPECT_EQ(readFile(path("textattr.mnu")), "");
    EXPECT_EQ(readFile(path("usercode.mnu")), "<WBR>\r\n");
}

TEST_F(DefinableTags, aFailedWriteNamesTheFileAndChangesNothing)
{
    writeFile(path("blkhlght.mnu"), "<CITE>..</CITE>\r\n");
    brokenName = QStringLiteral("usercode.mnu");
    TUserCodeForm form(host());
    form.FormShow();
    area(form, "blkhlght.mnu")->setPlainText(QStringLiteral("<Q>..</Q>"));
    form.BitBtn1Click();

    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("usercode.mnu"))) << reports[0].toStdString();
    EXPECT_NE(form.result(), QDialog::Accepted);
    EXPECT_EQ(rebuilds, 0);
    EXPECT_EQ(readFile(path("blkhlght.mnu")), "<CITE>..</CITE>\r\n");
    EXPECT_FALSE(QFile::exists(path("textattr.mnu")));
}

TEST_F(DefinableTags, aFileThatCannotBeReadIsNeverOverwritten)
{
    // A folder where the file should be: it exists, yet cannot be read as a file.
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("textattr.mnu")));
    TUserCodeForm form(host());
    form.FormShow();
    EXPECT_TRUE(area(form, "textattr.mnu")->isReadOnly());
    EXPECT_FALSE(area(form, "blkhlght.mnu")->isReadOnly());
    form.BitBtn1Click();

    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(QFileInfo(path("textattr.mnu")).isDir());
    EXPECT_EQ(readFile(path("blkhlght.mnu")), "");
}
