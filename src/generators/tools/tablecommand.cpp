#include "generators/tools/commands.h"

#include "generators/builders/definitionfile.h"
#include "generators/builders/tablelines.h"

namespace tessera::gen {

using namespace tessera::generators;

// What "Insert and Return" puts into the page for a saved table definition.
std::string tableCommand(const std::vector<std::string>& words)
{
    const Arguments arguments(words, {});
    const std::string& path = arguments.onlyFile();
    TableLines table;
    table.load(decodeDefinitionFile(readDefinitionBytes(path)));
    const ReadBack<TableAttributes> attributes = table.readTableAttributes();
    if (!attributes.value)
        throw InputError(path + ": not a table definition: " + attributes.error);
    return joinWith(table.insertFormLines(), arguments.lineEnd());
}

} // namespace tessera::gen
