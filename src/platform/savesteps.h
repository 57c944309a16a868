#pragma once

#include "platform/filelocation.h"
#include "platform/platform.h"

#include <QByteArray>
#include <QString>

#include <optional>

#include <sys/stat.h>

namespace saltor {

// The steps every way of saving a file shares, and the outcomes it reports.

inline const QString kChangedMeanwhile = QStringLiteral("It changed while it was being saved, so nothing was written.");
inline const QString kSavedElsewhere = QStringLiteral("It is being saved by another program at this moment.");

WriteResult written(const QString& note = QString());
WriteResult failure(const QString& reason);
// The system's own words for the error number.
WriteResult failure(int error);
// The failure of a write in place after its first old byte changed.
WriteResult damaged(int error);

// Writes all of bytes at the descriptor's offset: 0, or the error number of the write that
// failed; *written counts the bytes that went in before it.
int writeAll(int fd, const QByteArray& bytes, qsizetype* written = nullptr);

// Syncs fd: 0 or the error number. A file that cannot be synced (a pseudo-file of the system,
// which answers EINVAL) has nothing to sync.
int sync(int fd);

// Opens the file name of folder, which must still be the file the save looked at, without
// following a link that came to stand there meanwhile. -1 with *changed set where it is not.
int openSame(int folder, const QByteArray& name, int flags, const struct stat& looked, bool* changed);

// Takes the file fd, opened at at, for this save alone: a second save of it at the same time
// waits a moment, then is refused, rather than mixing its text with this one's. A file system
// without locks goes unlocked. A save this one waited for may have put another file at the
// name, which is then looked at again. Nothing where the file is the save's alone; otherwise
// why not.
std::optional<WriteResult> takeAlone(int fd, const FileLocation& at);

// Whether fd has all of the old file's mode.
bool hasMode(int fd, const struct stat& old);
// Gives the file all of the old one's mode (set-user-ID, set-group-ID and sticky bits too):
// false where the system does not let the saver set them all. It drops set-group-ID without
// a word for a group the saver is not in, so the result is looked at.
bool giveMode(int fd, const struct stat& old);

} // namespace saltor
