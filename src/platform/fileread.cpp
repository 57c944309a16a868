#include "platform/fileread.h"

#include "platform/posixfile.h"
#include "platform/textcodec.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace saltor {

namespace {

QString tooLarge(qint64 size)
{
    return QStringLiteral("It is too large to open: %1 bytes, and the limit is %2 bytes (%3 MB).")
        .arg(size)
        .arg(kOpenLimitBytes)
        .arg(kOpenLimitBytes / (1024 * 1024));
}

// Why Open does not read what info describes; empty when it does.
QString refusedForReading(const struct stat& info)
{
    if (!S_ISREG(info.st_mode))
        return notAFile(info.st_mode);
    if (info.st_size > kOpenLimitBytes)
        return tooLarge(info.st_size);
    return QString();
}

// Whether the three bytes at p are UTF-8 for U+2029, U+FDD0 or U+FDD1.
bool isBreakMark(const unsigned char* p)
{
    return (p[0] == 0xE2 && p[1] == 0x80 && p[2] == 0xA9) || (p[0] == 0xEF && p[1] == 0xB7 && (p[2] == 0x90 || p[2] == 0x91));
}

// How often the UTF-8 of U+2029, U+FDD0 and U+FDD1 occurs in bytes.
qint64 breakMarks(const QByteArray& bytes)
{
    if (bytes.size() < 3)
        return 0;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* last = data + bytes.size() - 2; // one past the last place a mark can start
    qint64 marks = 0;
    for (const unsigned char lead : {0xE2, 0xEF}) {
        for (const unsigned char* p = data; p < last; ++p) {
            p = static_cast<const unsigned char*>(std::memchr(p, lead, size_t(last - p)));
            if (!p)
                break;
            marks += isBreakMark(p);
        }
    }
    return marks;
}

// The lines the document holds for a file's bytes: one per line break that the text box makes
// of the decoded text (LF, CR, CRLF as one, U+2029, U+FDD0, U+FDD1), and a last one without a
// break. Counted on the bytes, without decoding: LF and CR are those bytes in either encoding,
// and the other three breaks are their UTF-8 sequences in a file read as UTF-8 (where no
// sequence starts inside another), while in Windows-1250 the same bytes are three letters.
qint64 lineCount(const QByteArray& bytes)
{
    const char* data = bytes.constData();
    const char* end = data + bytes.size();
    qint64 lines = std::count(data, end, '\n');
    for (auto* cr = static_cast<const char*>(std::memchr(data, '\r', size_t(end - data))); cr;
         cr = static_cast<const char*>(std::memchr(cr + 1, '\r', size_t(end - cr - 1)))) {
        if (cr + 1 == end || cr[1] != '\n')
            ++lines;
    }
    bool endsWithBreak = data != end && (end[-1] == '\n' || end[-1] == '\r');
    const qint64 marks = breakMarks(bytes);
    if (marks > 0 && readsAsUtf8(bytes)) {
        lines += marks;
        endsWithBreak = endsWithBreak || isBreakMark(reinterpret_cast<const unsigned char*>(end - 3));
    }
    const bool empty = bytes.isEmpty() || bytes == QByteArrayView("\xEF\xBB\xBF"); // nothing, or a mark alone
    return empty || endsWithBreak ? lines : lines + 1;
}

} // namespace

ReadResult readWholeFile(const QString& path)
{
    ReadResult result;
    const QByteArray name = QFile::encodeName(path);
    // Kind and size come first, from stat: opening a pipe for reading waits for a writer,
    // and a device such as /dev/zero never ends.
    struct stat info;
    if (::stat(name.constData(), &info) != 0) {
        result.error = systemError(errno);
        return result;
    }
    result.error = refusedForReading(info);
    if (!result.error.isEmpty())
        return result;

    // Opened without waiting and looked at again, in case the path changed in between.
    Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        result.error = systemError(errno);
        return result;
    }
    result.error = refusedForReading(info);
    if (!result.error.isEmpty())
        return result;

    // One byte of room past the size, so that the end shows at once; a file that grows
    // while it is read (or does not know its size, as in /proc) is read up to the limit.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > kOpenLimitBytes) {
                result.error = tooLarge(filled);
                return result;
            }
            bytes.resize(qMin<qsizetype>(qMax<qsizetype>(2 * filled, 64 * 1024), kOpenLimitBytes + 1));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + filled, size_t(bytes.size() - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.error = systemError(errno);
            return result;
        }
        if (n == 0)
            break;
        filled += n;
    }
    bytes.resize(filled);
    const qint64 lines = lineCount(bytes);
    if (lines > kOpenLimitLines) {
        result.error = QStringLiteral("It has too many lines to open: %1, and the limit is %2.")
                           .arg(lines)
                           .arg(kOpenLimitLines);
        return result;
    }
    result.bytes = std::move(bytes);
    result.ok = true;
    return result;
}

} // namespace saltor
