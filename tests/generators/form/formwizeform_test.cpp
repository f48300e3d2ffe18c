#include "generators/form/formwizeform.h"

#include "generators/form/formentry.h"
#include "generators/form/formwizardscript.h"
#include "support/whenmodal.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessera::generators;

namespace {

using namespace formwizardtest;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Sets a control of the definition dialog as the user would: text, a check mark ("1") or a number.
void set(TFormEntry* entry, const char* name, const QString& value)
{
    QWidget* control = entry->findChild<QWidget*>(QLatin1String(name));
    ASSERT_NE(control, nullptr) << name;
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(value);
    else if (auto* box = qobject_cast<QCheckBox*>(control))
        box->setChecked(value == QLatin1String("1"));
    else if (auto* spin = qobject_cast<QSpinBox*>(control))
        spin->setValue(value.toInt());
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        combo->setEditText(value);
}

using Values = std::vector<std::pair<const char*, QString>>;

class FormWizard : public ::testing::Test {
protected:
    void SetUp() override
    {
        wizard = std::make_unique<TFormWizeForm>([this](const QStringList& lines) { inserted << lines; },
                                                 std::make_unique<ScriptedPrompts>(&script));
    }

    void add(FieldKind kind, const Values& values)
    {
        whenShown<TFormEntry>(wizard.get(), [values](TFormEntry* entry) {
            for (const auto& [name, value] : values)
                set(entry, name, value);
            entry->accept();
        });
        wizard->AddFieldClick(kind);
    }

    QStringList items() const
    {
        QStringList lines;
        for (const FormField& field : wizard->fields())
            lines << QString::fromStdString(formatFieldLine(field));
        return lines;
    }

    QListWidget* list() const { return wizard->findChild<QListWidget*>(QStringLiteral("FormItems")); }
    void select(int row) { list()->setCurrentRow(row); }

    QTemporaryDir dir;
    Script script;
    QStringList inserted;
    std::unique_ptr<TFormWizeForm> wizard;
};

} // namespace

TEST_F(FormWizard, AddedFieldsFollowTheSelectionAndTheNewOneIsPreviewed)
{
    add(FieldKind::Hidden, {{"HDVar", "source"}, {"HDValue", "web"}});
    add(FieldKind::CheckBox, {{"CBVar", "news"}, {"CBCaption", "Send me news"}, {"CBValue", "yes"}, {"CBChecked", "1"}});
    add(FieldKind::Entry, {{"DEVar", "email"}, {"DECaption", "E-mail:"}, {"DELength", "30"}});
    EXPECT_EQ(items(), (QStringList {"HD|source|web", "CB|news|yes|Send me news|1", "DE|email|E-mail:|30|0"}));
    EXPECT_EQ(list()->currentRow(), 2);
    EXPECT_EQ(wizard->formLines(), QStringList {R"(E-mail:  <INPUT TYPE="text" NAME="email" SIZE=30><BR>)"});

    // With nothing selected a new field goes to the top.
    list()->clearSelection();
    add(FieldKind::PageText, {{"PTCaption", "Hello"}, {"PTBold", "1"}});
    EXPECT_EQ(items().first(), "PT|1|0|0|0|0|Hello");
}

TEST_F(FormWizard, EachPageIsEmptiedForANewFieldButKeepsItsNumbersAndGroups)
{
    add(FieldKind::Entry, {{"DEVar", "a"}, {"DECaption", "A"}, {"DELength", "30"}, {"Password", "1"}});
    add(FieldKind::RadioButton, {{"RGVar", "size"}, {"RGCaption", "Small"}, {"RGValue", "S"}});
    add(FieldKind::RadioButton, {{"RGVar", "colour"}, {"RGCaption", "Red"}, {"RGValue", "R"}});
    add(FieldKind::RadioButton, {{"RGVar", "size"}, {"RGCaption", "Large"}, {"RGValue", "L"}});

    QString title;
    QStringList groups;
    FormField shown;
    whenShown<TFormEntry>(wizard.get(), [&](TFormEntry* entry) {
        title = entry->windowTitle();
        auto* drop = entry->findChild<QComboBox*>(QStringLiteral("RGVar"));
        for (int i = 0; i < drop->count(); ++i)
            groups << drop->itemText(i);
        shown = entry->field();
        entry->reject();
    });
    wizard->AddFieldClick(FieldKind::RadioButton);
    EXPECT_EQ(title, "Radio Group Definition");
    EXPECT_EQ(groups, (QStringList {"size", "colour"}));
    EXPECT_EQ(shown, FormField(RadioButtonField {"size", "", "", false}));

    whenShown<TFormEntry>(wizard.get(), [&](TFormEntry* entry) {
        title = entry->windowTitle();
        shown = entry->field();
        entry->reject();
    });
    wizard->AddFieldClick(FieldKind::Entry);
    EXPECT_EQ(title, "Data Entry Definition");
    EXPECT_EQ(shown, FormField(EntryField {"", "", 30, false}));
    EXPECT_EQ(wizard->fields().size(), 4u);
}

TEST_F(FormWizard, EditWithNothingSelectedDoesNothing)
{
    add(FieldKind::Hidden, {{"HDVar", "h"}});
    list()->clearSelection();
    bool opened = false;
    whenShown<TFormEntry>(wizard.get(), [&](TFormEntry* entry) {
        opened = true;
        entry->reject();
    });
    wizard->EditSelectedClick();
    wizard->DeleteSelectedClick();
    QTest::qWait(30);
    EXPECT_FALSE(opened);
    EXPECT_EQ(items(), QStringList {"HD|h|"});
}

TEST_F(FormWizard, DefinitionsALineCannotHoldAreRefusedAndTheDialogStays)
{
    QStringList answersSeen;
    whenShown<TFormEntry>(wizard.get(), [&](TFormEntry* entry) {
        set(entry, "CBVar", "my name");
        entry->accept();
        answersSeen << QString::number(entry->isVisible());
        set(entry, "CBVar", "name");
        set(entry, "CBCaption", "a|b");
        entry->accept();
        answersSeen << QString::number(entry->isVisible());
        set(entry, "CBCaption", "ab");
        entry->accept();
    });
    wizard->AddFieldClick(FieldKind::CheckBox);
    EXPECT_EQ(answersSeen, (QStringList {"1", "1"}));
    EXPECT_EQ(script.asked, (QStringList {"No spaces allowed in variable name!", "No \"|\" allowed in fields!"}));
    EXPECT_EQ(items(), QStringList {"CB|name||ab|0"});
}

TEST_F(FormWizard, ListBoxEntries)
{
    QStringList shown;
    bool sortedAtFirst = true;
    whenShown<TFormEntry>(wizard.get(), [&](TFormEntry* entry) {
        sortedAtFirst = entry->findChild<QCheckBox*>(QStringLiteral("LBSort"))->isChecked();
        auto* items = entry->findChild<QListWidget*>(QStringLiteral("LBItems"));
        for (const char* item : {"b", "a", "", "x|y", "B"}) {
            set(entry, "LBEntry", QString::fromUtf8(item));
            entry->LBAddClick();
        }
        set(entry, "LBVar", "pick");
        set(entry, "LBSort", "1");
        for (int i = 0; i < items->count(); ++i)
            shown << items->item(i)->text();
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, items->visualItemRect(items->item(0)).center());
        shown << entry->findChild<QLineEdit*>(QStringLiteral("LBEntry"))->text();
        entry->LBRemoveClick();
        entry->accept();
    });
    wizard->AddFieldClick(FieldKind::ListBox);
    EXPECT_FALSE(sortedAtFirst);
    EXPECT_EQ(shown, (QStringList {"a", "b", "B", "a"}));
    EXPECT_EQ(script.asked, QStringList {"No \"|\" allowed in fields!"});
    EXPECT_EQ(items(), QStringList {"LB|pick||1|0|0|b|B|"});
}

TEST_F(FormWizard, UpDownAndDeleteMoveTheSelectedField)
{
    for (const char* name : {"a", "b", "c"})
        add(FieldKind::Hidden, {{"HDVar", name}});
    select(0);
    wizard->ItemUpClick();
    wizard->ItemDownClick();
    wizard->ItemDownClick();
    wizard->ItemDownClick();
    EXPECT_EQ(items(), (QStringList {"HD|b|", "HD|c|", "HD|a|"}));
    EXPECT_EQ(list()->currentRow(), 2);
    wizard->DeleteSelectedClick();
    EXPECT_EQ(items(), (QStringList {"HD|b|", "HD|c|"}));
}

TEST_F(FormWizard, BuildFollowsTheLayoutChecksAndCopiesTheForm)
{
    QAction* copy = nullptr;
    for (QAction* action : wizard->findChildren<QAction*>())
        copy = action->text() == "Copy Form To Clipboard" ? action : copy;
    ASSERT_NE(copy, nullptr);
    wizard->BuildButtonClick();
    EXPECT_TRUE(wizard->formLines().isEmpty());
    EXPECT_FALSE(copy->isEnabled());
    add(FieldKind::Entry, {{"DEVar", "email"}, {"DECaption", "E-mail:"}, {"DELength", "30"}});
    EXPECT_TRUE(copy->isEnabled());
    wizard->findChild<QLineEdit*>(QStringLiteral("MailToText"))->setText(QStringLiteral("me@example.com"));
    wizard->findChild<QCheckBox*>(QStringLiteral("UseTable"))->click();
    wizard->findChild<QCheckBox*>(QStringLiteral("PreformatText"))->click();
    EXPECT_EQ(wizard->formLines(),
              (QStringList {R"(<FORM METHOD="POST" ACTION="mailto:me@example.com" >)", "<TABLE >",
                            R"(<TR><TD VALIGN="TOP">E-mail:</TD><TD VALIGN="TOP"><PRE>  <INPUT TYPE="text" NAME="email" SIZE=30><BR></PRE></TD></TR>)",
                            "<TR>", R"(<TD COLSPAN="2">)",
                            R"(<P ALIGN="CENTER"><INPUT TYPE="submit" VALUE="Submit Form"><INPUT TYPE="reset" VALUE="Reset Form"></P>)",
                            "</TD>", "</TR>", "</TABLE>", "</FORM>"}));
    QApplication::clipboard()->clear();
    wizard->CopyFormClick();
    EXPECT_EQ(QApplication::clipboard()->text(), wizard->formLines().join("\r\n") + "\r\n");
}

TEST_F(FormWizard, SavesAndOpensDefinitionsUnderTheNameChosen)
{
    add(FieldKind::CheckBox, {{"CBVar", "café"}, {"CBChecked", "1"}});
    add(FieldKind::ListBox, {{"LBVar", "l"}, {"LBVisible", "2"}});
    script.saveName = dir.filePath(QStringLiteral("mine"));
    ASSERT_TRUE(wizard->SaveFormDefinitionClick());
    EXPECT_EQ(readFile(script.saveName), "CB|caf\xE9|||1\r\nLB|l||0|0|2|\r\n");

    writeFile(dir.filePath("old.FRM"), "HD|a|b\n\nXX|junk\nDE|n|c|wide|1");
    script.openName = dir.filePath("old.FRM");
    wizard->OpenFormDefinitionClick();
    EXPECT_EQ(items(), (QStringList {"HD|a|b", "DE|n|c|20|1"}));
    EXPECT_EQ(script.asked.last(), "2 lines of old.FRM are not form fields and were left out.");
    EXPECT_EQ(wizard->formLines().size(), 5);
    wizard->SaveFormDefinitionClick();
    EXPECT_EQ(script.asked.last(), "save as " + script.openName);
}

TEST_F(FormWizard, OpeningWhatIsNoFormDefinitionKeepsTheList)
{
    add(FieldKind::Hidden, {{"HDVar", "keep"}});
    writeFile(dir.filePath("page.htm"), "<HTML>\r\n<BODY>\r\n");
    for (const QString& name : {dir.filePath("page.htm"), dir.filePath("missing.frm")}) {
        script.openName = name;
        wizard->OpenFormDefinitionClick();
        EXPECT_TRUE(script.asked.last().startsWith("error: ")) << script.asked.last().toStdString();
        EXPECT_EQ(items(), QStringList {"HD|keep|"});
    }
}

TEST_F(FormWizard, LeavingAsksAboutSavingAndStaysWhenTheSaveDoesNotHappen)
{
    add(FieldKind::Hidden, {{"HDVar", "h"}});
    wizard->show();
    script.save = SaveFirstAnswer::Ok;
    wizard->InsertAndReturnClick();
    script.saveName = dir.filePath("no/such/dir/form.frm");
    wizard->AbandonAndReturnClick();
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_TRUE(inserted.isEmpty());
    EXPECT_EQ(script.asked.size(), 5);

    script.saveName = dir.filePath("form.frm");
    wizard->InsertAndReturnClick();
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(readFile(script.saveName), "HD|h|\r\n");
    EXPECT_EQ(inserted.size(), 4);
}
