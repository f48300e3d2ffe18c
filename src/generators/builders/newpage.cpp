#include "generators/builders/newpage.h"

namespace tessera::generators {

namespace {

void replaceAll(std::string& text, std::string_view wanted, std::string_view replacement)
{
    if (wanted.empty())
        return;
    for (std::size_t at = text.find(wanted); at != std::string::npos; at = text.find(wanted, at + replacement.size()))
        text.replace(at, wanted.size(), replacement);
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && findIgnoringCase(a, b) == 0;
}

class PageLines {
public:
    explicit PageLines(const NewPageSpec& spec)
        : m_spec(spec)
        , m_themed(!spec.theme.empty())
    {
    }

    std::vector<std::string> build()
    {
        head();
        body();
        return std::move(m_lines);
    }

private:
    void add(std::string line) { m_lines.push_back(std::move(line)); }

    std::string themeImage(std::string_view prefix) const
    {
        return "<IMG SRC=\"" + m_spec.themesDirectory + std::string(prefix) + m_spec.theme + ".gif\">";
    }

    void head()
    {
        if (!m_spec.documentType.empty())
            add(m_spec.documentType);
        add("<HTML>");
        add("<HEAD>");
        add(wrapInTag("TITLE", m_spec.title));
        add("<META NAME=\"Keywords\" CONTENT=\"" + m_spec.keywords + "\">");
        add("<META NAME=\"Description\" CONTENT=\"" + m_spec.description + "\">");
        add("<META NAME=\"Generator\" CONTENT=\"Tessera! 2.0\">");
        add("<META NAME=\"Author\" CONTENT=\"" + m_spec.author + "\">");
        add("</HEAD>");
    }

    std::string bodyTag() const
    {
        std::string tag = "<BODY";
        const std::string background = newPageBackground(m_spec);
        if (!background.empty())
            tag += " BACKGROUND=\"" + background + "\" ";
        const std::pair<const char*, const std::string*> colours[] = {
            {"TEXT", &m_spec.textColour},
            {"LINK", &m_spec.linkColour},
            {"VLINK", &m_spec.visitedLinkColour},
            {"ALINK", &m_spec.activeLinkColour},
            {"BGCOLOR", &m_spec.backgroundColour},
        };
        for (const auto& [name, value] : colours) {
            if (!value->empty())
                tag += std::string(" ") + name + "=\"#" + *value + "\"";
        }
        if (m_spec.leftMargin >= 0)
            tag += " LEFTMARGIN=\"" + std::to_string(m_spec.leftMargin) + "\"";
        if (m_spec.rightMargin >= 0)
            tag += " RIGHTMARGIN=\"" + std::to_string(m_spec.rightMargin) + "\"";
        if (m_spec.fixedBackground)
            tag += " BGPROPERTIES=\"FIXED\" ";
        return tag + ">";
    }

    void lineImage()
    {
        if (!m_themed)
            return;
        add(themeImage(themeLinePrefix));
        add("<BR>");
    }

    void startCentre()
    {
        if (m_spec.centre)
            add("<CENTER>");
    }

    void endCentre()
    {
        if (m_spec.centre)
            add("</CENTER>");
    }

    void heading()
    {
        if (m_spec.heading.empty())
            return;
        if (m_spec.headingColour)
            add("<FONT COLOR=\"#" + colourToHex(*m_spec.headingColour) + "\">");
        add(wrapInTag("H" + std::to_string(m_spec.headingSize), m_spec.heading));
        if (m_spec.headingColour)
            add("</FONT>");
    }

    void navigationImages()
    {
        if (!m_themed)
            return;
        const std::pair<bool, std::string_view> images[] = {
            {m_spec.leftArrow, "w_"}, {m_spec.rightArrow, "e_"}, {m_spec.upArrow, "n_"},
            {m_spec.downArrow, "s_"}, {m_spec.questionMark, "q_"},
        };
        for (const auto& [checked, prefix] : images) {
            if (checked)
                add(themeImage(prefix));
        }
        add("<BR>");
    }

    void body()
    {
        add(bodyTag());
        add("<!-- " + m_spec.comments + " -- Created: " + m_spec.date + "  " + m_spec.time + " -->");
        add("");
        add("<BASEFONT SIZE=" + std::to_string(m_spec.baseFontSize) + ">");
        add("");

        startCentre();
        lineImage();
        if (!m_spec.logo.empty()) {
            add("<IMG SRC=\"" + m_spec.logo + "\">");
            add("<BR>");
        }
        heading();
        lineImage();
        endCentre();

        if (!m_spec.greeting.empty()) {
            add(m_spec.greeting);
            add("<P>");
        }
        for (const std::string& line : m_spec.otherInformation)
            add(line);
        add("<P>");

        startCentre();
        lineImage();
        if (!m_spec.email.empty())
            add("<a href=\"mailto:" + lowerAscii(m_spec.email) + "\">" + m_spec.emailCaption + "</a><p>");
        add("<BR>");
        navigationImages();
        endCentre();
        add("</BODY>");
        add("</HTML>");
    }

    static std::string lowerAscii(std::string text)
    {
        for (char& c : text) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
        return text;
    }

    const NewPageSpec& m_spec;
    const bool m_themed;
    std::vector<std::string> m_lines;
};

} // namespace

std::string newPageBackground(const NewPageSpec& spec)
{
    if (!spec.theme.empty() && spec.background.empty())
        return spec.themesDirectory + std::string(themeBackgroundPrefix) + spec.theme + ".gif";
    return spec.background;
}

std::vector<std::string> buildNewPage(const NewPageSpec& spec)
{
    return PageLines(spec).build();
}

std::vector<std::string> pageLinesBesidePictures(std::vector<std::string> lines, std::string_view themesDirectory,
                                                 std::string_view background, std::string_view logo)
{
    const std::string backgroundName = fileNameOf(background);
    const std::string logoName = fileNameOf(logo);
    for (std::string& line : lines) {
        replaceAll(line, themesDirectory, "");
        replaceAll(line, background, backgroundName);
        replaceAll(line, logo, logoName);
    }
    return lines;
}

std::string fileNameOf(std::string_view path)
{
    const std::size_t separator = path.find_last_of("/\\");
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

bool isThemeFile(std::string_view fileName, std::string_view theme)
{
    const std::string wanted = std::string(theme) + ".gif";
    return !theme.empty() && fileName.size() == 2 + wanted.size() && equalIgnoringCase(fileName.substr(2), wanted);
}

} // namespace tessera::generators
