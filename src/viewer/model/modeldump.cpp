#include "viewer/model/modeldump.h"

#include "viewer/model/fixedsections.h"
#include "viewer/model/formcontrol.h"
#include "viewer/model/section.h"
#include "viewer/model/sectionlist.h"
#include "viewer/model/table.h"

#include <cstdio>
#include <map>

namespace tessera::viewer {

namespace {

std::string hex(Color color)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%06X", color.rgb());
    return buffer;
}

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == kImagePlaceholder)
            out += "[img]";
        else if (c == kControlPlaceholder)
            out += "[ctl]";
        else if (c == '"')
            out += "\\\"";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else
            out.push_back(c);
    }
    return out + "\"";
}

const char* justifyName(Justify justify)
{
    switch (justify) {
    case Justify::Center:
        return "center";
    case Justify::Right:
        return "right";
    default:
        return "left";
    }
}

const char* controlName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Hidden: return "hidden";
    case ControlKind::Edit: return "edit";
    case ControlKind::Button: return "button";
    case ControlKind::RadioButton: return "radio";
    case ControlKind::CheckBox: return "checkbox";
    case ControlKind::ListBox: return "listbox";
    case ControlKind::Combo: return "combo";
    case ControlKind::TextArea: return "textarea";
    }
    return "?";
}

class Dumper {
public:
    Dumper(const TSectionList& document, const DumpOptions& options) : m_doc(document), m_options(options) {}

    void cell(const TCell& cell, int depth)
    {
        for (const auto& section : cell.sections())
            this->section(*section, depth);
    }

    std::string& out() { return m_out; }

    std::string fontText(const TFontObj& fontObj) const
    {
        const TMyFont& font = fontObj.font();
        std::string s;
        if (font.name != m_doc.fontName())
            s += "'" + font.name + "' ";
        s += std::to_string(font.normalSize);
        if (font.size != font.normalSize)
            s += "/" + std::to_string(font.size);
        if (font.bold)
            s += " b";
        if (font.italic)
            s += " i";
        if (font.underline)
            s += " u";
        if (font.fixed)
            s += " fixed";
        if (fontObj.verticalOffset == VerticalOffset::Subscript)
            s += " sub";
        if (fontObj.verticalOffset == VerticalOffset::Superscript)
            s += " sup";
        if (font.color != m_doc.fontColor())
            s += " " + hex(font.color);
        if (!fontObj.url.empty())
            s += " ->" + fontObj.url.str();
        return s;
    }

private:
    void line(int depth, const std::string& text)
    {
        m_out.append(static_cast<std::size_t>(depth) * 2, ' ');
        m_out += text;
        m_out += '\n';
    }

    std::string range(const TSectionBase& section) const
    {
        if (!m_options.sources)
            return std::string();
        return " [" + std::to_string(section.source().begin) + "," + std::to_string(section.source().end) + ")";
    }

    void section(const TSectionBase& base, int depth)
    {
        switch (base.kind()) {
        case SectionKind::ParagraphSpace:
            line(depth, "para" + range(base));
            return;
        case SectionKind::BlankLine: {
            const auto& blank = static_cast<const TBlankLine&>(base);
            line(depth, "blank" + (blank.listLevel() > 0 ? " L" + std::to_string(blank.listLevel()) : std::string())
                            + (blank.clear() != ClearKind::None ? " clear" : "") + range(base));
            return;
        }
        case SectionKind::HeadingSpace:
            line(depth, "headspace " + std::to_string(static_cast<const THeadingSpace&>(base).level()) + range(base));
            return;
        case SectionKind::HorzLine: {
            const auto& rule = static_cast<const THorzLine&>(base);
            std::string width = rule.width() < 0 ? "full" : std::to_string(rule.width()) + (rule.percent() ? "%" : "px");
            line(depth, "hr " + std::to_string(rule.thickness()) + " " + width + (rule.noShade() ? " noshade" : "")
                            + range(base));
            return;
        }
        case SectionKind::Table:
            table(static_cast<const ThtmlTable&>(base), depth);
            return;
        default:
            textSection(static_cast<const TSection&>(base), depth);
        }
    }

    void textSection(const TSection& section, int depth)
    {
        std::string head;
        switch (section.kind()) {
        case SectionKind::PreFormated:
            head = "pre";
            break;
        case SectionKind::UListItem:
            head = section.plain() ? "li plain" : "li";
            break;
        case SectionKind::OListItem:
            head = "li #" + std::to_string(section.itemNumber());
            break;
        case SectionKind::DListItem:
            head = static_cast<const TDListItem&>(section).isDefinition() ? "dd" : "dt";
            break;
        default:
            head = "text";
        }
        if (section.listLevel() > 0)
            head += " L" + std::to_string(section.listLevel());
        if (section.kind() != SectionKind::PreFormated && section.justify() != Justify::Left)
            head += std::string(" ") + justifyName(section.justify());
        if (section.clear() != ClearKind::None)
            head += " clear=" + std::to_string(static_cast<int>(section.clear()));
        line(depth, head + " " + quoted(section.text()) + range(section));
        if (m_options.fonts) {
            std::string fonts = "fonts";
            for (const TFontObj& font : section.fonts().items())
                fonts += " @" + std::to_string(font.position) + "{" + fontText(font) + "}";
            line(depth + 1, fonts);
        }
        for (const auto& image : section.images()) {
            std::string s = "img @" + std::to_string(image->position()) + " " + quoted(image->source());
            if (!image->alt().empty())
                s += " alt=" + quoted(image->alt());
            if (image->specifiedWidth() || image->specifiedHeight())
                s += " " + std::to_string(image->specifiedWidth()) + "x" + std::to_string(image->specifiedHeight());
            static const char* kAligns[] = {"top", "middle", "bottom", "left", "right"};
            s += std::string(" ") + kAligns[static_cast<int>(image->align())];
            if (image->noBorder())
                s += " noborder";
            if (image->transparent())
                s += " transp";
            if (image->isMap())
                s += " ismap";
            if (image->useMap())
                s += " usemap=" + image->mapName();
            line(depth + 1, s);
        }
        for (const auto& control : section.formControls())
            line(depth + 1, "control @" + std::to_string(control->position()) + " " + controlName(control->kind()) + " "
                                + quoted(control->name()));
        if (m_options.runs) {
            std::string runs = "runs";
            for (const TextRun& run : section.runs())
                runs += " " + std::to_string(run.textPos) + "+" + std::to_string(run.length) + "@["
                    + std::to_string(run.source.begin) + "," + std::to_string(run.source.end) + ")";
            line(depth + 1, runs);
        }
    }

    void table(const ThtmlTable& table, int depth)
    {
        std::string head = "table";
        if (table.border())
            head += " border";
        if (table.justify() != Justify::Left)
            head += std::string(" ") + justifyName(table.justify());
        if (table.specifiedWidth())
            head += " width=" + std::to_string(table.specifiedWidth()) + (table.widthPercent() ? "%" : "");
        head += " pad=" + std::to_string(table.cellPadding()) + " space=" + std::to_string(table.cellSpacing());
        if (table.hasBackground())
            head += " bg=" + hex(table.background());
        if (table.hasBorderColor())
            head += " bordercolor=" + hex(table.borderColor());
        line(depth, head + range(table));
        auto cellLine = [&](const TCellObj& cell, const std::string& name) {
            std::string s = name;
            if (cell.colSpan() != 1 || cell.rowSpan() != 1)
                s += " span=" + std::to_string(cell.colSpan()) + "x" + std::to_string(cell.rowSpan());
            if (cell.vAlign() != VAlign::Middle)
                s += cell.vAlign() == VAlign::Top ? " top" : " bottom";
            if (cell.specifiedWidth())
                s += " width=" + std::to_string(cell.specifiedWidth()) + (cell.widthPercent() ? "%" : "");
            if (cell.hasBackground())
                s += " bg=" + hex(cell.background());
            line(depth + 2, s);
            this->cell(cell.cell(), depth + 3);
        };
        if (table.caption()) {
            line(depth + 1, table.captionOnTop() ? "caption top" : "caption bottom");
            this->cell(table.caption()->cell(), depth + 2);
        }
        for (const TCellList& row : table.rows()) {
            line(depth + 1, "row");
            for (const auto& cell : row) {
                if (cell)
                    cellLine(*cell, "cell");
                else
                    line(depth + 2, "slot");
            }
        }
    }

    const TSectionList& m_doc;
    const DumpOptions& m_options;
    std::string m_out;
};

} // namespace

std::string dumpModel(const TSectionList& document, const TNameList* names, const DumpOptions& options)
{
    Dumper dumper(document, options);
    dumper.cell(document, 0);
    if (!options.documentInfo)
        return dumper.out();
    std::string& out = dumper.out();
    for (const auto& form : document.forms()) {
        out += "form " + quoted(form->method()) + " " + quoted(form->action()) + "\n";
        for (const auto& control : form->controls()) {
            out += "  " + std::string(controlName(control->kind())) + " " + quoted(control->name()) + "="
                + quoted(control->value());
            switch (control->kind()) {
            case ControlKind::Edit: {
                const auto& edit = static_cast<const TEditFormControlObj&>(*control);
                out += " size=" + std::to_string(edit.size());
                if (edit.maxLength())
                    out += " max=" + std::to_string(edit.maxLength());
                if (edit.password())
                    out += " password";
                break;
            }
            case ControlKind::Button: {
                const auto& button = static_cast<const TButtonFormControlObj&>(*control);
                out += std::string(button.isSubmit() ? " submit " : " reset ") + quoted(button.label());
                break;
            }
            case ControlKind::RadioButton:
            case ControlKind::CheckBox:
                if (static_cast<const TCheckableFormControlObj&>(*control).checked())
                    out += " checked";
                break;
            case ControlKind::ListBox:
            case ControlKind::Combo: {
                const auto& select = static_cast<const TSelectFormControlObj&>(*control);
                if (select.multiple())
                    out += " multiple";
                if (select.rows() > 1)
                    out += " rows=" + std::to_string(select.rows());
                for (std::size_t i = 0; i < select.options().size(); ++i) {
                    const TOptionObj& option = select.options()[i];
                    out += " " + quoted(option.text);
                    if (option.hasValue)
                        out += "=" + quoted(option.value);
                    if (select.isSelected(static_cast<int>(i)))
                        out += "*";
                }
                break;
            }
            case ControlKind::TextArea: {
                const auto& area = static_cast<const TTextAreaFormControlObj&>(*control);
                out += " " + std::to_string(area.rows()) + "x" + std::to_string(area.cols());
                for (const std::string& text : area.lines())
                    out += " " + quoted(text);
                break;
            }
            case ControlKind::Hidden:
                break;
            }
            out += "\n";
        }
    }
    for (const auto& map : document.maps()) {
        out += "map " + quoted(map->name()) + "\n";
        for (const TMapArea& area : map->areas()) {
            static const char* kShapes[] = {"rect", "circle", "poly"};
            out += std::string("  ") + kShapes[static_cast<int>(area.shape)];
            for (std::size_t i = 0; i < area.coords.size(); ++i)
                out += (i ? "," : " ") + std::to_string(area.coords[i]);
            out += " -> " + quoted(area.href) + "\n";
        }
    }
    if (names) {
        for (const AnchorName& anchor : names->items()) {
            auto section = anchor.section ? dynamic_cast<const TSection*>(anchor.section) : nullptr;
            out += "anchor " + anchor.name + " in " + (section ? quoted(section->text()) : std::string("?")) + "\n";
        }
    }
    if (document.fontColor() != colors::kButtonText || document.linkColor() != colors::kBlue
        || document.background() != colors::kButtonFace || !document.backgroundImageName().empty())
        out += "colors text=" + hex(document.fontColor()) + " link=" + hex(document.linkColor()) + " bg="
            + hex(document.background()) + (document.backgroundImageName().empty() ? "" : " image=" + quoted(document.backgroundImageName())) + "\n";
    return out;
}

} // namespace tessera::viewer
