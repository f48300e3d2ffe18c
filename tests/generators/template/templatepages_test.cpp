#include "generators/template/templatepages.h"

#include <QDir>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tessera::generators;

namespace {

void writeFile(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PictureBrowse : public ::testing::Test {
protected:
    void SetUp() override
    {
        services.pageDirectory = [this] { return pageDirectory; };
        services.chooseImageFile = [this](const QString& start) {
            started = start;
            return chosen;
        };
        services.reportFailure = [this](const QString&, const QString& text) { reported << text; };
        pageDirectory = root.filePath(QStringLiteral("site"));
        QDir().mkpath(pageDirectory);
        writeFile(root.filePath(QStringLiteral("pictures/cat.gif")), "new cat");
    }

    QTemporaryDir root;
    TemplateServices services;
    QString pageDirectory;
    QString chosen;
    QString started;
    QStringList reported;
};

TEST_F(PictureBrowse, copiesBesideThePageAndGivesTheBareName)
{
    const QString before = QDir::currentPath();
    PictureChooser chooser(services, nullptr);
    chosen = root.filePath(QStringLiteral("pictures/cat.gif"));
    EXPECT_EQ(chooser.choose(QStringLiteral("old.gif")), QStringLiteral("cat.gif"));
    EXPECT_EQ(started, QDir(pageDirectory).filePath(QStringLiteral("old.gif")));
    EXPECT_EQ(readFile(QDir(pageDirectory).filePath(QStringLiteral("cat.gif"))), QByteArray("new cat"));
    EXPECT_EQ(QDir::currentPath(), before);

    // A picture of that name beside the page stays as it is.
    writeFile(QDir(pageDirectory).filePath(QStringLiteral("cat.gif")), "own cat");
    EXPECT_EQ(chooser.choose(QString()), QStringLiteral("cat.gif"));
    EXPECT_EQ(readFile(QDir(pageDirectory).filePath(QStringLiteral("cat.gif"))), QByteArray("own cat"));
    EXPECT_TRUE(reported.isEmpty());

    chosen.clear();
    EXPECT_EQ(chooser.choose(QString()), std::nullopt);
}

TEST_F(PictureBrowse, aFailedCopyIsReportedAndLeavesTheBox)
{
    PictureChooser chooser(services, nullptr);
    chosen = root.filePath(QStringLiteral("pictures/dog.gif"));
    EXPECT_EQ(chooser.choose(QString()), std::nullopt);
    EXPECT_EQ(reported.size(), 1);

    // A page never saved names the picture where it is.
    pageDirectory.clear();
    chosen = root.filePath(QStringLiteral("pictures/cat.gif"));
    EXPECT_EQ(chooser.choose(QString()), chosen);
}

TEST_F(PictureBrowse, typingANameMeasuresThePictureReadingOneDoesNot)
{
    ASSERT_TRUE(QImage(100, 80, QImage::Format_RGB32).save(QDir(pageDirectory).filePath(QStringLiteral("cat.png"))));
    TemplateImagePage page(services);
    auto* name = page.findChild<QComboBox*>(QStringLiteral("ImageFilename"));
    page.showFields({"cat.png", 10, 20, "none"});
    EXPECT_EQ(page.fields(), (TemplateImage {"cat.png", 10, 20, "none"}));
    name->setEditText(QStringLiteral("cat.pn"));
    EXPECT_EQ(page.fields(), (TemplateImage {"cat.pn", 0, 0, "none"}));
    name->setEditText(QStringLiteral("cat.png"));
    EXPECT_EQ(page.fields(), (TemplateImage {"cat.png", 100, 80, "none"}));
}

TEST(TemplateColours, buttonsGiveTheChosenColourAndNoColourTakesItBack)
{
    TemplateServices services;
    QColor offered;
    services.chooseColour = [&offered](const QColor& initial) {
        offered = initial;
        return std::optional<QColor>(QColor(0xAB, 0x00, 0x12));
    };
    TemplateBodyPage body(services);
    body.showFields({"", "000000", "000000", "000000", "000000", "00FF00", -1, -1, false});
    body.findChild<QPushButton*>(QStringLiteral("bgColorTextButton"))->click();
    EXPECT_EQ(offered, QColor(0, 255, 0));
    EXPECT_EQ(body.fields().backgroundColour, "AB0012");

    TemplateHeaderPage header(services);
    header.findChild<QPushButton*>(QStringLiteral("HeaderColor"))->click();
    EXPECT_EQ(header.fields().colour, (Rgb {0xAB, 0x00, 0x12}));
    header.findChild<QPushButton*>(QStringLiteral("HeaderNoColor"))->click();
    EXPECT_EQ(header.fields().colour, std::nullopt);
}

TEST(TemplateBodyImport, readsEveryAttributeWithTheProgramsBodyReader)
{
    TemplateBody every {"my tile.gif", "111111", "222222", "333333", "444444", "555555", 10, 0, true};
    EXPECT_EQ(bodyFieldsOf(QString::fromStdString(buildBody(every))), every);
    EXPECT_EQ(bodyFieldsOf(QStringLiteral("<BODY VLINK=\"#00FF00\" LINK=\"#0000FF\">")),
              (TemplateBody {"", "000000", "0000FF", "00FF00", "000000", "FFFFFF", -1, -1, false}));
    EXPECT_EQ(bodyFieldsOf(QString()), TemplateBody {});
}

} // namespace
