#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Where an entry sits: a project alone (page -1), or a page of a project.
struct OutlinePosition {
    int project = -1;
    int page = -1;

    bool isValid() const { return project >= 0; }
    bool isProject() const { return project >= 0 && page < 0; }
    bool isPage() const { return project >= 0 && page >= 0; }
    bool operator==(const OutlinePosition&) const = default;
};

struct OutlineProject {
    QString text;
    QStringList pages;
};

// The two-level list of projects and their pages. Projects keep the order they were added in;
// pages are kept sorted by their whole text, byte by byte, as AddThePage places them.
class ProjectOutline {
public:
    bool isEmpty() const { return m_projects.empty(); }
    int projectCount() const { return int(m_projects.size()); }
    const OutlineProject& project(int index) const { return m_projects.at(size_t(index)); }
    const std::vector<OutlineProject>& projects() const { return m_projects; }
    bool contains(const OutlinePosition& position) const;
    // The entry's text; empty for a position outside the outline.
    QString text(const OutlinePosition& position) const;

    OutlinePosition appendProject(const QString& text);
    // Before the first page whose text is greater than or equal to `text`, else at the end.
    OutlinePosition insertPage(int project, const QString& text);
    OutlinePosition appendPage(int project, const QString& text);
    void removePage(const OutlinePosition& position);
    void removeProject(int project);
    bool projectHasPage(int project, const QString& text) const;

    bool operator==(const ProjectOutline&) const = default;

private:
    std::vector<OutlineProject> m_projects;
};
