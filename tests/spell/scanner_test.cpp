// The words a check looks at: markup skipped, character references read as letters, the
// typographic apostrophe, letters outside the dictionaries' code page, and replacements written
// back the way the page wrote the word.

#include "spell/engine/wordscanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessera::spell {
namespace {

// The words of `lines` as "text" or, where the source differs, "text=source", joined by "|".
std::string scan(const std::vector<std::string>& lines, bool skipHtml)
{
    WordScanner scanner(skipHtml);
    std::string out;
    for (const std::string& line : lines) {
        std::size_t position = 0;
        WordSpan word;
        while (scanner.next(line, position, word)) {
            const std::string source = line.substr(word.begin, word.end - word.begin);
            out += (out.empty() ? "" : "|") + word.text + (source == word.text ? "" : "=" + source);
        }
    }
    return out;
}

TEST(WordScanner, ReadsWhatAReaderOfThePageReads)
{
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        bool skipHtml;
        std::string words;
    };
    const Case cases[] = {
        {"letter reference inside a word", {"Caf&eacute; au lait"}, true, "Café=Caf&eacute;|au|lait"},
        {"numeric references", {"na&#239;ve &#x4E;o"}, true, "naïve=na&#239;ve|No=&#x4E;o"},
        {"references that are not letters separate words", {"a&nbsp;b &amp; c&copy;d AT&amp;T"}, true,
         "a|b|c|d|AT|T"},
        {"an unknown or unfinished reference is no letter", {"x&bogus;y &eacute"}, true, "x|bogus|y|eacute"},
        {"without HTML skipping references are text", {"Caf&eacute;"}, false, "Caf|eacute"},
        {"script and style are not prose", {"one<SCRIPT>var teh = 1;</SCRIPT>two<style>p{colr:red}</STYLE>three"},
         true, "one|two|three"},
        {"a script over several lines", {"<script type=\"x\">", "if (teh) wrte();", "</script> after"}, true,
         "after"},
        {"comments are not prose", {"<!-- nott", "prose --> yes <!--x-->"}, true, "yes"},
        {"a script without skipping is read", {"<script>teh</script>"}, false, "script|teh|script"},
        {"typographic apostrophe", {"isn\u2019t it"}, true, "isn't=isn\u2019t|it"},
        {"capitals outside the old code page", {"CH\u00C2TEAU \u00C9T\u00C9"}, false,
         "CH\u00C2TEAU|\u00C9T\u00C9"},
        {"letters of other scripts stay in the word", {"\u0141\u00F3d\u017A na\u00EFve"}, false,
         "\u0141\u00F3d\u017A|na\u00EFve"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scan(c.lines, c.skipHtml), c.words) << c.name;
}

TEST(WordScanner, ReplacementsKeepTheFormOfThePage)
{
    struct Case {
        std::string replacement;
        std::string source;
        std::string written;
    };
    const Case cases[] = {
        {"Café", "Caf&eacute;", "Caf&eacute;"},
        {"Café", "Cafe", "Café"},
        {"naïve", "na&#239;ve", "na&iuml;ve"},
        {"Łódź", "&Oacute;dz", "&#321;&oacute;d&#378;"},
        {"isn't", "isn\u2019t", "isn\u2019t"},
        {"isn't", "isnt", "isn't"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(inSourceForm(c.replacement, c.source), c.written) << c.source;
}

} // namespace
} // namespace tessera::spell
