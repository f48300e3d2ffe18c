#include "custom/special/specialcharacters.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(SpecialCharacters, StoredValuesReadAsSlots)
{
    const struct {
        const char* value;
        const char* character;
        const char* code;
    } cases[] = {
        {"\u00a9|&#169;", "\u00a9", "&#169;"},
        {"|", "", ""},
        {"", "", ""},
        {"|&amp;", "", ""},
        {"x|a|b", "x", "a|b"},
        {"x|", "x", ""},
        {"x", "x", ""},
    };
    for (const auto& c : cases) {
        const SpecialCharacters::Slot slot = SpecialCharacters::parseValue(QString::fromUtf8(c.value));
        EXPECT_EQ(slot.character, QString::fromUtf8(c.character)) << c.value;
        EXPECT_EQ(slot.code, QString::fromUtf8(c.code)) << c.value;
    }
    EXPECT_EQ(SpecialCharacters::storedValue({QStringLiteral("&"), QStringLiteral("&amp;")}), QStringLiteral("&|&amp;"));
    EXPECT_EQ(SpecialCharacters::storedValue({QStringLiteral("x"), QString()}), QStringLiteral("|"));
    EXPECT_EQ(SpecialCharacters::storedValue({QString(), QStringLiteral("&amp;")}), QStringLiteral("|"));
}

TEST(SpecialCharacters, FirstReadWritesExactlyTheDefaults)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    const QList<SpecialCharacters::Slot> entries = SpecialCharacters::read(settings);
    ASSERT_EQ(entries.size(), 19);
    settings.beginGroup(QStringLiteral("SpecialCharacters"));
    QStringList keys = settings.childKeys();
    keys.sort();
    EXPECT_EQ(keys, QStringList({QStringLiteral("Setup"), QStringLiteral("Spec1"), QStringLiteral("Spec10"),
                                 QStringLiteral("Spec2"), QStringLiteral("Spec3"), QStringLiteral("Spec4"),
                                 QStringLiteral("Spec5"), QStringLiteral("Spec6"), QStringLiteral("Spec7"),
                                 QStringLiteral("Spec8"), QStringLiteral("Spec9")}));
    EXPECT_EQ(settings.value(QStringLiteral("Spec3")).toString(), QStringLiteral("\u2122|&#153;"));
    EXPECT_EQ(settings.value(QStringLiteral("Spec10")).toString(), QStringLiteral("&|&amp;"));
    settings.endGroup();
    const char* const expected[] = {"\u00a9|&#169;", "\u00ae|&#174;", "\u2122|&#153;", "\u00bc|&#188;", "\u00bd|&#189;",
                                    "\u00be|&#190;", "\u00a7|&#167;", "<|&lt;", ">|&gt;", "&|&amp;"};
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(SpecialCharacters::storedValue(entries.at(i)), i < 10 ? QString::fromUtf8(expected[i]) : QStringLiteral("|"));

    // Once set up, emptied slots stay empty.
    QList<SpecialCharacters::Slot> changed = entries;
    changed[0] = {};
    changed[12] = {QStringLiteral("\u00e9"), QStringLiteral("&eacute;")};
    QString error;
    ASSERT_TRUE(SpecialCharacters::write(settings, changed, &error));
    const QList<SpecialCharacters::Slot> again = SpecialCharacters::read(settings);
    EXPECT_FALSE(again.at(0).exists());
    EXPECT_EQ(again.at(12).code, QStringLiteral("&eacute;"));
}

} // namespace
