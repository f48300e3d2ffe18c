#pragma once

#include "workspace/pages/swapfile.h"

#include <QList>
#include <QString>

class QWidget;

enum class RecoveryAnswer { Recover, Discard, DecideLater };
enum class OutsideChangeAnswer { Reload, Overwrite, Cancel };

// The message boxes of page handling, behind an interface so that tests answer them directly.
class PagePrompts
{
public:
    virtual ~PagePrompts() = default;
    virtual void information(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    // OK/Cancel; true on OK.
    virtual bool warning(const QString& text) = 0;
    // Yes/No; true on Yes.
    virtual bool confirmation(const QString& text) = 0;
    // One answer per backup left by a run that ended without closing its pages; a missing
    // answer means "decide later".
    virtual QList<RecoveryAnswer> recover(const QList<OrphanSwapFile>& backups) = 0;
    // A page file changed by another program since the editor read or wrote it.
    virtual OutsideChangeAnswer outsideChange(const QString& text) = 0;
};

// The file choosers, likewise. Filters use the "description|patterns|..." form; an empty result
// means the user cancelled.
class PageFileDialogs
{
public:
    virtual ~PageFileDialogs() = default;
    virtual QString saveFileName(const QString& directory, const QString& fileName, const QString& filter,
                                 int filterIndex) = 0;
    virtual QString openFileName(const QString& directory, const QString& filter) = 0;
    // The open-page dialog; returns the page to open, or empty (cancelled, or an image chosen).
    virtual QString openPage(const QString& directory, const QString& filter) = 0;
};

class QtPagePrompts : public PagePrompts
{
public:
    explicit QtPagePrompts(QWidget* parent) : m_parent(parent) {}
    void information(const QString& text) override;
    void error(const QString& text) override;
    bool warning(const QString& text) override;
    bool confirmation(const QString& text) override;
    QList<RecoveryAnswer> recover(const QList<OrphanSwapFile>& backups) override;
    OutsideChangeAnswer outsideChange(const QString& text) override;

private:
    QWidget* m_parent;
};

class QtPageFileDialogs : public PageFileDialogs
{
public:
    explicit QtPageFileDialogs(QWidget* parent) : m_parent(parent) {}
    QString saveFileName(const QString& directory, const QString& fileName, const QString& filter,
                         int filterIndex) override;
    QString openFileName(const QString& directory, const QString& filter) override;
    QString openPage(const QString& directory, const QString& filter) override;

private:
    QWidget* m_parent;
};
