#include "generators/builders/formfields.h"

#include <gtest/gtest.h>

using namespace tessera::generators;

namespace {

std::vector<std::string> linesOf(const std::vector<FormField>& fields)
{
    std::vector<std::string> lines;
    for (const FormField& field : fields)
        lines.push_back(formatFieldLine(field));
    return lines;
}

} // namespace

TEST(FormFields, EveryKindAndFlagRoundTrips)
{
    const std::vector<std::pair<FormField, std::string>> cases = {
        {CheckBoxField {"news", "yes", "Send me news", true}, "CB|news|yes|Send me news|1"},
        {CheckBoxField {"n", "", "", false}, "CB|n|||0"},
        {RadioButtonField {"size", "L", "Large", true}, "RG|size|L|Large|1"},
        {RadioButtonField {"size", "S", "Small", false}, "RG|size|S|Small|0"},
        {EntryField {"email", "E-mail:", 30, false}, "DE|email|E-mail:|30|0"},
        {EntryField {"pw", "Password:", 8, true}, "DE|pw|Password:|8|1"},
        {ListBoxField {"colour", "Colour:", false, false, 2, {"Blue", "Red"}}, "LB|colour|Colour:|0|0|2|Blue|Red|"},
        {ListBoxField {"c", "C", true, true, 0, {"a", "b"}}, "LB|c|C|1|1|0|a|b|"},
        {ListBoxField {"c", "C", false, false, 0, {}}, "LB|c|C|0|0|0|"},
        {TextAreaField {"note", "Note:", 60, 5}, "TA|note|Note:|60|5"},
        {PageTextField {true, false, false, false, 0, "Thanks!"}, "PT|1|0|0|0|0|Thanks!"},
        {PageTextField {false, true, true, true, 7, "x"}, "PT|0|1|1|1|7|x"},
        {HiddenField {"source", "web"}, "HD|source|web"},
        {CheckBoxField {"café", "ü", "Grüße €", false}, "CB|café|ü|Grüße €|0"},
    };
    for (const auto& [field, line] : cases) {
        EXPECT_EQ(formatFieldLine(field), line);
        EXPECT_EQ(parseFieldLine(line), std::optional<FormField>(field)) << line;
    }
}

TEST(FormFields, DamagedLinesReadWhatTheyCan)
{
    const std::vector<std::pair<std::string, std::optional<FormField>>> cases = {
        {"", std::nullopt},
        {"XX|a|b", std::nullopt},
        {"cb|a|b|c|1", std::nullopt},
        {" CB|a", std::nullopt},
        {"CB", CheckBoxField {}},
        {"CB|name", CheckBoxField {"name", "", "", false}},
        {"RG|g|v|c|yes", RadioButtonField {"g", "v", "c", false}},
        {"DE|n|c|wide|1", EntryField {"n", "c", defaultEntryLength, true}},
        {"DE|n|c| 12 |0", EntryField {"n", "c", 12, false}},
        {"DE|n|c|12px|0", EntryField {"n", "c", defaultEntryLength, false}},
        {"DE|n|c||0", EntryField {"n", "c", defaultEntryLength, false}},
        {"LB|n|c|1|0|lots|a|b", ListBoxField {"n", "c", true, false, defaultVisibleItems, {"a", "b"}}},
        {"LB|n|c|0|0|3|a||b|", ListBoxField {"n", "c", false, false, 3, {"a"}}},
        {"LB|n", ListBoxField {"n", "", false, false, defaultVisibleItems, {}}},
        {"TA|n|c|x|y", TextAreaField {"n", "c", defaultTextAreaColumns, defaultTextAreaRows}},
        {"PT|1|1", PageTextField {true, true, false, false, defaultFontSize, ""}},
        {"HD|n|v|extra", HiddenField {"n", "v"}},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(parseFieldLine(line), expected) << line;
}

TEST(FormFields, SeparatorInAnyTextIsFound)
{
    const std::vector<std::pair<FormField, bool>> cases = {
        {CheckBoxField {"a", "b", "c", true}, false},
        {CheckBoxField {"a", "b", "c|d", false}, true},
        {RadioButtonField {"g|", "v", "c", false}, true},
        {EntryField {"n", "|", 20, false}, true},
        {ListBoxField {"n", "c", false, false, 0, {"a", "b|c"}}, true},
        {ListBoxField {"n", "c", false, false, 0, {"a", "b"}}, false},
        {TextAreaField {"n|", "c", 1, 1}, true},
        {PageTextField {false, false, false, false, 0, "1|2"}, true},
        {HiddenField {"n", "v|w"}, true},
        {HiddenField {"n", "v"}, false},
    };
    for (const auto& [field, expected] : cases)
        EXPECT_EQ(hasFieldSeparator(field), expected) << formatFieldLine(field);
}

TEST(FormDefinitionFile, WritesWindows1252WithCrLfAndReadsItBack)
{
    const std::vector<FormField> fields = {CheckBoxField {"news", "yes", "Café", true}, HiddenField {"s", "w"}};
    const std::string bytes = writeFormDefinition(fields);
    EXPECT_EQ(bytes, "CB|news|yes|Caf\xE9|1\r\nHD|s|w\r\n");
    const FormDefinition read = readFormDefinition(bytes);
    EXPECT_EQ(read.fields, fields);
    EXPECT_EQ(read.skippedLines, 0);
}

TEST(FormDefinitionFile, KeepsUtf8WhenWindows1252CannotHoldAText)
{
    const std::vector<FormField> fields = {PageTextField {false, false, false, false, 0, "Ωmega"}};
    const std::string bytes = writeFormDefinition(fields);
    EXPECT_EQ(bytes, "PT|0|0|0|0|0|\xCE\xA9mega\r\n");
    EXPECT_EQ(readFormDefinition(bytes).fields, fields);
}

TEST(FormDefinitionFile, DamagedFilesKeepEveryReadableLineAndCountTheRest)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
        int skipped;
    };
    const std::vector<Case> cases = {
        {"HD|a|b\nCB|c|d|e|1", {"HD|a|b", "CB|c|d|e|1"}, 0},
        {"HD|a|b\r\n\r\n\r\nHD|c|d\r\n", {"HD|a|b", "HD|c|d"}, 2},
        {"<TABLE>\r\nZZ|1\r\nDE|n\r\n", {"DE|n||20|0"}, 2},
        {"TA|n|c|wide|tall\n", {"TA|n|c|40|4"}, 0},
        {"", {}, 0},
        {"\r\n", {}, 1},
    };
    for (const Case& c : cases) {
        const FormDefinition read = readFormDefinition(c.bytes);
        EXPECT_EQ(linesOf(read.fields), c.lines) << c.bytes;
        EXPECT_EQ(read.skippedLines, c.skipped) << c.bytes;
    }
}
