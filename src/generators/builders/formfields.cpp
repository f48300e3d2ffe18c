#include "generators/builders/formfields.h"

#include "generators/builders/definitionfile.h"
#include "generators/builders/generatorhelpers.h"

#include <charconv>

namespace tessera::generators {

namespace {

constexpr char separator = '|';

class FieldReader {
public:
    explicit FieldReader(std::string_view line) : m_line(line) {}

    std::string text(int index) const { return fieldOf(m_line, separator, index); }
    bool flag(int index) const { return text(index) == "1"; }
    int number(int index, int fallback) const
    {
        const std::string field = text(index);
        std::string_view digits = field;
        while (!digits.empty() && digits.front() == ' ')
            digits.remove_prefix(1);
        while (!digits.empty() && digits.back() == ' ')
            digits.remove_suffix(1);
        int value = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return error == std::errc() && end == digits.data() + digits.size() && !digits.empty() ? value : fallback;
    }

private:
    std::string_view m_line;
};

class LineWriter {
public:
    explicit LineWriter(std::string_view code) : m_line(code) {}
    LineWriter& text(std::string_view value)
    {
        m_line.append(1, separator).append(value);
        return *this;
    }
    LineWriter& flag(bool on) { return text(on ? "1" : "0"); }
    LineWriter& number(int value) { return text(std::to_string(value)); }
    std::string line() const { return m_line; }

private:
    std::string m_line;
};

bool hasSeparator(std::initializer_list<std::string_view> texts)
{
    for (std::string_view text : texts) {
        if (text.find(separator) != std::string_view::npos)
            return true;
    }
    return false;
}

} // namespace

FieldKind kindOf(const FormField& field)
{
    return static_cast<FieldKind>(field.index());
}

FormField emptyField(FieldKind kind)
{
    switch (kind) {
    case FieldKind::CheckBox: return CheckBoxField {};
    case FieldKind::RadioButton: return RadioButtonField {};
    case FieldKind::Entry: return EntryField {};
    case FieldKind::ListBox: return ListBoxField {};
    case FieldKind::TextArea: return TextAreaField {};
    case FieldKind::PageText: return PageTextField {};
    case FieldKind::Hidden: return HiddenField {};
    }
    return HiddenField {};
}

std::optional<FormField> parseFieldLine(std::string_view line)
{
    const FieldReader f(line);
    const std::string code = f.text(0);
    if (code == "CB")
        return CheckBoxField {f.text(1), f.text(2), f.text(3), f.flag(4)};
    if (code == "RG")
        return RadioButtonField {f.text(1), f.text(2), f.text(3), f.flag(4)};
    if (code == "DE")
        return EntryField {f.text(1), f.text(2), f.number(3, defaultEntryLength), f.flag(4)};
    if (code == "LB") {
        ListBoxField box {f.text(1), f.text(2), f.flag(3), f.flag(4), f.number(5, defaultVisibleItems), {}};
        for (int index = 6;; ++index) {
            std::string item = f.text(index);
            if (item.empty())
                break;
            box.items.push_back(std::move(item));
        }
        return box;
    }
    if (code == "TA")
        return TextAreaField {f.text(1), f.text(2), f.number(3, defaultTextAreaColumns), f.number(4, defaultTextAreaRows)};
    if (code == "PT")
        return PageTextField {f.flag(1), f.flag(2), f.flag(3), f.flag(4), f.number(5, defaultFontSize), f.text(6)};
    if (code == "HD")
        return HiddenField {f.text(1), f.text(2)};
    return std::nullopt;
}

std::string formatFieldLine(const FormField& field)
{
    return std::visit(
        Overloaded {
            [](const CheckBoxField& c) { return LineWriter("CB").text(c.name).text(c.value).text(c.caption).flag(c.checked).line(); },
            [](const RadioButtonField& r) {
                return LineWriter("RG").text(r.group).text(r.value).text(r.caption).flag(r.checked).line();
            },
            [](const EntryField& e) { return LineWriter("DE").text(e.name).text(e.caption).number(e.length).flag(e.password).line(); },
            [](const ListBoxField& l) {
                LineWriter writer("LB");
                writer.text(l.name).text(l.caption).flag(l.sorted).flag(l.multiple).number(l.visible);
                for (const std::string& item : l.items)
                    writer.text(item);
                // Every item is followed by a separator, so the line always ends with one.
                return writer.line() + separator;
            },
            [](const TextAreaField& t) { return LineWriter("TA").text(t.name).text(t.caption).number(t.columns).number(t.rows).line(); },
            [](const PageTextField& p) {
                return LineWriter("PT").flag(p.bold).flag(p.italics).flag(p.underlined).flag(p.preformatted).number(p.size).text(p.text).line();
            },
            [](const HiddenField& h) { return LineWriter("HD").text(h.name).text(h.value).line(); },
        },
        field);
}

bool hasFieldSeparator(const FormField& field)
{
    return std::visit(
        Overloaded {
            [](const CheckBoxField& c) { return hasSeparator({c.name, c.value, c.caption}); },
            [](const RadioButtonField& r) { return hasSeparator({r.group, r.value, r.caption}); },
            [](const EntryField& e) { return hasSeparator({e.name, e.caption}); },
            [](const ListBoxField& l) {
                bool found = hasSeparator({l.name, l.caption});
                for (const std::string& item : l.items)
                    found = found || hasSeparator({item});
                return found;
            },
            [](const TextAreaField& t) { return hasSeparator({t.name, t.caption}); },
            [](const PageTextField& p) { return hasSeparator({p.text}); },
            [](const HiddenField& h) { return hasSeparator({h.name, h.value}); },
        },
        field);
}

FormDefinition parseFormDefinition(const std::vector<std::string>& lines)
{
    FormDefinition definition;
    for (const std::string& line : lines) {
        if (std::optional<FormField> field = parseFieldLine(line))
            definition.fields.push_back(std::move(*field));
        else
            ++definition.skippedLines;
    }
    return definition;
}

FormDefinition readFormDefinition(std::string_view bytes)
{
    return parseFormDefinition(decodeDefinitionFile(bytes));
}

std::string writeFormDefinition(const std::vector<FormField>& fields)
{
    std::vector<std::string> lines;
    lines.reserve(fields.size());
    for (const FormField& field : fields)
        lines.push_back(formatFieldLine(field));
    return encodeDefinitionFile(lines);
}

} // namespace tessera::generators
