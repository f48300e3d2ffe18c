#pragma once

// The form wizard's field definitions: one record per kind of field, each stored as one line of
// "|"-separated fields whose first is a two-letter code. A form definition file holds one such
// line per field, in form order.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tessera::generators {

inline constexpr int defaultEntryLength = 20;
inline constexpr int defaultVisibleItems = 0;
inline constexpr int defaultTextAreaColumns = 40;
inline constexpr int defaultTextAreaRows = 4;
inline constexpr int defaultFontSize = 0;

struct CheckBoxField {
    std::string name;
    std::string value;
    std::string caption;
    bool checked = false;
    bool operator==(const CheckBoxField&) const = default;
};

struct RadioButtonField {
    std::string group;
    std::string value;
    std::string caption;
    bool checked = false;
    bool operator==(const RadioButtonField&) const = default;
};

// A text field, or a password field when `password` is set.
struct EntryField {
    std::string name;
    std::string caption;
    int length = defaultEntryLength;
    bool password = false;
    bool operator==(const EntryField&) const = default;
};

struct ListBoxField {
    std::string name;
    std::string caption;
    bool sorted = false;
    bool multiple = false;
    int visible = defaultVisibleItems;
    // In the order they are stored and shown; the first is the one selected in the form.
    std::vector<std::string> items;
    bool operator==(const ListBoxField&) const = default;
};

struct TextAreaField {
    std::string name;
    std::string caption;
    int columns = defaultTextAreaColumns;
    int rows = defaultTextAreaRows;
    bool operator==(const TextAreaField&) const = default;
};

// Text shown on the page between the fields.
struct PageTextField {
    bool bold = false;
    bool italics = false;
    bool underlined = false;
    bool preformatted = false;
    int size = defaultFontSize;
    std::string text;
    bool operator==(const PageTextField&) const = default;
};

struct HiddenField {
    std::string name;
    std::string value;
    bool operator==(const HiddenField&) const = default;
};

// The alternatives are in the order of the definition dialog's pages.
using FormField = std::variant<CheckBoxField, RadioButtonField, EntryField, ListBoxField, TextAreaField, PageTextField,
                               HiddenField>;

enum class FieldKind { CheckBox, RadioButton, Entry, ListBox, TextArea, PageText, Hidden };

// Lambdas joined into one visitor, one per kind.
template<class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};

FieldKind kindOf(const FormField& field);
FormField emptyField(FieldKind kind);

// The field a line describes; nothing for an empty line or an unknown code. Missing fields
// read as empty, a flag is set only by "1", and a number that does not convert keeps the
// kind's default. A list box's items end at the first empty field.
std::optional<FormField> parseFieldLine(std::string_view line);
// The line of a field. A "|" inside a text would split it, so callers refuse such texts first
// (see hasFieldSeparator).
std::string formatFieldLine(const FormField& field);
bool hasFieldSeparator(const FormField& field);

struct FormDefinition {
    std::vector<FormField> fields;
    // Empty lines and lines with an unknown code, which were left out.
    int skippedLines = 0;
};

// The lines of a form definition file.
FormDefinition parseFormDefinition(const std::vector<std::string>& lines);
// The bytes of a form definition file (Windows-1252 or UTF-8, CR LF or LF line ends).
FormDefinition readFormDefinition(std::string_view bytes);
std::string writeFormDefinition(const std::vector<FormField>& fields);

} // namespace tessera::generators
