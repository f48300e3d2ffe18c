#include "custom/parmform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

using Page = TParmForm::Page;

// A dialog whose host records what it was asked to write.
struct Fixture {
    QStringList inserted;
    QString embedFile;
    TParmForm form { TParmForm::Host {
        [this](const QString& text) { inserted.append(text); },
        {},
        [this] { return embedFile; },
    } };

    template <typename T> T* child(const char* name) { return form.findChild<T*>(QLatin1String(name)); }
};

TEST(ParmForm, valueOfTheSelectedAttribute)
{
    struct Case {
        QString selected, value;
    };
    const Case cases[] = {
        { R"(ALIGN="center")", "center" },
        { "ALIGN=right", "right" },
        { "align = left", "left" },
        { "ALIGN=right>", "right" },
        { "SIZE=+2 COLOR=red", "+2" },
        { R"(ALIGN="center)", "center" }, // a selection cut short inside the quotes
        { "VALIGN='top'", "top" },
        { R"(ALIGN=x "quoted")", "quoted" }, // the first quoted text wins over the text after "="
        { "ALIGN", "" },
        { "", "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(TParmForm::parameterValue(c.selected), c.value) << c.selected.toStdString();
}

TEST(ParmForm, checkParmFindsTheItemOrTheFirst)
{
    struct Case {
        const QStringList& items;
        QString value;
        int index;
    };
    const Case cases[] = {
        { TParmForm::alignItems(), "center", 2 },
        { TParmForm::alignItems(), "CENTER", 2 },
        { TParmForm::alignItems(), "bottom", 6 },
        { TParmForm::alignItems(), "justify", 0 },
        { TParmForm::alignItems(), "", 0 },
        { TParmForm::valignItems(), "middle", 2 },
        { TParmForm::sizeItems(), "+1", 7 },
        { TParmForm::sizeItems(), "-7", 20 },
        { TParmForm::sizeItems(), "8", 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(TParmForm::CheckParm(c.items, c.value), c.index) << c.value.toStdString();
    EXPECT_EQ(TParmForm::sizeItems().size(), 21);
}

TEST(ParmForm, selectionPicksItsItemAndOkWritesIt)
{
    struct Case {
        QString selected;
        Page page;
        QString written;
    };
    const Case cases[] = {
        { R"(ALIGN="center")", Page::Align, R"(ALIGN="center")" },
        { "ALIGN=right", Page::Align, R"(ALIGN="right")" },
        { "align=nowhere", Page::Align, R"(ALIGN="none")" },
        { R"(VALIGN="bottom")", Page::Valign, R"(VALIGN="bottom")" },
        { "SIZE=-3", Page::Size, R"(SIZE="-3")" },
        { "SIZE=-3", Page::Object, "" },
    };
    for (const Case& c : cases) {
        Fixture f;
        f.form.setPage(c.page);
        f.form.FormShow(c.selected);
        f.form.BitBtn1Click();
        EXPECT_EQ(f.inserted.join('|'), c.written) << c.selected.toStdString();
        EXPECT_EQ(f.form.result(), QDialog::Accepted);
    }
    EXPECT_EQ(TParmForm::selectionPage(" <meta name=x>"), Page::Meta);
    EXPECT_EQ(TParmForm::selectionPage("HREF=\"a\""), std::nullopt);
}

TEST(ParmForm, metaFieldsAreReadAsWholeAttributes)
{
    struct Case {
        QString tag;
        MetaEditor::MetaFields fields; // httpEquiv, name, content
    };
    const Case cases[] = {
        { R"(<META NAME="n" CONTENT="c">)", { "", "n", "c" } },
        { R"(<meta http-equiv="Expires" content="Tue, 1 Jan 2030">)", { "Expires", "", "Tue, 1 Jan 2030" } },
        // "name=" inside another attribute's value is not the NAME attribute.
        { R"(<META CONTENT="surname=Smith" NAME="author">)", { "", "author", "surname=Smith" } },
        { R"(<META HTTP-EQUIV="Refresh" CONTENT="5; url=name=x">)", { "Refresh", "", "5; url=name=x" } },
        { R"(<META NAME=keywords CONTENT="a, b")", { "", "keywords", "a, b" } }, // cut before ">"
        { "<META>", {} },
    };
    for (const Case& c : cases)
        EXPECT_EQ(TParmForm::GetMetaInfo(c.tag), c.fields) << c.tag.toStdString();
}

TEST(ParmForm, okOnMetaWritesTheTagAndClearsTheFields)
{
    struct Case {
        QString equiv, name, content, tag;
    };
    const Case cases[] = {
        { "", "n", "c", R"(<META NAME="n" CONTENT="c" >)" },
        { "Keywords", "", "html, editor", R"(<META HTTP-EQUIV="Keywords" CONTENT="html, editor" >)" },
        { "", "quote", R"(say "hi")", R"(<META NAME="quote" CONTENT="say &quot;hi&quot;" >)" },
        { "", "", "", "" }, // nothing to write
    };
    for (const Case& c : cases) {
        Fixture f;
        f.form.setPage(Page::Meta);
        f.child<QComboBox>("MetaHTTPEquiv")->setCurrentText(c.equiv);
        f.child<QLineEdit>("MetaName")->setText(c.name);
        f.child<QLineEdit>("MetaContent")->setText(c.content);
        f.form.BitBtn1Click();
        EXPECT_EQ(f.inserted.join('|'), c.tag);
        EXPECT_EQ(f.child<QLineEdit>("MetaName")->text() + f.child<QLineEdit>("MetaContent")->text()
                + f.child<QComboBox>("MetaHTTPEquiv")->currentText(),
            "");
    }
}

TEST(ParmForm, okOnMetaGoesToTheMetaWriterWhenThereIsOne)
{
    QList<MetaEditor::MetaFields> written;
    TParmForm form({ {}, [&](const MetaEditor::MetaFields& fields) { written.append(fields); }, {} });
    form.setPage(Page::Meta);
    // A field left over from an earlier, cancelled edit must not reach a tag that lacks it.
    form.findChild<QComboBox*>("MetaHTTPEquiv")->setCurrentText("Expires");
    form.FormShow(R"(<META NAME="old" CONTENT="text">)");
    form.findChild<QLineEdit*>("MetaName")->setText("new");
    form.BitBtn1Click();
    EXPECT_EQ(written, (QList<MetaEditor::MetaFields> { { "", "new", "text" } }));
}

TEST(ParmForm, embedTags)
{
    struct Case {
        QString source;
        int height, width;
        QString tag;
    };
    const Case cases[] = {
        { "file", 0, 0, R"(<EMBED SRC="file">)" },
        { "song.mid", 60, 0, R"(<EMBED SRC="song.mid" HEIGHT="60">)" },
        { "clip.avi", 120, 160, R"(<EMBED SRC="clip.avi" HEIGHT="120" WIDTH="160">)" },
        { "odd\"name.wav", 0, 2, R"(<EMBED SRC="odd&quot;name.wav" WIDTH="2">)" },
        { "", 10, 10, "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(TParmForm::embedTag(c.source, c.height, c.width), c.tag) << c.source.toStdString();
}

TEST(ParmForm, embedPageBrowsesWritesAndResets)
{
    Fixture f;
    f.form.setPage(Page::Embed);
    f.form.SpeedButton1Click(); // cancelled
    f.embedFile = "movie.avi";
    f.form.SpeedButton1Click();
    f.child<QSpinBox>("EmbedWidth")->setValue(320);
    f.form.BitBtn1Click();
    EXPECT_EQ(f.inserted, QStringList { R"(<EMBED SRC="movie.avi" WIDTH="320">)" });
    f.form.BitBtn1Click(); // the fields were reset: nothing more is written
    EXPECT_EQ(f.inserted.size(), 1);
}

} // namespace
