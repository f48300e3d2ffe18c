#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

// When to back up text that is being edited: once the edits pause for a moment, and no later
// than a longest wait while they go on, so a steady typist is never without a recent copy.
class BackupSchedule : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds defaultQuiet{2000};
    static constexpr std::chrono::milliseconds defaultLongest{30000};

    explicit BackupSchedule(QObject* parent = nullptr);
    void setDelays(std::chrono::milliseconds quiet, std::chrono::milliseconds longest);

    // An edit was made.
    void changed();
    // The text was copied by other means (saved, parked); nothing is pending any more.
    void cancel();

signals:
    void due();

private:
    void fire();

    QTimer m_timer;
    QElapsedTimer m_pendingSince;
    std::chrono::milliseconds m_quiet = defaultQuiet;
    std::chrono::milliseconds m_longest = defaultLongest;
};
