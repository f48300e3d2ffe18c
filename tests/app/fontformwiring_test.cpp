#include "windowfixture.h"

#include "app/previewwiring.h"
#include "app/projectswiring.h"
#include "app/workspacewiring.h"
#include "custom/fontform/colourbox.h"
#include "custom/fontform/tfontform.h"
#include "editor/tledit.h"
#include "projects/outline/toutline.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <functional>

namespace {

using namespace windowtest;

// Works on the editor options dialog once it is up; the action ends it.
void whenFontFormShown(std::function<void(TFontForm&)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* form = qobject_cast<TFontForm*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*form);
        }
    });
    timer->start(10);
}

template <typename T>
T* control(TFontForm& form, const char* name)
{
    return form.findChild<T*>(QLatin1String(name));
}

void press(TFontForm& form, const char* button)
{
    control<QPushButton>(form, button)->click();
}

class EditorOptionsTest : public WiringFixture {
protected:
    void runDialog(std::function<void(TFontForm&)> act)
    {
        whenFontFormShown(std::move(act));
        ASSERT_TRUE(window->commands().trigger(Command::OptionsEditorOptions));
    }

    TLEdit& editor() const { return *window->webPage(); }
    tessera::viewer::TPageViewer& preview() const { return window->workspace().preview().split(); }
};

// The chosen line ends reach the editor, the record and the page on disk.
TEST_F(EditorOptionsTest, fileTypeSetsTheSaveStyleAndTheSavedLineEnds)
{
    const struct {
        const char* item;
        bool mac;
        bool unix;
        int fileFormat;
        QByteArray saved;
    } cases[] = {
        {"Unix Style", false, true, 2, "<P>\n</P>\n"},
        {"Mac Style", true, false, 1, "<P>\r</P>\r"},
        {"Default", false, false, 0, "<P>\r\n</P>\n"},
    };
    for (const auto& c : cases) {
        const QString path = page(QStringLiteral("%1.htm").arg(c.fileFormat), "<P>\r\n</P>\n");
        open(path);
        runDialog([&c](TFontForm& form) {
            control<QComboBox>(form, "SaveTypeAs")->setCurrentText(QLatin1String(c.item));
            press(form, "OKChanges");
        });
        EXPECT_EQ(editor().MacStyleSave(), c.mac) << c.item;
        EXPECT_EQ(editor().UnixStyleSave(), c.unix) << c.item;
        EXPECT_EQ(window->settings().defaults.fileFormat, c.fileFormat) << c.item;
        ASSERT_TRUE(window->commands().trigger(Command::FileSave));
        EXPECT_EQ(readFile(path), c.saved) << c.item;
    }
}

TEST_F(EditorOptionsTest, applyTakesEffectAndCancelRestoresTheRecordedLook)
{
    const SettingsRecord recorded = window->settings();
    const QColor background = editor().Color();
    const QColor previewBackground = preview().DefBackground();
    runDialog([this](TFontForm& form) {
        control<ColourBox>(form, "WindowColor")->setCurrentText(QStringLiteral("Yellow"));
        control<ColourBox>(form, "SyntaxFore")->setCurrentText(QStringLiteral("Red"));
        control<ColourBox>(form, "HTMLWinColor")->setCurrentText(QStringLiteral("Aqua"));
        control<QSpinBox>(form, "TabSize")->setValue(11);
        press(form, "BitBtn3");
        ControlHighlight tags;
        emit editor().OnControlHighlight(&tags);
        EXPECT_EQ(tags.foreground, QColor(Qt::red));
        EXPECT_EQ(editor().Color(), QColor(Qt::yellow));
        EXPECT_EQ(editor().TabStopSize(), 11);
        EXPECT_EQ(preview().DefBackground(), QColor(Qt::cyan));
        EXPECT_EQ(window->projects().outline().palette().color(QPalette::Base), QColor(Qt::yellow));
        press(form, "BitBtn2");
    });
    EXPECT_EQ(editor().Color(), background);
    EXPECT_EQ(preview().DefBackground(), previewBackground);
    EXPECT_EQ(window->settings(), recorded);
    ControlHighlight tags;
    emit editor().OnControlHighlight(&tags);
    EXPECT_EQ(tags.foreground, QColor(Qt::blue));
}

// OK records the tab stop with the rest, so reopening the dialog and a restart keep it.
TEST_F(EditorOptionsTest, okRecordsTheTabStopAndTheLook)
{
    runDialog([](TFontForm& form) {
        control<QSpinBox>(form, "TabSize")->setValue(13);
        control<ColourBox>(form, "TextColor")->setCurrentText(QStringLiteral("Navy"));
        press(form, "OKChanges");
    });
    EXPECT_EQ(window->settings().defaults.tabSize, 13);
    EXPECT_EQ(window->settings().defaults.fontColor, QStringLiteral("8388608"));
    EXPECT_EQ(editor().TabStopSize(), 13);
    runDialog([](TFontForm& form) {
        EXPECT_EQ(control<QSpinBox>(form, "TabSize")->value(), 13);
        press(form, "BitBtn2");
    });
    EXPECT_EQ(editor().TabStopSize(), 13);
}

class StoredEditorOptions : public EditorOptionsTest {
protected:
    void adjustSettings(QSettings& settings) override
    {
        settings.setValue(QStringLiteral("Defaults/FileFormat"), 2);
        settings.setValue(QStringLiteral("Defaults/BackgroundColor"), QStringLiteral("5649426")); // #123456
    }
};

// The stored line ends hold from the start; a colour outside the eighteen is shown and kept.
TEST_F(StoredEditorOptions, storedLineEndsAndAnUnnamedColourSurvive)
{
    EXPECT_TRUE(editor().UnixStyleSave());
    runDialog([](TFontForm& form) {
        EXPECT_EQ(control<QComboBox>(form, "SaveTypeAs")->currentText(), QStringLiteral("Unix Style"));
        EXPECT_EQ(control<ColourBox>(form, "WindowColor")->currentText(), QStringLiteral("#123456"));
        press(form, "BitBtn3");
        press(form, "OKChanges");
    });
    EXPECT_EQ(editor().Color(), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(window->settings().defaults.backgroundColor, QStringLiteral("5649426"));
    EXPECT_TRUE(editor().UnixStyleSave());
}

} // namespace
