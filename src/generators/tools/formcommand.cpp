#include "generators/tools/commands.h"

#include "generators/builders/definitionfile.h"
#include "generators/builders/formlines.h"

namespace tessera::gen {

using namespace tessera::generators;

// What "&Build" makes of a saved field list with the dialog's texts and check boxes.
std::string formCommand(const std::vector<std::string>& words)
{
    const Arguments arguments(words, {{"--submit", "--reset", "--mailto"}, {"--preformat", "--table"}});
    const std::string& path = arguments.onlyFile();
    const std::vector<std::string> lines = decodeDefinitionFile(readDefinitionBytes(path));
    const FormDefinition definition = parseFormDefinition(lines);
    // The wizard skips what it cannot read and says so; a script is better told the file is damaged.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty() && !parseFieldLine(lines[i]))
            throw InputError(path + ": not a form definition: line " + std::to_string(i + 1) + " is no field");
    }
    if (definition.fields.empty())
        throw InputError(path + ": not a form definition: it holds no fields");
    const FormTexts defaults;
    const FormTexts texts {arguments.valueOr("--submit", defaults.submit), arguments.valueOr("--reset", defaults.reset),
                           arguments.valueOr("--mailto", defaults.mailTo)};
    const FormLayout layout {arguments.has("--preformat"), arguments.has("--table")};
    return joinWith(buildFormLines(definition.fields, texts, layout), arguments.lineEnd());
}

} // namespace tessera::gen
