#include "generators/tools/commands.h"

#include "generators/builders/calendarlines.h"
#include "generators/builders/generatorhelpers.h"

#include <algorithm>
#include <array>
#include <cctype>

#include <langinfo.h>
#include <locale.h>

namespace tessera::gen {

using namespace tessera::generators;

namespace {

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

int weekdayNamed(const std::string& name)
{
    static const std::array<std::string, 7> days = {"sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday"};
    const std::string wanted = lowered(name);
    for (int day = 0; day < 7; ++day) {
        if (wanted.size() >= 3 && days[static_cast<std::size_t>(day)].starts_with(wanted))
            return day;
    }
    throw InputError("--first-day must name a day of the week, not \"" + name + "\"");
}

std::string alignment(const Arguments& arguments, const std::string& option)
{
    const std::string value = lowered(arguments.valueOr(option, "none"));
    if (value != "none" && value != "left" && value != "center" && value != "right")
        throw InputError(option + " must be none, left, center or right, not \"" + value + "\"");
    return value;
}

std::string colour(const Arguments& arguments, const std::string& option)
{
    const std::optional<std::string> value = arguments.value(option);
    if (!value)
        return {};
    const std::optional<Rgb> rgb = hexToColour(*value);
    if (!rgb || value->empty())
        throw InputError(option + " must be six hexadecimal digits RRGGBB, not \"" + *value + "\"");
    return colourToHex(*rgb);
}

// The short day names, Sunday first, of a locale installed on this system.
std::array<std::string, 7> dayNamesIn(const std::string& name)
{
    const locale_t locale = newlocale(LC_TIME_MASK, name.c_str(), locale_t(nullptr));
    if (!locale)
        throw InputError("--locale: this system has no locale named \"" + name + "\"");
    std::array<std::string, 7> names;
    for (int day = 0; day < 7; ++day)
        names[static_cast<std::size_t>(day)] = nl_langinfo_l(ABDAY_1 + day, locale);
    freelocale(locale);
    return names;
}

} // namespace

// The calendar "Calendar Rivi Roz" inserts for a month; day names in English unless a locale is named.
std::string calendarCommand(const std::vector<std::string>& words)
{
    const Arguments arguments(words, {{"--month", "--year", "--first-day", "--table-align", "--date-align", "--heading-color",
                                       "--table-color", "--text-color", "--locale"},
                                      {"--links"}});
    if (!arguments.positional().empty())
        throw UsageError("calendar reads no file");
    const std::optional<int> month = arguments.number("--month", 1, 12);
    const std::optional<int> year = arguments.number("--year", minCalendarYear, maxCalendarYear);
    if (!month || !year)
        throw UsageError("calendar needs --month and --year");
    CalendarSpec spec;
    spec.month = {*year, *month};
    spec.firstWeekday = weekdayNamed(arguments.valueOr("--first-day", "Sunday"));
    spec.tableAlignment = alignment(arguments, "--table-align");
    spec.dateAlignment = alignment(arguments, "--date-align");
    spec.headingColour = colour(arguments, "--heading-color");
    spec.tableColour = colour(arguments, "--table-color");
    spec.textColour = colour(arguments, "--text-color");
    spec.pageLinks = arguments.has("--links");
    if (const std::optional<std::string> locale = arguments.value("--locale"))
        spec.dayNames = dayNamesIn(*locale);
    return joinWith(buildCalendar(spec), arguments.lineEnd());
}

} // namespace tessera::gen
