#include "workspace/pages/backupschedule.h"

#include <algorithm>

BackupSchedule::BackupSchedule(QObject* parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &BackupSchedule::fire);
}

void BackupSchedule::setDelays(std::chrono::milliseconds quiet, std::chrono::milliseconds longest)
{
    m_quiet = quiet;
    m_longest = longest;
}

void BackupSchedule::changed()
{
    if (!m_pendingSince.isValid())
        m_pendingSince.start();
    const std::chrono::milliseconds waited{m_pendingSince.elapsed()};
    const auto left = std::max(std::chrono::milliseconds(0), m_longest - waited);
    m_timer.start(std::min(m_quiet, left));
}

void BackupSchedule::cancel()
{
    m_timer.stop();
    m_pendingSince.invalidate();
}

void BackupSchedule::fire()
{
    cancel();
    emit due();
}
