#include "atomicfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace ui {

namespace {

constexpr int kMaxLinks = 40; // the system's own limit on a chain of links (ELOOP)

} // namespace

AtomicFile::AtomicFile(const QString &path) : m_path(path) { }

AtomicFile::~AtomicFile()
{
    discard();
}

bool AtomicFile::open(OpenMode mode)
{
    if (isOpen() || !(mode & WriteOnly) || (mode & ~(WriteOnly | Truncate | Unbuffered)))
        return fail(EINVAL);
    m_failed = false;
    if (m_path.isEmpty())
        return fail(ENOENT);
    // Where the write lands: the end of the chain of symbolic links, which may not exist yet.
    QFileInfo target(m_path);
    for (int hops = 0; target.isSymLink(); ++hops) {
        if (hops == kMaxLinks)
            return fail(ELOOP);
        target.setFile(target.symLinkTarget());
    }
    m_target = QFile::encodeName(target.absoluteFilePath());
    m_folder = QFile::encodeName(target.absolutePath());

    // Refused before anything is written: replacing a folder or a device by a picture, or a file
    // the user protected, is never what a save means. Root passes any access check, so a file
    // with no write permission for anyone counts as protected too.
    struct stat earlier;
    const bool replacing = ::stat(m_target.constData(), &earlier) == 0;
    if (!replacing && errno != ENOENT)
        return fail(errno);
    if (replacing && S_ISDIR(earlier.st_mode))
        return fail(EISDIR);
    if (replacing && !S_ISREG(earlier.st_mode))
        return fail(QCoreApplication::translate("ui::AtomicFile", "not a plain file"));
    if (replacing && (earlier.st_mode & 0222) == 0)
        return fail(EACCES);
    if (replacing && ::faccessat(AT_FDCWD, m_target.constData(), W_OK, AT_EACCESS) != 0)
        return fail(errno);

    // Beside the target, so that the rename stays on one filesystem and replaces it in one step.
    const QByteArray stem = m_folder + "/." + QFile::encodeName(target.fileName()).left(100) + '.';
    do {
        m_temporary = stem + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        m_fd = ::open(m_temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (m_fd < 0 && errno == EEXIST);
    if (m_fd < 0) {
        m_temporary.clear();
        return fail(errno);
    }
    if (replacing) {
        // Best effort: only root may give a file away, and some filesystems keep no modes.
        [[maybe_unused]] const int owned = ::fchown(m_fd, earlier.st_uid, earlier.st_gid);
        ::fchmod(m_fd, earlier.st_mode & 0777);
    }
    return QIODevice::open(WriteOnly | Unbuffered);
}

qint64 AtomicFile::writeData(const char *data, qint64 size)
{
    if (m_failed)
        return -1;
    for (qint64 done = 0; done < size;) {
        const ssize_t written = ::write(m_fd, data + done, size_t(size - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) { // a partial file is no use: the first failure ends the writing
            fail(written < 0 ? errno : EIO);
            return -1;
        }
        done += written;
    }
    return size;
}

bool AtomicFile::commit()
{
    if (!isOpen() || m_failed || m_fd < 0)
        return fail(EBADF);
    // Every write went straight to the system, so nothing is left to flush in this process;
    // fsync gets the data onto the disk, and reports a failure to write it back at the latest.
    if (::fsync(m_fd) != 0)
        return fail(errno);
    if (::close(std::exchange(m_fd, -1)) != 0 && errno != EINTR)
        return fail(errno);
    if (::rename(m_temporary.constData(), m_target.constData()) != 0)
        return fail(errno);
    m_temporary.clear();
    // The rename reaches the disk with its folder. Should syncing the folder fail, the target has
    // been replaced all the same, so that is no failure of the save.
    const int folder = ::open(m_folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    QIODevice::close();
    return true;
}

void AtomicFile::close()
{
    discard();
    QIODevice::close();
}

bool AtomicFile::fail(int error)
{
    return fail(qt_error_string(error));
}

// The first failure is the one worth naming; the temporary file goes at once, which also gives
// its space back on a full disk.
bool AtomicFile::fail(const QString &reason)
{
    if (!m_failed)
        setErrorString(reason);
    m_failed = true;
    discard();
    return false;
}

void AtomicFile::discard()
{
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    if (!m_temporary.isEmpty())
        ::unlink(std::exchange(m_temporary, {}).constData());
}

QString writeAtomically(const QString &path, const std::function<QString(QIODevice &)> &write)
{
    AtomicFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (const QString reason = write(file); !reason.isEmpty())
        return file.failed() ? file.errorString() : reason;
    return file.commit() ? QString() : file.errorString();
}

QString writeAll(QIODevice *device, const QByteArray &bytes)
{
    if (!device || !device->isWritable())
        return QCoreApplication::translate("ui::AtomicFile", "the file is not open for writing");
    if (device->write(bytes) == bytes.size())
        return {};
    const QString reason = device->errorString();
    return reason.isEmpty() || reason == QLatin1String("Unknown error")
            ? QCoreApplication::translate("ui::AtomicFile", "not everything could be written")
            : reason;
}

} // namespace ui
