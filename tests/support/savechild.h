#pragma once

#include "platform/platform.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <optional>

#include <sys/types.h>

namespace saltor::testing {

// A save by the program's own platform in a process of its own, so that a test can run it as
// another user, hold it at one system call while it changes the files, or kill it.
class SaveChild {
public:
    // Starts the child, which looks path up, as Save As does before it asks "Replacing ...",
    // before the constructor returns, and then waits for go(). With unprivileged, a child of
    // root saves as the user nobody.
    SaveChild(const QString& path, const QByteArray& bytes, bool unprivileged = false);
    ~SaveChild();
    SaveChild(const SaveChild&) = delete;
    SaveChild& operator=(const SaveChild&) = delete;

    // Empty once started; otherwise why not, for a skip.
    QString reason() const { return m_reason; }

    // Lets the child write. With a system call named, the child is held by strace at the entry
    // of its occurrence-th call of it until release(), or with an error named ("EIO") that call
    // fails with it instead; false (and reason() says why) where it cannot be held, or did not
    // reach that call within 30 s.
    bool go(const QString& call = QString(), int occurrence = 1, const QString& error = QString());
    // Kills the child where it stands.
    void kill();

    // The outcome, once the child ended: nothing where it was killed or could not save.
    std::optional<WriteResult> result();

private:
    // Lets a held call go on.
    void release();

    pid_t m_pid = -1;
    int m_go = -1;      // the child reads its go here
    int m_outcome = -1; // and writes its outcome here
    bool m_holding = false; // strace holds a call rather than failing it
    QString m_reason;
    QTemporaryDir m_dir;
    QProcess m_strace;
};

// The real platform's save of bytes at path, looked up just before.
WriteResult saveNow(const QString& path, const QByteArray& bytes);

} // namespace saltor::testing
