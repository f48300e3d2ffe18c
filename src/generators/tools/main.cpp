// tessera-gen: the generators' HTML from their saved definition files, without a display.

#include "generators/tools/commands.h"

#include <cstdio>
#include <functional>
#include <iostream>
#include <map>

namespace {

const char* const usage =
    "usage: tessera-gen table FILE.tbl [--lf]\n"
    "       tessera-gen form FILE.frm [--submit TEXT] [--reset TEXT] [--mailto ADDRESS] [--preformat] [--table] [--lf]\n"
    "       tessera-gen frames FILE.set [--title TEXT] [--no-noframes] [--lf]\n"
    "       tessera-gen calendar --month M --year Y [--first-day NAME] [--table-align A] [--date-align A]\n"
    "                   [--heading-color RRGGBB] [--table-color RRGGBB] [--text-color RRGGBB] [--links]\n"
    "                   [--locale NAME] [--lf]\n"
    "Output is UTF-8 with CR LF line ends (LF with --lf).\n";

int fail(int code, const std::string& message)
{
    std::cerr << "tessera-gen: " << message << '\n';
    if (code == 2)
        std::cerr << usage;
    return code;
}

} // namespace

int main(int argc, char** argv)
{
    using Command = std::function<std::string(const std::vector<std::string>&)>;
    const std::map<std::string, Command> commands = {
        {"table", tessera::gen::tableCommand},
        {"form", tessera::gen::formCommand},
        {"frames", tessera::gen::framesCommand},
        {"calendar", tessera::gen::calendarCommand},
    };
    if (argc < 2)
        return fail(2, "a command is needed");
    const auto command = commands.find(argv[1]);
    if (command == commands.end())
        return fail(2, std::string("unknown command ") + argv[1]);
    try {
        const std::string output = command->second(std::vector<std::string>(argv + 2, argv + argc));
        std::cout.write(output.data(), static_cast<std::streamsize>(output.size()));
        std::cout.flush();
        if (!std::cout)
            return fail(1, "the output could not be written");
        return 0;
    } catch (const tessera::gen::UsageError& error) {
        return fail(2, error.what());
    } catch (const tessera::gen::InputError& error) {
        return fail(1, error.what());
    }
}
