#include "windowfixture.h"

#include "app/previewwiring.h"
#include "app/workspacewiring.h"
#include "custom/general/gensetform.h"
#include "custom/parmform.h"
#include "custom/usercode/usercodeform.h"
#include "editor/tledit.h"
#include "spell/dialogs/tspelldlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QTimer>

#include <functional>

namespace {

using namespace windowtest;

// Works on the next modal dialog of type Dialog once it is up, then presses OK.
template <typename Dialog>
void whenShown(std::function<void(Dialog&)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*dialog);
            dialog->accept();
        }
    });
    timer->start(10);
}

// Remembers the filter the open dialog was given.
struct FilterRecorder : PageFileDialogs {
    QString* filter;
    explicit FilterRecorder(QString* filter) : filter(filter) {}
    QString saveFileName(const QString&, const QString&, const QString&, int) override { return {}; }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString openPage(const QString&, const QString& given) override
    {
        *filter = given;
        return {};
    }
};

class GeneralPreferences : public WiringFixture {
protected:
    void adjustSettings(QSettings&) override
    {
        environment.makePageFileDialogs = [this] { return std::make_unique<FilterRecorder>(&openFilter); };
    }

    QString openFilter;
};

constexpr int firstCustomTab = 9;

} // namespace

TEST_F(GeneralPreferences, okTakesEffectAtOnce)
{
    QTabWidget* toolBook = window->powerBook();
    window->settings().defaults.showCustom[1] = true;
    window->showCustomTabs();
    ASSERT_TRUE(toolBook->isTabVisible(firstCustomTab + 1));
    ASSERT_FALSE(window->workspace().preview().controller().livePreview());

    whenShown<TGenSetForm>([](TGenSetForm& form) {
        form.findChild<QCheckBox*>(QStringLiteral("CustomPage2"))->click();
        form.findChild<QCheckBox*>(QStringLiteral("CustomPage3"))->click();
        form.findChild<QCheckBox*>(QStringLiteral("UseAutoUpdate"))->click();
        form.findChild<QSpinBox*>(QStringLiteral("SuggestCount"))->setValue(42);
        form.findChild<QLineEdit*>(QStringLiteral("ValidExtensions"))->setText(QStringLiteral("php"));
    });
    ASSERT_TRUE(window->commands().trigger(Command::OptionsGeneralPreferences));

    EXPECT_FALSE(toolBook->isTabVisible(firstCustomTab + 1));
    EXPECT_TRUE(toolBook->isTabVisible(firstCustomTab + 2));
    EXPECT_EQ(asked, QStringList {QStringLiteral("Warning: ") + TGenSetForm::autoUpdateWarning});
    EXPECT_TRUE(window->workspace().preview().controller().livePreview());
    EXPECT_EQ(window->workspace().spellCheck().component().options().suggestions, 42);
    EXPECT_EQ(window->settings().defaults.extension, QStringLiteral("php"));

    ASSERT_TRUE(window->commands().trigger(Command::FileOpen));
    EXPECT_TRUE(openFilter.contains(QStringLiteral("*.php"))) << openFilter.toStdString();
}

TEST_F(GeneralPreferences, cancelChangesNothing)
{
    const SettingsRecord before = window->settings();
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer] {
        if (auto* form = qobject_cast<TGenSetForm*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            form->findChild<QCheckBox*>(QStringLiteral("CustomPage1"))->click();
            form->reject();
        }
    });
    timer->start(10);
    ASSERT_TRUE(window->commands().trigger(Command::OptionsGeneralPreferences));
    EXPECT_EQ(window->settings(), before);
    EXPECT_FALSE(window->powerBook()->isTabVisible(firstCustomTab));
}

TEST_F(WiringFixture, metaAndEmbedMenuItemsWriteTheirTagsAtTheCaret)
{
    ASSERT_TRUE(window->commands().trigger(Command::FileNew));
    window->webPage()->setText(QString());

    whenShown<TParmForm>([](TParmForm& form) {
        form.findChild<QLineEdit*>(QStringLiteral("MetaName"))->setText(QStringLiteral("author"));
        form.findChild<QLineEdit*>(QStringLiteral("MetaContent"))->setText(QStringLiteral("Ann"));
        form.BitBtn1Click();
    });
    ASSERT_TRUE(window->commands().trigger(Command::CodesMeta));
    // The browse button goes through the window's own open dialog.
    chosen = QStringLiteral("/music/tune.mid");
    whenShown<TParmForm>([](TParmForm& form) {
        form.findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
        form.BitBtn1Click();
    });
    ASSERT_TRUE(window->commands().trigger(Command::CodesEmbed));

    EXPECT_EQ(window->webPage()->Text(),
              QStringLiteral("<META NAME=\"author\" CONTENT=\"Ann\" ><EMBED SRC=\"/music/tune.mid\">"));
}

TEST_F(WiringFixture, modifyMenuTagsRebuildsTheMenusSorted)
{
    whenShown<TUserCodeForm>([](TUserCodeForm& form) {
        auto* blocks = form.findChild<QPlainTextEdit*>(QStringLiteral("blkhlght.mnu"));
        EXPECT_EQ(blocks->toPlainText(), QStringLiteral("<CITE>..</CITE> - citation\n"));
        blocks->setPlainText(QStringLiteral("<Q>..</Q>\n<BLOCKQUOTE>..</BLOCKQUOTE>\n<CITE>..</CITE>"));
        form.BitBtn1Click();
    });
    ASSERT_TRUE(window->commands().trigger(Command::CodesModifyMenuTags));

    QStringList captions;
    for (QAction* item : window->menus().blockHighlights()->actions())
        captions << item->text();
    EXPECT_EQ(captions, (QStringList {QStringLiteral("<BLOCKQUOTE>..</BLOCKQUOTE>"), QStringLiteral("<CITE>..</CITE>"),
                                      QStringLiteral("<Q>..</Q>")}));
    EXPECT_EQ(readFile(window->programDirectory().filePath(QStringLiteral("blkhlght.mnu"))),
              "<Q>..</Q>\r\n<BLOCKQUOTE>..</BLOCKQUOTE>\r\n<CITE>..</CITE>\r\n");
}
