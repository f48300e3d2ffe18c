#include "custom/fontform/colourbox.h"
#include "custom/fontform/editoroptions.h"
#include "custom/fontform/tfontform.h"
#include "editor/tledit.h"
#include "workspace/settings/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

TEST(NamedColours, eighteenNamesWithTheirStoredValues)
{
    const struct {
        const char* name;
        const char* stored;
    } expected[] = {
        {"Aqua", "16776960"}, {"Black", "0"},       {"Blue", "16711680"},  {"DkGray", "8421504"},
        {"Fuchsia", "16711935"}, {"Gray", "8421504"}, {"Green", "32768"},  {"Lime", "65280"},
        {"LtGray", "12632256"}, {"Maroon", "128"},  {"Navy", "8388608"},   {"Olive", "32896"},
        {"Purple", "8388736"}, {"Red", "255"},      {"Silver", "12632256"}, {"Teal", "8421376"},
        {"White", "16777215"}, {"Yellow", "65535"},
    };
    ColourBox box(QStringLiteral("box"));
    ASSERT_EQ(box.count(), 18);
    for (int i = 0; i < box.count(); ++i) {
        EXPECT_EQ(box.itemText(i), QLatin1String(expected[i].name));
        box.setCurrentIndex(i);
        EXPECT_EQ(colourToText(box.colour()), QLatin1String(expected[i].stored)) << expected[i].name;
    }
}

// A stored colour that is none of the eighteen stays selectable as itself.
TEST(NamedColours, aColourOutsideTheListBecomesOneExtraItem)
{
    ColourBox box(QStringLiteral("box"));
    box.setColour(QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(box.count(), 19);
    EXPECT_EQ(box.currentText(), QStringLiteral("#123456"));
    EXPECT_EQ(box.colour(), QColor(0x12, 0x34, 0x56));

    box.setColour(QColor(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(box.count(), 19);
    EXPECT_EQ(box.currentText(), QStringLiteral("#ABCDEF"));

    box.setColour(QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(box.currentText(), QStringLiteral("DkGray"));
    box.setColour(QColor());
    EXPECT_EQ(box.currentText(), QStringLiteral("DkGray"));
}

TEST(EditorOptionsRecord, okRecordsEveryValueAsDecimalText)
{
    EditorOptions options;
    options.editorFont = QFont(QStringLiteral("Liberation Mono"));
    options.editorFont.setPointSize(14);
    options.textColor = QColor(0, 0, 128);
    options.windowColor = QColor(255, 255, 0);
    options.tagForeground = QColor(255, 0, 0);
    options.tagBackground = QColor(192, 192, 192);
    options.selectedForeground = QColor(0, 0, 0);
    options.selectedBackground = QColor(0x12, 0x34, 0x56);
    options.tabSize = 7;
    options.autoIndent = false;
    options.wordWrap = true;
    options.expandToHtml = false;
    options.fileFormat = 2;
    options.previewFontName = QStringLiteral("Liberation Serif");
    options.previewFontSize = 9;
    options.previewFontColor = QColor(128, 0, 128);
    options.previewBackground = QColor(255, 255, 255);

    TesseraSettings settings;
    recordEditorOptions(options, settings);
    const auto& d = settings.defaults;
    const std::pair<QString, QString> recorded[] = {
        {d.fontName, "Liberation Mono"}, {d.fontSize, "14"},          {d.fontColor, "8388608"},
        {d.backgroundColor, "65535"},    {d.syntaxFgColor, "255"},    {d.syntaxBgColor, "12632256"},
        {d.highlightFgColor, "0"},       {d.highlightBgColor, "5649426"}, {d.htmlFontName, "Liberation Serif"},
        {d.htmlFontSize, "9"},           {d.htmlFontColor, "8388736"}, {d.htmlBackgroundColor, "16777215"},
    };
    for (const auto& [value, text] : recorded)
        EXPECT_EQ(value, text);
    EXPECT_EQ(d.tabSize, 7);
    EXPECT_FALSE(d.autoIndent);
    EXPECT_TRUE(d.wordwrap);
    EXPECT_FALSE(d.expandCharsToHtml);
    EXPECT_EQ(d.fileFormat, 2);
}

class FontFormTest : public ::testing::Test {
protected:
    FontFormTest()
    {
        window.editorFont = QFont(QStringLiteral("Liberation Mono"));
        window.editorFont.setPointSize(10);
        window.textColor = Qt::black;
        window.windowColor = Qt::white;
        window.tagForeground = Qt::blue;
        window.tagBackground = Qt::white;
        window.selectedForeground = Qt::white;
        window.selectedBackground = QColor(0, 0, 128);
        window.previewFontName = QStringLiteral("Liberation Serif");
        window.previewFontColor = Qt::black;
        window.previewBackground = QColor(0x12, 0x34, 0x56);
        host.current = [this] { return window; };
        host.restoreRecorded = [this] { ++restored; };
        host.apply = [this](const EditorOptions& options) { applied.push_back(options); };
        host.record = [this](const EditorOptions& options) { recorded.push_back(options); };
        host.showHelper = [this](int number) { helpers.push_back(number); };
    }

    template <typename T>
    T* control(TFontForm& form, const char* name)
    {
        return form.findChild<T*>(QLatin1String(name));
    }

    EditorOptions window;
    TFontForm::Host host;
    int restored = 0;
    std::vector<EditorOptions> applied;
    std::vector<EditorOptions> recorded;
    std::vector<int> helpers;
};

// Changing a control shows in the sample only; the main window changes on Apply and OK.
TEST_F(FontFormTest, controlsChangeTheSampleOnly)
{
    TFontForm form(host);
    form.FormShow();
    EXPECT_EQ(restored, 1);
    EXPECT_EQ(form.samplePage()->Text(), TFontForm::sampleText);
    EXPECT_EQ(control<ColourBox>(form, "HTMLWinColor")->currentText(), QStringLiteral("#123456"));

    control<ColourBox>(form, "WindowColor")->setCurrentText(QStringLiteral("Yellow"));
    control<QSpinBox>(form, "TabSize")->setValue(9);
    control<ColourBox>(form, "SyntaxFore")->setCurrentText(QStringLiteral("Red"));
    EXPECT_EQ(form.samplePage()->Color(), QColor(Qt::yellow));
    EXPECT_EQ(form.samplePage()->TabStopSize(), 9);
    ControlHighlight tags;
    emit form.samplePage()->OnControlHighlight(&tags);
    EXPECT_EQ(tags.foreground, QColor(Qt::red));
    EXPECT_EQ(tags.answer, ControlHighlight::useColours);
    EXPECT_TRUE(applied.empty());

    control<QPushButton>(form, "BitBtn3")->click();
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].windowColor, QColor(Qt::yellow));
    EXPECT_EQ(applied[0].tabSize, 9);
    // The colour outside the eighteen goes back as it came.
    EXPECT_EQ(applied[0].previewBackground, QColor(0x12, 0x34, 0x56));
    EXPECT_TRUE(recorded.empty());
}

// The hints come only when the user checks the box, not when the box is filled.
TEST_F(FontFormTest, checkingWordwrapOrExpansionShowsItsHint)
{
    window.wordWrap = true;
    window.expandToHtml = false;
    TFontForm form(host);
    form.FormShow();
    EXPECT_TRUE(helpers.empty());
    control<QCheckBox>(form, "UseWordwrap")->click();
    control<QCheckBox>(form, "UseWordwrap")->click();
    control<QCheckBox>(form, "ExpandtoHTML")->click();
    EXPECT_EQ(helpers, (std::vector<int>{6, 10}));
}

// A font the machine does not have keeps its name through the dialog.
TEST_F(FontFormTest, anUnlistedFontKeepsItsName)
{
    window.editorFont.setFamily(QStringLiteral("No Such Font Family"));
    TFontForm form(host);
    form.FormShow();
    EXPECT_EQ(form.options().editorFont.family(), QStringLiteral("No Such Font Family"));
    EXPECT_EQ(form.options().editorFont.pointSize(), 10);
}

} // namespace
