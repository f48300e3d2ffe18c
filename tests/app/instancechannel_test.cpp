#include "app/instancechannel.h"

#include <QEventLoop>
#include <QFile>
#include <QLocalServer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using InstanceChannel::Handover;

// The running instance lives in a thread of its own here, as it would in another process.
class RunningInstance {
public:
    explicit RunningInstance(const QString& name, bool answers = true)
        : m_thread([this, name, answers] { run(name, answers); })
    {
        while (!m_ready)
            std::this_thread::yield();
    }
    ~RunningInstance()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

    bool listening() const { return m_listening; }
    // An answering instance ends after the first hand-over: what it received.
    QStringList finish()
    {
        m_thread.join();
        return m_received;
    }

private:
    void run(const QString& name, bool answers)
    {
        QEventLoop loop;
        if (answers) {
            InstanceServer server;
            m_listening = server.listen(name);
            QObject::connect(&server, &InstanceServer::filesReceived, [this, &loop](const QStringList& files) {
                m_received = files;
                loop.quit();
            });
            m_ready = true;
            // A hand-over that never comes must not hang the test.
            QTimer::singleShot(5000, &loop, &QEventLoop::quit);
            if (m_listening)
                loop.exec();
        } else {
            // Holds the name and takes connections into its backlog, but never reads them.
            QLocalServer mute;
            m_listening = mute.listen(name);
            m_ready = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
        }
    }

    std::atomic<bool> m_ready = false;
    std::atomic<bool> m_listening = false;
    QStringList m_received;
    std::thread m_thread;
};

TEST(InstanceChannel, aSecondStartHandsItsFilesToTheRunningOneInOrder)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("instance"));
    const QStringList files{QStringLiteral("/home/u/site/index.htm"), QStringLiteral("/home/u/b/página con espacio.html"),
                            QStringLiteral("/c/third.htm")};
    RunningInstance running(name);
    ASSERT_TRUE(running.listening());
    EXPECT_EQ(InstanceChannel::sendToRunning(files, name), Handover::Delivered);
    EXPECT_EQ(running.finish(), files);

    RunningInstance again(name);
    ASSERT_TRUE(again.listening());
    EXPECT_EQ(InstanceChannel::sendToRunning({}, name), Handover::Delivered) << "a start without files raises the window";
    EXPECT_EQ(again.finish(), QStringList());
}

TEST(InstanceChannel, withoutARunningOneThisStartIsTheInstance)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("instance"));
    EXPECT_EQ(InstanceChannel::sendToRunning({QStringLiteral("/x.htm")}, name), Handover::NoInstance);

    // What a crashed run leaves behind is no instance either, and the name can be taken.
    QFile leftover(name);
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    EXPECT_EQ(InstanceChannel::sendToRunning({}, name), Handover::NoInstance);
    InstanceServer server;
    EXPECT_TRUE(server.listen(name)) << server.errorString().toStdString();
}

TEST(InstanceChannel, anInstanceThatDoesNotAnswerIsReportedAsSuch)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("instance"));
    RunningInstance mute(name, false);
    ASSERT_TRUE(mute.listening());
    EXPECT_EQ(InstanceChannel::sendToRunning({QStringLiteral("/x.htm")}, name, 150), Handover::NoAnswer);
}

} // namespace
