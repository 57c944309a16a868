#include "support/savechild.h"

#include "platform/qtplatform.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <csignal>

#include <grp.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace saltor::testing {

namespace {

void writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            ::_exit(3);
        done += n;
    }
}

// The child: looks up, waits for a byte on go, saves, and writes the outcome. While it waits
// it calls getppid every few milliseconds, so that a tracer can show it sees its calls.
[[noreturn]] void runChild(const QString& path, const QByteArray& bytes, bool unprivileged, int go, int outcome)
{
    ::alarm(90);
    const gid_t nobody = 65534;
    if (unprivileged && ::geteuid() == 0
        && (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0))
        ::_exit(2);
    QtPlatform platform;
    const FileStamp asked = platform.lookUpFile(path);
    writeAll(outcome, "l");
    for (;;) {
        ::getppid();
        pollfd wait{go, POLLIN, 0};
        if (::poll(&wait, 1, 5) > 0)
            break;
    }
    const WriteResult written = platform.writeFile(path, bytes, asked);
    writeAll(outcome, QByteArray(written.ok ? "1" : "0") + '\0' + written.error.toUtf8() + '\0' + written.note.toUtf8());
    ::_exit(0);
}

} // namespace

SaveChild::SaveChild(const QString& path, const QByteArray& bytes, bool unprivileged)
{
    int go[2], outcome[2];
    if (::pipe(go) != 0 || ::pipe(outcome) != 0) {
        m_reason = QStringLiteral("no pipe");
        return;
    }
    m_pid = ::fork();
    if (m_pid == 0) {
        ::close(go[1]);
        ::close(outcome[0]);
        runChild(path, bytes, unprivileged, go[0], outcome[1]);
    }
    ::close(go[0]);
    ::close(outcome[1]);
    m_go = go[1];
    m_outcome = outcome[0];
    char looked = 0;
    if (m_pid < 0 || ::read(m_outcome, &looked, 1) != 1 || looked != 'l')
        m_reason = QStringLiteral("the saving process did not start");
}

SaveChild::~SaveChild()
{
    if (m_pid > 0)
        kill();
    if (m_go >= 0)
        ::close(m_go);
    if (m_outcome >= 0)
        ::close(m_outcome);
}

bool SaveChild::go(const QString& call, int occurrence, const QString& error)
{
    // A child that did not start (one that could not become nobody) reads no go.
    if (m_pid < 0 || !m_reason.isEmpty())
        return false;
    const QString log = m_dir.filePath(QStringLiteral("strace.log"));
    if (!call.isEmpty()) {
        // Held at the call's entry for up to a minute, or until release() ends the tracer.
        m_holding = error.isEmpty();
        const QString fault = error.isEmpty() ? QStringLiteral("delay_enter=60000000") : QStringLiteral("error=") + error;
        m_strace.start(QStringLiteral("strace"),
                       {QStringLiteral("-qq"), QStringLiteral("-p"), QString::number(m_pid), QStringLiteral("-o"), log,
                        QStringLiteral("-e"), QStringLiteral("trace=getppid,") + call, QStringLiteral("-e"),
                        QStringLiteral("inject=%1:%2:when=%3").arg(call, fault).arg(occurrence)});
        if (!m_strace.waitForStarted(10000)) {
            m_reason = QStringLiteral("strace cannot be started");
            return false;
        }
    }
    // Once the tracer shows a getppid of the child, it sees every call that follows.
    const auto calls = [&](const QString& name) {
        QFile file(log);
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        int count = 0;
        for (const QByteArray& line : file.readAll().split('\n'))
            count += line.startsWith(name.toUtf8() + '(');
        return count;
    };
    QElapsedTimer waited;
    waited.start();
    while (!call.isEmpty() && calls(QStringLiteral("getppid")) == 0) {
        if (waited.elapsed() > 30000 || m_strace.state() == QProcess::NotRunning) {
            m_reason = QStringLiteral("strace sees no call of the child: ") + QString::fromLocal8Bit(m_strace.readAllStandardError());
            return false;
        }
        QThread::msleep(5);
    }
    if (::write(m_go, "g", 1) != 1)
        return false;
    while (!call.isEmpty() && error.isEmpty() && calls(call) < occurrence) {
        if (waited.elapsed() > 30000) {
            m_reason = QStringLiteral("the save made no call %1 number %2").arg(call).arg(occurrence);
            return false;
        }
        QThread::msleep(5);
    }
    return true;
}

void SaveChild::release()
{
    if (m_strace.state() == QProcess::NotRunning)
        return;
    m_strace.terminate();
    m_strace.waitForFinished(10000);
}

void SaveChild::kill()
{
    // A traced child's end reaches its parent only once its tracer has seen it.
    ::kill(m_pid, SIGKILL);
    release();
    ::waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

std::optional<WriteResult> SaveChild::result()
{
    // A held call goes on; a call that is to fail must still meet its tracer.
    if (m_holding)
        release();
    if (m_pid < 0)
        return std::nullopt;
    QByteArray outcome;
    char chunk[256];
    for (ssize_t n; (n = ::read(m_outcome, chunk, sizeof chunk)) > 0;)
        outcome.append(chunk, n);
    int status = 0;
    const bool ended = ::waitpid(m_pid, &status, 0) == m_pid;
    m_pid = -1;
    release();
    const QList<QByteArray> parts = outcome.split('\0');
    if (!ended || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || parts.size() != 3)
        return std::nullopt;
    return WriteResult{parts[0] == "1", QString::fromUtf8(parts[1]), QString::fromUtf8(parts[2])};
}

WriteResult saveNow(const QString& path, const QByteArray& bytes)
{
    QtPlatform platform;
    return platform.writeFile(path, bytes, platform.lookUpFile(path));
}

} // namespace saltor::testing
