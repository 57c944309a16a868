#include "platform/qtplatform.h"

#include "platform/singlelinebox.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QSaveFile>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef SALTOR_HAVE_XKB
#include <QGuiApplication>
#include <X11/XKBlib.h>
#endif

namespace saltor {

MessageAnswer QtPlatform::messageBox(const QString& prompt, MessageButtons buttons,
                                     MessageIcon icon, const QString& title)
{
    QMessageBox box(icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::Warning,
                    title.isEmpty() ? kAppTitle : title, prompt);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtPlatform::inputBox(const QString& prompt)
{
    QInputDialog box;
    box.setWindowTitle(kAppTitle);
    box.setLabelText(prompt);
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(QString());
    // Room for a line of text: by itself the box is only as wide as its short prompt.
    if (auto* edit = box.findChild<QLineEdit*>()) {
        edit->setMinimumWidth(320);
        makeSingleLineBox(edit);
    }
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

void QtPlatform::beep()
{
    QApplication::beep();
}

void QtPlatform::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void QtPlatform::setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString QtPlatform::clipboardText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return QString();
    return data->text();
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

namespace {

QFileDialog::Options dialogOptions()
{
    // Qt's own dialog, so behaviour does not depend on the desktop; replacement is
    // confirmed by the caller through the message box.
    return QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite;
}

} // namespace

std::optional<QString> QtPlatform::openFileDialog(QWidget* parent, const QString& qtFilter,
                                                  const QString& fileName)
{
    const QString path = QFileDialog::getOpenFileName(parent, QString(), fileName, qtFilter,
                                                      nullptr, dialogOptions());
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtPlatform::saveFileDialog(QWidget* parent, const QString& qtFilter,
                                                  const QString& fileName)
{
    const QString path = QFileDialog::getSaveFileName(parent, QString(), fileName, qtFilter,
                                                      nullptr, dialogOptions());
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

bool QtPlatform::fileExists(const QString& path)
{
    return QFileInfo::exists(path);
}

namespace {

// Closes a descriptor when the read or write that opened it ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now, so that a failure of the close itself can be reported.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

QString systemError()
{
    return qt_error_string(errno);
}

// Why a path of this kind is no file to read or replace; empty for a regular file.
QString notAFile(mode_t mode)
{
    if (S_ISREG(mode))
        return QString();
    if (S_ISDIR(mode))
        return QStringLiteral("It is a folder, not a file.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("It is a device, not a file.");
    if (S_ISFIFO(mode))
        return QStringLiteral("It is a named pipe, not a file.");
    if (S_ISSOCK(mode))
        return QStringLiteral("It is a socket, not a file.");
    return QStringLiteral("It is not a regular file.");
}

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

// The lines the document would hold: one per line end (CRLF, LF, a lone CR or a UTF-8
// paragraph separator), and a last one without an end.
qint64 lineCount(const QByteArray& bytes)
{
    const char* data = bytes.constData();
    const char* end = data + bytes.size();
    qint64 lines = std::count(data, end, '\n');
    for (auto* cr = static_cast<const char*>(std::memchr(data, '\r', end - data)); cr;
         cr = static_cast<const char*>(std::memchr(cr + 1, '\r', end - cr - 1))) {
        if (cr + 1 == end || cr[1] != '\n')
            ++lines;
    }
    const QByteArrayView paragraph("\xE2\x80\xA9");
    for (qsizetype at = bytes.indexOf(paragraph); at >= 0; at = bytes.indexOf(paragraph, at + 3))
        ++lines;
    if (data != end && end[-1] != '\n' && end[-1] != '\r')
        ++lines;
    return lines;
}

// Writes bytes into a device in place: a save through a temporary file would replace the
// device node itself with a regular file.
WriteResult writeInPlace(const QByteArray& name, const QByteArray& bytes)
{
    WriteResult result;
    Descriptor fd(::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        result.error = systemError();
        return result;
    }
    if (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode) || S_ISDIR(info.st_mode)) {
        result.error = notAFile(info.st_mode);
        return result;
    }
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd.get(), bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            result.error = systemError();
            return result;
        }
        done += n;
    }
    if (!fd.close()) {
        result.error = systemError();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace

ReadResult QtPlatform::readFile(const QString& path)
{
    ReadResult result;
    const QByteArray name = QFile::encodeName(path);
    // Kind and size come first, from stat: opening a pipe for reading waits for a writer,
    // and a device such as /dev/zero never ends.
    struct stat info;
    if (::stat(name.constData(), &info) != 0) {
        result.error = systemError();
        return result;
    }
    result.error = refusedForReading(info);
    if (!result.error.isEmpty())
        return result;

    // Opened without waiting and looked at again, in case the path changed in between.
    Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        result.error = systemError();
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
            result.error = systemError();
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

WriteResult QtPlatform::writeFile(const QString& path, const QByteArray& bytes)
{
    WriteResult result;
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        // A device (such as /dev/null or /dev/full) is written in place; a folder, pipe or
        // socket is no file to save into, and opening a pipe would wait for a reader.
        if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
            return writeInPlace(name, bytes);
        result.error = notAFile(info.st_mode);
        return result;
    }
    QSaveFile file(path);
    // In a folder where no new file may be made, a file the user may write is written in
    // place: not atomic, but the only way to save it there.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (file.write(bytes) != bytes.size()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

void QtPlatform::openHelp(const QString& fileName)
{
    QString path = QDir::current().absoluteFilePath(fileName);
    if (!QFileInfo::exists(path))
        path = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(fileName);
    if (!QFileInfo::exists(path))
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

namespace {

bool xkbIndicator(const char* name)
{
#ifdef SALTOR_HAVE_XKB
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return false;
    Display* display = x11->display();
    const Atom atom = XInternAtom(display, name, False);
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return false;
    return on;
#else
    Q_UNUSED(name);
    return false;
#endif
}

} // namespace

bool QtPlatform::numLockOn()
{
    return xkbIndicator("Num Lock");
}

bool QtPlatform::capsLockOn()
{
    return xkbIndicator("Caps Lock");
}

void QtPlatform::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace saltor
