#include "editor/tledit.h"
#include "spell/dialogs/spellbuffer.h"
#include "spell/dialogs/spelldialog.h"
#include "spell/dialogs/tspelldlg.h"
#include "spell/engine/dctbuilder.h"
#include "spell/engine/dictionary.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace {

struct RecordingPrompts : SpellPrompts {
    QStringList informations;
    QStringList errors;
    QStringList questions;
    bool answer = true;
    void information(QWidget*, const QString& text) override { informations << text; }
    void error(QWidget*, const QString& text) override { errors << text; }
    bool question(QWidget*, const QString& text) override
    {
        questions << text;
        return answer;
    }
};

// One answer to the dialog: the word it should show, the button, and the replacement typed.
struct Step {
    QString word;
    int action;
    QString replacement = {};
};

const std::vector<std::string> kWords = {"a",  "is",   "test", "which", "hello", "world", "the",   "cat",
                                         "un", "café", "noir", "line",  "one",   "two",   "three", "isn't"};

class SpellDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        tessera::spell::DictionaryBuildReport report;
        std::string error;
        ASSERT_TRUE(tessera::spell::buildDictionaryFile(kWords, path("TEST.DCT").toStdString(), {}, report, error))
            << error;
        m_prompts = std::make_shared<RecordingPrompts>();
        m_component.setPrompts(m_prompts);
        SpellOptions options;
        options.applicationPath = m_dir.path();
        options.dictionaryName = QStringLiteral("TEST.DCT");
        options.userDictionary = QStringLiteral("USER.TXT");
        options.dialogStyle = TDialogTypes::dtWordPro96;
        options.supportHtml = true;
        setOptions(options);
        QObject::connect(&m_component, &TSpellDlg::wordShown, &m_component,
                         [this](const QString& word) { answer(word); }, Qt::QueuedConnection);
    }

    void setOptions(const SpellOptions& options)
    {
        m_options = options;
        m_component.setOptions(options);
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    void answer(const QString& word)
    {
        m_shown << word;
        TAbsSpellDialog* dialog = m_component.dialog();
        if (m_onShown)
            m_onShown();
        if (!dialog->isVisible())
            return; // closed by m_onShown
        if (m_steps.empty()) {
            dialog->btnClose->click(); // unexpected word: end the check
            return;
        }
        const Step step = m_steps.front();
        m_steps.pop_front();
        EXPECT_EQ(word, step.word);
        if (!step.replacement.isEmpty())
            dialog->edtWord->setText(step.replacement);
        switch (step.action) {
        case SpellAction::Replace:
            dialog->btnReplace->click();
            break;
        case SpellAction::ReplaceAll:
            dialog->btnReplaceAll->click();
            break;
        case SpellAction::Add:
            dialog->btnAdd->click();
            break;
        case SpellAction::Skip:
            dialog->btnSkip->click();
            break;
        case SpellAction::SkipAll:
            dialog->btnSkipAll->click();
            break;
        default:
            dialog->btnClose->click();
            break;
        }
    }

    int check(const QString& text, std::vector<Step> steps)
    {
        m_editor.setText(text);
        m_steps.assign(steps.begin(), steps.end());
        m_shown.clear();
        const int result = m_component.SpellCheck(&m_editor);
        EXPECT_TRUE(m_steps.empty()) << "answers left over";
        EXPECT_FALSE(tessera::spell::TDictionary::instanceExists()) << "engine left open";
        EXPECT_FALSE(m_component.dialog()->isVisible());
        return result;
    }

    QTemporaryDir m_dir;
    TLEdit m_editor;
    TLEditSpellDlg m_component;
    SpellOptions m_options;
    std::shared_ptr<RecordingPrompts> m_prompts;
    std::deque<Step> m_steps;
    QStringList m_shown;
    std::function<void()> m_onShown;
};

TEST_F(SpellDialogTest, AnswersChangeTheTextAndTheEndMessage)
{
    struct Case {
        const char* name;
        QString text;
        std::vector<Step> steps;
        QString expected;
        int result;
        QString endMessage;
    };
    const std::vector<Case> cases = {
        {"replace", "a wich test", {{"wich", SpellAction::Replace, "which"}}, "a which test", 1, SpellText::complete},
        {"skip leaves the word", "a wich test", {{"wich", SpellAction::Skip}}, "a wich test", 0, SpellText::noErrors},
        {"replace with the word unchanged", "a wich test", {{"wich", SpellAction::Replace}}, "a wich test", 0,
         SpellText::noErrors},
        {"skip then skip all", "teh teh teh tset",
         {{"teh", SpellAction::Skip}, {"teh", SpellAction::SkipAll}, {"tset", SpellAction::Replace, "test"}},
         "teh teh teh test", 1, SpellText::complete},
        {"numbers pass, mixed words do not", "1997 2nd", {{"2nd", SpellAction::Skip}}, "1997 2nd", 0,
         SpellText::noErrors},
        {"one-letter words pass", "x y z", {}, "x y z", 0, SpellText::noErrors},
        {"accented word in the dictionary", "un café noir", {}, "un café noir", 0, SpellText::noErrors},
        {"accented word replaced in place", "un cafè noir wrld",
         {{"cafè", SpellAction::Replace, "café"}, {"wrld", SpellAction::Replace, "world"}}, "un café noir world", 1,
         SpellText::complete},
        {"a split suggestion with a space", "thecat is", {{"thecat", SpellAction::Replace, "the cat"}}, "the cat is",
         1, SpellText::complete},
        {"word at the very end of the text", "hello wrld", {{"wrld", SpellAction::Replace, "world"}}, "hello world", 1,
         SpellText::complete},
        {"empty text", "", {}, "", 0, SpellText::noErrors},
        {"a letter reference is part of its word", "<p>un Caf&eacute; noir</p>", {}, "<p>un Caf&eacute; noir</p>",
         0, SpellText::noErrors},
        {"a replacement keeps the page's references", "un Caf&egrave;&nbsp;noir",
         {{"Cafè", SpellAction::Replace, "Café"}}, "un Caf&eacute;&nbsp;noir", 1, SpellText::complete},
        {"script, style and comments are not prose",
         "hello <script>\nvar wrld = 1;\n</script><style>p { colr: red }</style><!-- nte -->world", {},
         "hello <script>\nvar wrld = 1;\n</script><style>p { colr: red }</style><!-- nte -->world", 0,
         SpellText::noErrors},
        {"the typographic apostrophe", "isn\u2019t wrld", {{"wrld", SpellAction::Skip}},
         "isn\u2019t wrld", 0, SpellText::noErrors},
        {"a long run is passed over", "hello " + QString(50, 'x') + " wrld", {{"wrld", SpellAction::Skip}},
         "hello " + QString(50, 'x') + " wrld", 0, SpellText::noErrors},
        {"a capital outside the old code page stays in its word", "CH\u00C2TEAU", {{"CH\u00C2TEAU", SpellAction::Skip}},
         "CH\u00C2TEAU", 0, SpellText::noErrors},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_prompts->informations.clear();
        const int result = check(c.text, c.steps);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(m_editor.Text(), c.expected);
        EXPECT_EQ(m_prompts->informations, QStringList{c.endMessage});
        EXPECT_TRUE(m_prompts->errors.isEmpty()) << m_prompts->errors.join(QLatin1Char('|')).toStdString();
    }
}

TEST_F(SpellDialogTest, UnchangedReplacementLeavesTheEditorUntouched)
{
    m_editor.setText(QStringLiteral("a wich test"));
    m_editor.setModified(false);
    m_steps = {{"wich", SpellAction::Replace}};
    EXPECT_EQ(m_component.SpellCheck(&m_editor), 0);
    EXPECT_FALSE(m_editor.modified());
    EXPECT_EQ(m_editor.Text(), QStringLiteral("a wich test"));
}

TEST_F(SpellDialogTest, ReplaceAllFindsLaterMatchesOnTheSameLineAndInLaterChecks)
{
    EXPECT_EQ(check(QStringLiteral("wich is wich, WICH"), {{"wich", SpellAction::ReplaceAll, "which"}}), 1);
    EXPECT_EQ(m_editor.Text(), QStringLiteral("which is which, which"));
    EXPECT_EQ(m_shown.size(), 1);
    // The lists outlive the check.
    EXPECT_EQ(check(QStringLiteral("one wich\ntwo Wich"), {}), 1);
    EXPECT_EQ(m_editor.Text(), QStringLiteral("one which\ntwo which"));
    EXPECT_EQ(m_component.replaceAllSources(), QStringList{"wich"});
}

TEST_F(SpellDialogTest, ReplaceAllWithALongerWordKeepsThePlaceInTheLine)
{
    EXPECT_EQ(check(QStringLiteral("tst tst tst"), {{"tst", SpellAction::ReplaceAll, "three test"}}), 1);
    EXPECT_EQ(m_editor.Text(), QStringLiteral("three test three test three test"));
}

TEST_F(SpellDialogTest, ReplacementLandsOnTheLineOfTheWord)
{
    EXPECT_EQ(check(QStringLiteral("line one\nline two\nline thre\nline four"),
                    {{"thre", SpellAction::Replace, "three"}, {"four", SpellAction::Skip}}),
              1);
    EXPECT_EQ(m_editor.lineText(3), QStringLiteral("line three"));
    EXPECT_EQ(m_editor.lineText(2), QStringLiteral("line two"));
    EXPECT_EQ(TLEditBuffer::toEditorLine(0), 1);
    EXPECT_EQ(TLEditBuffer::toEditorLine(2), 3);
}

TEST_F(SpellDialogTest, SkippingHtmlPassesOverTagsAndTheirAttributes)
{
    struct Case {
        bool skipHtml;
        QString text;
        QStringList shown;
    };
    const std::vector<Case> cases = {
        {true, "<img src=\"pictre.gif\"> hello", {}},
        {true, "<a\nhref=\"nwhere.htm\">wrld</a>", {"wrld"}},
        {true, "hello <unclosed tagg", {}},
        {false, "<b>wrld</b>", {"wrld"}},
        {false, "<img src=\"pictre.gif\">", {"img", "src", "pictre", "gif"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        SpellOptions options = m_options;
        options.supportHtml = c.skipHtml;
        setOptions(options);
        std::vector<Step> steps;
        for (const QString& word : c.shown)
            steps.push_back({word, SpellAction::Skip});
        check(c.text, steps);
        EXPECT_EQ(m_shown, c.shown);
        EXPECT_EQ(m_editor.Text(), c.text);
    }
}

TEST_F(SpellDialogTest, AddAsksFirstWhenConfirmationIsOn)
{
    struct Case {
        bool confirm;
        bool yes;
        int questions;
        bool added;
    };
    const std::vector<Case> cases = {{true, true, 1, true}, {true, false, 1, false}, {false, false, 0, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "confirm " << c.confirm << " yes " << c.yes);
        QFile::remove(path("USER.TXT"));
        SpellOptions options = m_options;
        options.confirmAdd = c.confirm;
        setOptions(options);
        m_prompts->questions.clear();
        m_prompts->answer = c.yes;
        std::vector<Step> steps = {{"tessera", SpellAction::Add}};
        if (!c.added)
            steps.push_back({"Tessera", SpellAction::Skip}); // still unknown the second time
        check(QStringLiteral("tessera Tessera"), steps);
        EXPECT_EQ(m_prompts->questions.size(), c.questions);
        if (c.questions) {
            EXPECT_EQ(m_prompts->questions.front(), QStringLiteral("Add \"tessera\" to dictionary?"));
        }
        QFile user(path("USER.TXT"));
        EXPECT_EQ(user.exists(), c.added);
        if (c.added && user.open(QIODevice::ReadOnly)) {
            EXPECT_TRUE(user.readAll().contains("tessera"));
        }
    }
}

TEST_F(SpellDialogTest, ClosingEndsWithoutAMessageSavesAddedWordsAndRestoresTheEditor)
{
    m_editor.setText(QStringLiteral("hello wrld\nmore wrds here"));
    m_editor.SetSelection(2, 1, 2, 4);
    m_editor.setModified(false);
    m_prompts->answer = true;
    m_steps = {{"wrld", SpellAction::Add}, {"more", SpellAction::Close}};
    bool wasReadOnly = false;
    m_onShown = [&] { wasReadOnly = m_editor.ReadOnly(); };
    EXPECT_EQ(m_component.SpellCheck(&m_editor), SpellResult::Closed);
    EXPECT_TRUE(m_prompts->informations.isEmpty()) << m_prompts->informations.join('|').toStdString();
    EXPECT_TRUE(wasReadOnly);
    EXPECT_FALSE(m_editor.ReadOnly());
    EXPECT_EQ(m_editor.GetSelection(), (EditorSelection{1, 4, 2, 2}));
    EXPECT_FALSE(m_editor.modified());
    EXPECT_FALSE(tessera::spell::TDictionary::instanceExists());
    QFile user(path("USER.TXT"));
    ASSERT_TRUE(user.open(QIODevice::ReadOnly));
    EXPECT_TRUE(user.readAll().contains("wrld"));
}

TEST_F(SpellDialogTest, ACheckAfterClosingTheDialogChecksAgain)
{
    const std::vector<std::pair<const char*, std::function<void(TAbsSpellDialog*)>>> ways = {
        {"Close button", [](TAbsSpellDialog* dialog) { dialog->btnClose->click(); }},
        {"Escape", [](TAbsSpellDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }},
        {"title bar", [](TAbsSpellDialog* dialog) { dialog->close(); }},
    };
    EXPECT_EQ(check(QStringLiteral("wich"), {{"wich", SpellAction::ReplaceAll, "which"}}), 1);
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        m_prompts->informations.clear();
        m_onShown = [&close, this] { close(m_component.dialog()); };
        EXPECT_EQ(check(QStringLiteral("wrld hello"), {}), SpellResult::Closed);
        m_onShown = nullptr;
        EXPECT_EQ(check(QStringLiteral("one wich wrld"), {{"wrld", SpellAction::Replace, "world"}}), 1);
        EXPECT_EQ(m_editor.Text(), QStringLiteral("one which world"));
        EXPECT_EQ(m_prompts->informations, QStringList{SpellText::complete});
    }
}

TEST_F(SpellDialogTest, ClosingRightAfterAnAnswerEndsTheCheck)
{
    m_onShown = [this] { QMetaObject::invokeMethod(m_component.dialog(), "reject", Qt::QueuedConnection); };
    EXPECT_EQ(check(QStringLiteral("wrld hello wrds"), {{"wrld", SpellAction::Skip}}), SpellResult::Closed);
    EXPECT_EQ(m_shown, QStringList{"wrld"});
    EXPECT_TRUE(m_prompts->informations.isEmpty());
}

TEST_F(SpellDialogTest, ASecondCheckWhileOneRunsIsRefused)
{
    SpellCheckCommand command(nullptr);
    command.component().setPrompts(m_prompts);
    command.setOptions(m_options);
    QList<bool> running;
    QObject::connect(&command, &SpellCheckCommand::checkRunning, [&](bool on) { running << on; });
    int nested = 0;
    QObject::connect(&command.component(), &TSpellDlg::wordShown, &command, [&] {
        nested = command.run(&m_editor);
        command.component().dialog()->btnSkip->click();
    }, Qt::QueuedConnection);
    m_editor.setText(QStringLiteral("wrld"));
    EXPECT_EQ(command.run(&m_editor), 0);
    EXPECT_EQ(nested, -1);
    EXPECT_EQ(running, (QList<bool>{true, false}));
    EXPECT_EQ(command.run(nullptr), -1);
}

TEST_F(SpellDialogTest, FailuresGiveTheirMessagesAndLeaveNoEngine)
{
    // A missing dictionary.
    SpellOptions options = m_options;
    options.dictionaryName = QStringLiteral("NONE.DCT");
    setOptions(options);
    m_editor.setText(QStringLiteral("wrld"));
    EXPECT_EQ(m_component.SpellCheck(&m_editor), 0);
    ASSERT_EQ(m_prompts->errors.size(), 1);
    EXPECT_TRUE(m_prompts->errors.front().startsWith(SpellText::errorOpening + path("NONE.DCT")));
    EXPECT_FALSE(tessera::spell::TDictionary::instanceExists());
    EXPECT_TRUE(m_prompts->informations.isEmpty());

    // A control the component cannot check.
    m_prompts->errors.clear();
    QLabel label;
    EXPECT_EQ(m_component.SpellCheck(&label), 0);
    EXPECT_EQ(m_prompts->errors, QStringList{SpellText::unknownControl});
}

TEST_F(SpellDialogTest, DictionaryNameIsFoundWhateverItsCase)
{
    SpellOptions options = m_options;
    options.dictionaryName = QStringLiteral("test.dct");
    setOptions(options);
    EXPECT_EQ(m_component.mainDictionaryPath(), path("TEST.DCT"));
    EXPECT_EQ(check(QStringLiteral("hello"), {}), 0);
    options.dictionaryName.clear();
    options.dictionaryPath = QStringLiteral("/somewhere");
    setOptions(options);
    EXPECT_EQ(m_component.mainDictionaryPath(), QStringLiteral("/somewhere/ENGLISH.DCT"));
}

TEST_F(SpellDialogTest, TheSelectionIsVerifiedBeforeAReplacement)
{
    m_editor.setText(QStringLiteral("one wrld two"));
    TLEditBuffer buffer(&m_editor, false);
    ASSERT_TRUE(buffer.getNextWord());
    ASSERT_TRUE(buffer.getNextWord());
    EXPECT_EQ(buffer.currentWord().text, QStringLiteral("wrld"));
    buffer.selectCurrentWord();
    m_editor.setText(QStringLiteral("one word two"));
    EXPECT_FALSE(buffer.replaceCurrentWord(QStringLiteral("world")));
    EXPECT_EQ(m_editor.Text(), QStringLiteral("one word two"));
}

TEST_F(SpellDialogTest, PlainEditControlsAreCheckedToo)
{
    QPlainTextEdit edit;
    edit.setPlainText(QStringLiteral("hello wrld\nwich is wich"));
    m_steps = {{"wrld", SpellAction::Replace, "world"}, {"wich", SpellAction::ReplaceAll, "which"}};
    EXPECT_EQ(m_component.SpellCheck(&edit), 1);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("hello world\nwhich is which"));
    EXPECT_FALSE(edit.isReadOnly());
}

TEST_F(SpellDialogTest, CheckAllFieldsShowsOneEndMessage)
{
    QWidget container;
    auto* first = new QPlainTextEdit(QStringLiteral("hello"), &container);
    auto* second = new TLEdit(&container);
    second->setText(QStringLiteral("wrld"));
    new QLineEdit(&container);
    m_steps = {{"wrld", SpellAction::Replace, "world"}};
    EXPECT_EQ(m_component.CheckAllFields(&container), 1);
    EXPECT_EQ(first->toPlainText(), QStringLiteral("hello"));
    EXPECT_EQ(second->Text(), QStringLiteral("world"));
    EXPECT_EQ(m_prompts->informations, QStringList{SpellText::complete});
}

TEST_F(SpellDialogTest, TheDialogOffersSuggestionsAndCompletions)
{
    SpellOptions options = m_options;
    options.autoSuggest = true;
    setOptions(options);
    QStringList suggested;
    QStringList completed;
    m_onShown = [&] {
        TAbsSpellDialog* dialog = m_component.dialog();
        for (int i = 0; i < dialog->lstSuggest->count(); ++i)
            suggested << dialog->lstSuggest->item(i)->text();
        dialog->edtWord->setText(QString());
        QTest::keyClicks(dialog->edtWord, QStringLiteral("th"));
        for (int i = 0; i < dialog->lstSuggest->count(); ++i)
            completed << dialog->lstSuggest->item(i)->text();
    };
    check(QStringLiteral("Wrld"), {{"Wrld", SpellAction::Skip}});
    EXPECT_TRUE(suggested.contains(QStringLiteral("World"))) << suggested.join(',').toStdString();
    EXPECT_TRUE(completed.contains(QStringLiteral("three"))) << completed.join(',').toStdString();
}

TEST(SpellOptionsTest, StoredValuesMapOntoTheComponent)
{
    const std::vector<std::pair<int, TDialogTypes>> styles = {
        {0, TDialogTypes::dtMSWord}, {1, TDialogTypes::dtWordPerfect}, {2, TDialogTypes::dtWordPro96}};
    for (const auto& [code, type] : styles) {
        EXPECT_EQ(dialogTypeFromStoredCode(code), type);
        EXPECT_EQ(storedCodeFromDialogType(type), code);
    }
    const SpellOptions options = spellOptionsFromStored(true, false, 7, 2, QStringLiteral("/data"));
    EXPECT_TRUE(options.confirmAdd);
    EXPECT_FALSE(options.supportHtml);
    EXPECT_EQ(options.suggestions, 7);
    EXPECT_EQ(options.dialogStyle, TDialogTypes::dtWordPro96);
    EXPECT_EQ(options.userDictionary, QStringLiteral("USERDCT.DCT"));
}

TEST(SpellOptionsTest, SuggestionCountIsKeptWithinItsRange)
{
    auto prompts = std::make_shared<RecordingPrompts>();
    TSpellDlg component;
    component.setPrompts(prompts);
    const std::vector<std::tuple<int, int, QString>> cases = {
        {0, 1, SpellText::invalidSuggestions}, {-3, 1, SpellText::invalidSuggestions}, {1, 1, {}},
        {255, 255, {}}, {256, 255, SpellText::suggestionLimit}};
    for (const auto& [given, kept, message] : cases) {
        prompts->errors.clear();
        component.setSuggestions(given);
        EXPECT_EQ(component.options().suggestions, kept) << given;
        EXPECT_EQ(prompts->errors, message.isEmpty() ? QStringList{} : QStringList{message}) << given;
    }
}

TEST(SpellOptionsTest, EachStyleHasItsButtons)
{
    for (TDialogTypes style : {TDialogTypes::dtWordPerfect, TDialogTypes::dtMSWord, TDialogTypes::dtWordPro96}) {
        auto dialog = makeSpellDialog(style, nullptr);
        EXPECT_EQ(dialog->style(), style);
        EXPECT_EQ(dialog->btnReplaceAll != nullptr, style != TDialogTypes::dtWordPerfect);
        dialog->showWord(QStringLiteral("wrld"), SpellText::notFound);
        EXPECT_EQ(dialog->edtWord->text(), QStringLiteral("wrld"));
        dialog->btnE->click();
        EXPECT_EQ(dialog->edtWord->text(), QStringLiteral("é"));
    }
}

} // namespace
