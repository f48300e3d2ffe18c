#include "app/appstrings.h"
#include "app/pagetabbar.h"
#include "app/splash.h"
#include "app/tform1.h"
#include "app/tipoftheday.h"
#include "editor/tledit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>
#include <QPushButton>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

void writeFile(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(contents);
}

// A throw-away program directory with shipped data, and a window built on it that records its
// steps and failures instead of showing message boxes.
class Fixture {
public:
    Fixture()
    {
        // The program's own names; the settings file itself stays in the test's temporary folder.
        QCoreApplication::setOrganizationName(strings::organisationName);
        QCoreApplication::setApplicationName(strings::applicationName);
        QSettings().clear();
        // The tip of the day would open over the window at its first activation.
        QSettings settings;
        settings.setValue(QStringLiteral("Helpers/ShowTipOfTheDay"), false);
        settings.sync();
        writeFile(shipped() + QStringLiteral("/TIPS.TXT"), tips());
    }

    std::unique_ptr<TForm1> makeWindow()
    {
        TForm1Environment environment;
        environment.programDirectory = ProgramDirectory(user(), shipped());
        environment.observer = [this](LifecycleStep step, const StepResult& result) {
            steps << Lifecycle::stepName(step) + (result.ok ? QString() : QStringLiteral(" FAILED"));
        };
        environment.reportFailure = [this](const QString& title, const QString& text) {
            failures << title + QStringLiteral(": ") + text;
        };
        return std::make_unique<TForm1>(environment);
    }

    QString shipped() const { return m_root.filePath(QStringLiteral("share/tessera")); }
    QString user() const { return m_root.filePath(QStringLiteral("user")); }

    static QByteArray tips()
    {
        QByteArray text;
        for (int i = 1; i <= 10; ++i)
            text += "?Helper text " + QByteArray::number(i) + "\n";
        text += "^First tip\n^Second tip is 100% sure\n^Third%sline\nclosing\n";
        return text;
    }

    QStringList steps;
    QStringList failures;

private:
    QTemporaryDir m_root;
};

// Closes the next modal dialog once it is up, after `act` has worked on it.
void whenDialogOpens(std::function<void(QDialog*)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
            dialog->accept();
        }
    });
    timer->start(10);
}

QStringList names(std::initializer_list<LifecycleStep> list)
{
    QStringList result;
    for (LifecycleStep step : list)
        result << Lifecycle::stepName(step);
    return result;
}

TEST(TForm1, StartupShowAndShutdownRunInOrder)
{
    Fixture fixture;
    auto window = fixture.makeWindow();
    EXPECT_EQ(fixture.steps, names({LifecycleStep::RegisterDropTarget, LifecycleStep::CreateHistoryItems,
                                    LifecycleStep::TakeProgramDirectory, LifecycleStep::LoadUserTagMenus,
                                    LifecycleStep::ReadSettings, LifecycleStep::LoadProjectOutline}));
    EXPECT_TRUE(QFile::exists(fixture.user() + QStringLiteral("/TIPS.TXT"))) << "shipped data copied on first start";
    EXPECT_EQ(window->windowTitle(), strings::applicationTitle);
    EXPECT_FALSE(window->powerBook()->isVisibleTo(window.get())) << "no page open: the tool book is hidden";
    EXPECT_FALSE(window->webPage()->isEnabled());

    fixture.steps.clear();
    window->show();
    EXPECT_EQ(fixture.steps, names({LifecycleStep::ApplyDefaultWidth, LifecycleStep::ShowInsertMode,
                                    LifecycleStep::CopyEditorSettings, LifecycleStep::BuildCustomButtons,
                                    LifecycleStep::LoadInternalClipboard}));
    EXPECT_EQ(window->statusPanel(1)->text(), strings::insertMode);
    // Without a stored width the window opens wide enough for the whole Font tab, as far as the
    // screen allows.
    const QWidget* fontTab = window->powerBook()->widget(0);
    EXPECT_GE(window->width(), std::min(window->buttonPanel1()->sizeHint().width() + fontTab->sizeHint().width(),
                                        window->screen()->availableGeometry().width()));

    fixture.steps.clear();
    window->close();
    EXPECT_EQ(fixture.steps, names({LifecycleStep::SaveProjectOutline, LifecycleStep::SaveInternalClipboard,
                                    LifecycleStep::WriteSettings}));
    EXPECT_TRUE(fixture.failures.isEmpty()) << fixture.failures.join('\n').toStdString();
    EXPECT_TRUE(window->settingsWritten());
    QSettings settings;
    EXPECT_GT(settings.value(QStringLiteral("WindowAttributes/Width")).toInt(), 0);
}

TEST(TForm1, ShowStepsRunOnFirstShowOnly)
{
    Fixture fixture;
    writeFile(fixture.user() + QStringLiteral("/scratch.txt"), "saved scratch");
    auto window = fixture.makeWindow();
    window->show();
    EXPECT_EQ(window->spareEditor()->Text(), QStringLiteral("saved scratch"));

    window->spareEditor()->setText(QStringLiteral("edited scratch"));
    window->webPage()->setModified(true);
    window->showMinimized();
    window->showNormal();
    window->hide();
    window->show();
    EXPECT_EQ(window->spareEditor()->Text(), QStringLiteral("edited scratch")) << "the scratch pad was reloaded";
    EXPECT_TRUE(window->webPage()->modified()) << "the modified flag was cleared again";
    EXPECT_EQ(fixture.steps.count(Lifecycle::stepName(LifecycleStep::LoadInternalClipboard)), 1);
}

TEST(TForm1, FailedShutdownStepStillWritesSettings)
{
    Fixture fixture;
    auto window = fixture.makeWindow();
    window->show();
    // A folder where the scratch file should be makes saving the internal clipboard fail.
    QDir().mkpath(fixture.user() + QStringLiteral("/scratch.txt"));
    window->spareEditor()->setText(QStringLiteral("keep me"));
    fixture.steps.clear();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(fixture.steps, QStringList({Lifecycle::stepName(LifecycleStep::SaveProjectOutline),
                                          Lifecycle::stepName(LifecycleStep::SaveInternalClipboard) + " FAILED",
                                          Lifecycle::stepName(LifecycleStep::WriteSettings)}));
    EXPECT_TRUE(window->settingsWritten());
    ASSERT_EQ(fixture.failures.size(), 1);
    EXPECT_TRUE(fixture.failures.first().contains(QStringLiteral("internal clipboard"))) << fixture.failures.first().toStdString();
}

TEST(TForm1, RefusedPageCloseKeepsTheProgramRunning)
{
    Fixture fixture;
    auto window = fixture.makeWindow();
    window->show();
    window->webPageTabs()->addTab(QStringLiteral("page.htm"));
    bool asked = false;
    window->setCloseAllPages([&] { asked = true; }); // the user answers "keep" for the page
    fixture.steps.clear();
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(window->commitData()) << "a session end must not lose the page either";
    EXPECT_TRUE(asked);
    EXPECT_TRUE(fixture.steps.isEmpty());
    EXPECT_FALSE(window->settingsWritten());

    window->setCloseAllPages([&] { window->webPageTabs()->removeTab(0); });
    EXPECT_TRUE(window->commitData());
    EXPECT_TRUE(window->settingsWritten());
}

TEST(TForm1, PageOpenStateFollowsTheTabs)
{
    Fixture fixture;
    auto window = fixture.makeWindow();
    window->show();
    ButtonPanel* panel = window->buttonPanel1();
    window->commands().setHandler(Command::FileSave, [] {});
    window->commands().setHandler(Command::FileOpen, [] {});
    EXPECT_FALSE(panel->button(ButtonPanel::Button::Save)->isEnabled());
    EXPECT_TRUE(panel->button(ButtonPanel::Button::Open)->isEnabled());
    EXPECT_FALSE(panel->button(ButtonPanel::Button::ClosePage)->isEnabled()) << "no handler yet";
    EXPECT_TRUE(panel->button(ButtonPanel::Button::ToggleSplit)->isEnabled());

    window->webPageTabs()->addTab(QStringLiteral("page.htm"));
    EXPECT_TRUE(window->powerBook()->isVisible());
    EXPECT_TRUE(window->webPage()->isEnabled());
    EXPECT_FALSE(panel->button(ButtonPanel::Button::Save)->isEnabled()) << "Save follows the page's changes, not the tabs";
    panel->setButtonEnabled(ButtonPanel::Button::Save, true);
    window->webPageTabs()->removeTab(0);
    EXPECT_FALSE(window->powerBook()->isVisible());
    EXPECT_FALSE(panel->button(ButtonPanel::Button::Save)->isEnabled());
    window->setCloseAllPages({});
}

TEST(TForm1, CommandsWithoutHandlerStayDisabled)
{
    Fixture fixture;
    auto window = fixture.makeWindow();
    window->webPageTabs()->addTab(QStringLiteral("page.htm"));
    window->updateCommandStates();
    CommandRegistry& commands = window->commands();
    EXPECT_FALSE(commands.action(Command::InsertHeading)->isEnabled()) << "tag insertion is not wired yet";
    EXPECT_TRUE(commands.action(Command::FileExit)->isEnabled());
    commands.setHandler(Command::InsertHeading, [] {});
    EXPECT_TRUE(commands.action(Command::InsertHeading)->isEnabled());
    window->webPageTabs()->removeTab(0);
    EXPECT_FALSE(commands.action(Command::InsertHeading)->isEnabled()) << "no page: tag items are disabled";
}

TEST(TForm1, MenuShortcutsBeatEditorKeyBindings)
{
    Fixture fixture;
    auto window = fixture.makeWindow();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->webPageTabs()->addTab(QStringLiteral("page.htm"));
    window->webPage()->setText(QStringLiteral("some text\nmore text\n"));

    CommandRegistry& commands = window->commands();
    std::vector<std::pair<Command, QKeySequence>> chords;
    QList<Command> fired;
    for (int i = 0; i < commandCount; ++i) {
        const auto command = static_cast<Command>(i);
        for (QAction* action : commands.actions(command)) {
            // The desktop's usual chords come as second shortcuts: they must win as well.
            for (const QKeySequence& chord : action->shortcuts()) {
                chords.emplace_back(command, chord);
                commands.setHandler(command, [&fired, command] { fired << command; });
            }
        }
    }
    ASSERT_GE(chords.size(), 50u);
    for (TLEdit* editor : {window->webPage(), window->spareEditor()}) {
        for (const auto& [command, chord] : chords) {
            for (int i = 0; i < commandCount; ++i)
                commands.setEnabled(static_cast<Command>(i), true);
            editor->setFocus();
            fired.clear();
            QTest::keySequence(editor, chord);
            EXPECT_EQ(fired, QList<Command>{command}) << chord.toString().toStdString() << " in " << editor->objectName().toStdString();
        }
    }
    window->webPageTabs()->removeTab(0);
}

TEST(TForm1, CopyShortcutFollowsTheSelection)
{
    Fixture fixture;
    auto window = fixture.makeWindow();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->webPageTabs()->addTab(QStringLiteral("page.htm"));
    TLEdit* editor = window->webPage();
    editor->setText(QStringLiteral("alpha beta"));
    editor->setFocus();
    editor->SetSelection(1, 0, 1, 0);
    EXPECT_FALSE(window->commands().action(Command::EditCopy)->isEnabled());
    editor->SetSelection(1, 0, 1, 5);
    EXPECT_TRUE(window->commands().action(Command::EditCopy)->isEnabled());
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(editor, QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("alpha"));
    window->webPageTabs()->removeTab(0);
}

TEST(TForm1, LayoutAndViews)
{
    Fixture fixture;
    auto window = fixture.makeWindow();
    window->show();
    const QList<int> main = window->mainSplitter()->sizes();
    ASSERT_EQ(main.size(), 3);
    EXPECT_NEAR(double(main[0]) / (main[0] + main[1]), 0.2, 0.02) << "outline bar at 20 percent";
    EXPECT_EQ(main[2], 0) << "the internal clipboard starts with no width";
    EXPECT_EQ(window->powerBook()->count(), 13);
    EXPECT_EQ(window->powerBook()->tabText(12), QStringLiteral("Custom 4"));

    EXPECT_EQ(window->splitScreen()->orientation(), Qt::Vertical) << "editor above the preview";
    window->commands().trigger(Command::ToggleSplitStyle);
    EXPECT_EQ(window->splitScreen()->orientation(), Qt::Horizontal);

    // Opening a top-level menu leaves the full-screen preview.
    window->setFullScreenView(true);
    emit window->menus().topMenu(MenuId::Insert)->aboutToShow();
    EXPECT_FALSE(window->isFullScreenView());
}

TEST(TForm1, WindowSettingsRoundTrip)
{
    Fixture fixture;
    {
        QSettings settings;
        settings.setValue(QStringLiteral("WindowAttributes/Width"), QStringLiteral("garbled"));
        settings.setValue(QStringLiteral("Helpers/TipNumber"), QStringLiteral("12x"));
    }
    auto window = fixture.makeWindow();
    window->show();
    EXPECT_GE(window->width(), std::min(window->buttonPanel1()->sizeHint().width() + window->powerBook()->widget(0)->sizeHint().width(),
                                        window->screen()->availableGeometry().width()))
        << "a garbled width keeps the default width";
    window->commands().trigger(Command::ToggleSplitStyle);
    whenDialogOpens([](QDialog* dialog) { dialog->findChild<QCheckBox*>()->setChecked(false); });
    window->showHelper(Helper::InternalClipboardContents);
    window->showHelper(Helper::InternalClipboardContents); // the flag is clear now: nothing shows
    window->setGeometry(40, 50, 800, 600);
    ASSERT_TRUE(window->close());

    QSettings settings;
    EXPECT_EQ(settings.value(QStringLiteral("WindowAttributes/SplitDirection")).toInt(), 1);
    EXPECT_EQ(settings.value(QStringLiteral("WindowAttributes/Width")).toInt(), 800);
    EXPECT_EQ(settings.value(QStringLiteral("Helpers/InternalClipboard")).toInt(), 0);
    EXPECT_EQ(settings.value(QStringLiteral("Helpers/SavingToDefault")).toInt(), 1);
    EXPECT_EQ(settings.value(QStringLiteral("Helpers/TipNumber")).toInt(), 10);

    auto again = fixture.makeWindow();
    EXPECT_EQ(again->splitScreen()->orientation(), Qt::Horizontal) << "the split style comes back";
    EXPECT_EQ(again->width(), 800);
}

TEST(TForm1, FirstStartIsRoomyAndCentredAndAStoredPlaceOffTheScreenComesBack)
{
    Fixture fixture;
    auto window = fixture.makeWindow();
    window->show();
    const QRect available = window->screen()->availableGeometry();
    EXPECT_GE(window->width(), std::min(1100, available.width()));
    EXPECT_GE(window->height(), std::min(750, available.height()));
    EXPECT_LE(std::abs(window->geometry().center().x() - available.center().x()), 1);
    ASSERT_TRUE(window->close());

    QSettings settings;
    settings.setValue(QStringLiteral("WindowAttributes/Left"), available.right() + 2000);
    settings.setValue(QStringLiteral("WindowAttributes/Top"), available.bottom() + 500);
    settings.sync();
    auto moved = fixture.makeWindow();
    moved->show();
    EXPECT_TRUE(available.contains(moved->geometry())) << "a window stored on a screen that is gone comes back whole";
}

TEST(TForm1, ShowHintsToggles)
{
    Fixture fixture;
    auto window = fixture.makeWindow();
    // With no stored value the hints start switched off, although the window is designed with them on.
    EXPECT_FALSE(window->hintsShown());
    EXPECT_FALSE(window->commands().isChecked(Command::HelpShowHints));
    window->commands().trigger(Command::HelpShowHints);
    EXPECT_TRUE(window->hintsShown());
    EXPECT_TRUE(window->commands().isChecked(Command::HelpShowHints));
    window->close();
    EXPECT_TRUE(QSettings().value(QStringLiteral("Defaults/ShowHints")).toBool());
}

TEST(TipOfTheDay, StepsThroughTipsAndStoresPosition)
{
    Fixture fixture;
    auto window = fixture.makeWindow();
    QString first, second, third;
    whenDialogOpens([&](QDialog* dialog) {
        auto* tip = static_cast<TfTipOfTheDay*>(dialog);
        first = tip->tipText();
        for (QPushButton* button : tip->findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Next Tip")) {
                button->click();
                second = tip->tipText();
                button->click();
                third = tip->tipText();
            }
        }
        tip->findChild<QCheckBox*>()->setChecked(false);
    });
    window->showTipOfTheDay();
    EXPECT_EQ(first, QStringLiteral("First tip"));
    EXPECT_EQ(second, QStringLiteral("Second tip is 100% sure"));
    EXPECT_EQ(third, QStringLiteral("Third\nline"));
    window->close();
    QSettings settings;
    EXPECT_EQ(settings.value(QStringLiteral("Helpers/TipNumber")).toInt(), 12 + 2);
    EXPECT_FALSE(settings.value(QStringLiteral("Helpers/ShowTipOfTheDay")).toBool());
}

TEST(TipOfTheDay, AnExitWhileItIsOpenStoresTheAnswerFirst)
{
    Fixture fixture;
    QSettings().setValue(QStringLiteral("Helpers/ShowTipOfTheDay"), true);
    auto window = fixture.makeWindow();
    // The tip comes up at the first activation; a termination signal arrives while it is open.
    whenDialogOpens([&window](QDialog* dialog) {
        dialog->findChild<QCheckBox*>()->setChecked(false);
        window->requestExit();
    });
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&window] { return window->settingsWritten(); }));
    EXPECT_FALSE(QSettings().value(QStringLiteral("Helpers/ShowTipOfTheDay")).toBool());

    // The same for a helper.
    auto again = fixture.makeWindow();
    again->show();
    whenDialogOpens([&again](QDialog* dialog) {
        dialog->findChild<QCheckBox*>()->setChecked(false);
        again->requestExit();
    });
    again->showHelper(Helper::InternalClipboardContents);
    ASSERT_TRUE(again->settingsWritten());
    EXPECT_EQ(QSettings().value(QStringLiteral("Helpers/InternalClipboard")).toInt(), 0);
}

TEST(TipOfTheDay, HelperShowsItsLineAndReturnsTheBox)
{
    const TipBook book(QString::fromLatin1(Fixture::tips()).split(QLatin1Char('\n')));
    bool flag = false;
    ShowHelper(3, QStringLiteral("Browser Refresh"), flag, book, nullptr);
    EXPECT_FALSE(flag) << "a clear flag shows nothing";

    QString caption, text, box;
    bool nextVisible = true;
    whenDialogOpens([&](QDialog* dialog) {
        auto* tip = static_cast<TfTipOfTheDay*>(dialog);
        caption = tip->windowTitle();
        text = tip->tipText();
        box = tip->findChild<QCheckBox*>()->text();
        for (QPushButton* button : tip->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("Next Tip"))
                nextVisible = button->isVisible();
        tip->findChild<QCheckBox*>()->setChecked(false);
    });
    flag = true;
    ShowHelper(3, QStringLiteral("Browser Refresh"), flag, book, nullptr);
    EXPECT_FALSE(flag);
    EXPECT_EQ(caption, QStringLiteral("Browser Refresh"));
    EXPECT_EQ(text, QStringLiteral("Helper text 3"));
    EXPECT_EQ(box, QStringLiteral("Show Helper on next entry"));
    EXPECT_FALSE(nextVisible);

    // Without a tips file the helper shows the apology, and keeps its flag when left ticked.
    whenDialogOpens([&](QDialog* dialog) { text = static_cast<TfTipOfTheDay*>(dialog)->titleText(); });
    flag = true;
    ShowHelper(10, QStringLiteral("Character Conversions"), flag, TipBook(), nullptr);
    EXPECT_TRUE(flag);
    EXPECT_EQ(text, QStringLiteral("Oops..."));
}

TEST(TipOfTheDay, MissingFileDisablesStepping)
{
    TfTipOfTheDay dialog{TipBook()};
    dialog.show();
    EXPECT_EQ(dialog.titleText(), QStringLiteral("Oops..."));
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() != QStringLiteral("Close")) {
            EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
        }
    }
}

} // namespace

TEST(TSpash, StepsAsideForAQuestionAskedDuringStartUp)
{
    TSpash splash;
    splash.showNow();
    ASSERT_TRUE(splash.isVisible());
    QDialog question;
    question.show();
    EXPECT_FALSE(splash.isVisible());
}
