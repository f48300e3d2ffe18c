#include "projects/model/projectoutline.h"

#include <algorithm>

namespace {

// A UTF-16 code unit moved so that units compare in code point order, which is the order of the
// texts' UTF-8 bytes: surrogates (astral characters) go above U+E000..U+FFFF.
char16_t inCodePointOrder(char16_t unit)
{
    if (unit >= 0xE000)
        return char16_t(unit - 0x800);
    if (unit >= 0xD800)
        return char16_t(unit + 0x2000);
    return unit;
}

// Whether `a` comes at or after `b` byte by byte in UTF-8, without converting either.
bool atOrAfter(QStringView a, QStringView b)
{
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (mismatch.second == b.end())
        return true;
    if (mismatch.first == a.end())
        return false;
    return inCodePointOrder(mismatch.first->unicode()) > inCodePointOrder(mismatch.second->unicode());
}

} // namespace

bool ProjectOutline::contains(const OutlinePosition& position) const
{
    if (position.project < 0 || position.project >= projectCount())
        return false;
    return position.page < project(position.project).pages.size();
}

QString ProjectOutline::text(const OutlinePosition& position) const
{
    if (!contains(position))
        return {};
    const OutlineProject& owner = project(position.project);
    return position.isPage() ? owner.pages.at(position.page) : owner.text;
}

OutlinePosition ProjectOutline::appendProject(const QString& text)
{
    m_projects.push_back({text, {}});
    return {projectCount() - 1, -1};
}

OutlinePosition ProjectOutline::insertPage(int project, const QString& text)
{
    QStringList& pages = m_projects.at(size_t(project)).pages;
    // Ordinal order of the stored bytes, whatever the letters' case or the locale.
    const auto place =
        std::find_if(pages.begin(), pages.end(), [&text](const QString& page) { return atOrAfter(page, text); });
    const int index = int(place - pages.begin());
    pages.insert(index, text);
    return {project, index};
}

OutlinePosition ProjectOutline::appendPage(int project, const QString& text)
{
    QStringList& pages = m_projects.at(size_t(project)).pages;
    pages.append(text);
    return {project, int(pages.size()) - 1};
}

void ProjectOutline::removePage(const OutlinePosition& position)
{
    if (position.isPage() && contains(position))
        m_projects.at(size_t(position.project)).pages.removeAt(position.page);
}

void ProjectOutline::removeProject(int project)
{
    if (project >= 0 && project < projectCount())
        m_projects.erase(m_projects.begin() + project);
}

bool ProjectOutline::projectHasPage(int project, const QString& text) const
{
    return project >= 0 && project < projectCount() && this->project(project).pages.contains(text);
}
