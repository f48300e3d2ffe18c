#include "generators/body/bodyform.h"

#include "viewer/control/pageviewer.h"
#include "workspace/tags/tagtexts.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

using Role = TBodyForm::ColourRole;

BodyEditor::BodyAttributes sample()
{
    return { "/pages/stone.gif", QColor(0x12, 0x34, 0x56), QColor(0x00, 0x00, 0xFF), QColor(0x80, 0x00, 0x80),
        QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0xFF, 0xCC), 0, 12, true };
}

struct Fixture {
    std::optional<QColor> pickedColour;
    QString pickedFile;
    TBodyForm form { TBodyForm::Host {
        [this](const QColor&) { return pickedColour; },
        [this] { return pickedFile; },
    } };

    template <typename T> T* child(const char* name) { return form.findChild<T*>(QLatin1String(name)); }
    QScrollBar* bar(const char* name) const { return form.findChild<QScrollBar*>(QLatin1String(name)); }
    QString label(const char* name) const { return form.findChild<QLabel*>(QLatin1String(name))->text(); }
    QString bars() const
    {
        return QString("%1,%2,%3").arg(bar("R")->value()).arg(bar("G")->value()).arg(bar("B")->value());
    }
    QString labels() const { return label("RValue") + label("GValue") + label("BValue"); }
};

TEST(BodyForm, selectingAColourShowsItOnTheBarsWithoutChangingAny)
{
    struct Case {
        const char* radio;
        Role role;
        QString bars, labels;
    };
    const Case cases[] = {
        { "LinkColor", Role::Link, "0,0,255", "0000FF" },
        { "TextColor", Role::Text, "18,52,86", "123456" },
        { "VisitedLinkColor", Role::Visited, "128,0,128", "800080" },
        { "BackgroundColor", Role::Background, "255,255,204", "FFFFCC" },
        { "ActiveLinkColor", Role::Active, "255,0,0", "FF0000" },
    };
    Fixture f;
    f.form.setBodySettings(sample());
    for (const Case& c : cases) {
        f.child<QRadioButton>(c.radio)->click();
        EXPECT_EQ(f.form.selectedRole(), c.role) << c.radio;
        EXPECT_EQ(f.bars(), c.bars) << c.radio;
        EXPECT_EQ(f.labels(), c.labels) << c.radio;
    }
    // Moving three bars one after the other must not leave one colour's parts in another.
    EXPECT_EQ(f.form.bodySettings(), sample());
}

TEST(BodyForm, movingABarChangesOnlyTheSelectedColour)
{
    Fixture f;
    f.form.setBodySettings(sample());
    f.form.selectRole(Role::Visited);
    f.child<QScrollBar>("G")->setValue(0xAB);
    f.child<QScrollBar>("R")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(f.labels(), "8AAB80");

    BodyEditor::BodyAttributes expected = sample();
    expected.visited = QColor(0x8A, 0xAB, 0x80);
    EXPECT_EQ(BodyEditor::buildBodyTag(f.form.bodySettings()), BodyEditor::buildBodyTag(expected));

    f.child<QScrollBar>("B")->setValue(300); // clamped to the byte's range
    EXPECT_EQ(f.labels(), "8AABFF");
}

TEST(BodyForm, backgroundColourIsThePreviewsAndTheColourButtonSetsTheBars)
{
    Fixture f;
    auto* preview = f.child<tessera::viewer::TPageViewer>("Preview");
    f.form.selectRole(Role::Background);
    f.child<QScrollBar>("R")->setValue(0);
    EXPECT_EQ(preview->DefBackground(), QColor(0, 255, 255));

    f.form.selectRole(Role::Link);
    f.form.ColorButtonClick(); // cancelled
    f.pickedColour = QColor(0x33, 0x66, 0x99);
    f.form.ColorButtonClick();
    EXPECT_EQ(f.bars(), "51,102,153");
    const BodyEditor::BodyAttributes body = f.form.bodySettings();
    EXPECT_EQ(TagTexts::colourHex(body.background) + TagTexts::colourHex(body.link)
            + TagTexts::colourHex(body.text),
        "00FFFF336699000000");
}

TEST(BodyForm, backgroundImageIsLoadedAndCleared)
{
    Fixture f;
    f.form.setBodySettings(sample());
    f.form.LoadBackgroundClick(); // cancelled
    f.pickedFile = "/other/paper.jpg";
    f.form.LoadBackgroundClick();
    EXPECT_EQ(f.form.bodySettings().backgroundImage, "/other/paper.jpg");
    EXPECT_EQ(f.child<QLabel>("ImageName")->text(), "paper.jpg");
    f.form.ClearBackgroundClick();
    EXPECT_EQ(f.form.bodySettings().backgroundImage, "");
}

TEST(BodyForm, loadDefaultsRestoresTheGivenSettings)
{
    Fixture f;
    f.form.setBodySettings(sample());
    f.form.selectRole(Role::Text);
    f.child<QScrollBar>("R")->setValue(200);
    f.form.ClearBackgroundClick();
    f.child<QSpinBox>("LMargin")->setValue(-1);
    f.child<QSpinBox>("RMargin")->setValue(40);
    f.child<QCheckBox>("FixedBG")->setChecked(false);
    ASSERT_NE(f.form.bodySettings(), sample());

    f.form.LoadDefaultsClick();
    EXPECT_EQ(f.form.bodySettings(), sample());
    EXPECT_EQ(f.bars(), "18,52,86");
    EXPECT_EQ(f.child<QSpinBox>("RMargin")->value(), 12);
    EXPECT_TRUE(f.child<QCheckBox>("FixedBG")->isChecked());
}

TEST(BodyForm, startsBlackOnWhiteWithoutMarginsAndTakesBelowMinusOneAsNotSet)
{
    Fixture f;
    EXPECT_EQ(f.child<QSpinBox>("LMargin")->text(), "none");
    EXPECT_EQ(BodyEditor::buildBodyTag(f.form.bodySettings()),
        R"(<BODY TEXT="#000000" LINK="#000000" ALINK="#000000" VLINK="#000000" BGCOLOR="#FFFFFF" >)");
    BodyEditor::BodyAttributes body = sample();
    body.leftMargin = -7;
    body.rightMargin = 300;
    f.form.setBodySettings(body);
    body.leftMargin = -1;
    EXPECT_EQ(f.form.bodySettings(), body);
}

TEST(BodyForm, mediaFilterListsEveryType)
{
    const QString all = "All Media|*.BMP;*.CMS;*.GIF;*.JPG;*.PCX;*.PNG;*.SCM;*.TIF;*.WAV;*.MID;*.RMI;*.AVI;|";
    EXPECT_EQ(TBodyForm::mediaFilter().left(all.size() + 19), all + "BMP Files|*.BMP|CMS");
    EXPECT_EQ(TBodyForm::mediaFilter().count('|'), 2 * 13 - 1);
}

} // namespace
