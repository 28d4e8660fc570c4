#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

namespace ui {

// A user's file, written all-or-nothing. What is written goes unbuffered into a new temporary
// file in the target's own folder; commit() gets every byte onto the disk and only then renames
// the temporary file over the target in one step. Any failure on the way removes the temporary
// file, leaves an earlier file at the target byte for byte as it was, and errorString() names the
// system's reason ("No space left on device"). Writers that take a QIODevice (QImageWriter,
// QPdfWriter) write straight into it, so no buffer can hide a failed write from commit().
//
// The target: a symbolic link is followed, so that the file it names is replaced and the link
// stays a link. A folder, a file nobody may write (the user made it read-only) and anything but a
// plain file are refused before anything is written. A replaced file keeps its permissions (and
// its owner where the system allows); a new one has those the user's umask gives.
class AtomicFile : public QIODevice
{
public:
    explicit AtomicFile(const QString &path);
    ~AtomicFile() override; // without a commit: as close()

    // Write only: checks the target and creates the temporary file.
    bool open(OpenMode mode) override;
    // True once the target holds everything written; false, with the reason, where any step
    // failed, and then the target is as it was.
    bool commit();
    // Gives up: removes the temporary file; the target stays as it was.
    void close() override;
    // An open, a write or a commit failed; errorString() says why.
    bool failed() const { return m_failed; }

    // Written front to back, as image and PDF writers do: one that would seek gets a refusal
    // rather than a file with its parts in the wrong places.
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    bool fail(int error);
    bool fail(const QString &reason);
    void discard();

    QString m_path;
    QByteArray m_target; // the file the rename replaces, symbolic links followed
    QByteArray m_folder; // the target's
    QByteArray m_temporary;
    int m_fd = -1;
    bool m_failed = false;
};

// Writes the file at `path` all-or-nothing: `write` writes into an AtomicFile open for it and gives
// the reason it failed, or an empty text. Returns the reason the file was not written (the
// system's where it has one), or an empty text once it holds everything written.
QString writeAtomically(const QString &path, const std::function<QString(QIODevice &)> &write);

// Writes all of `bytes` to `device`: an empty text when every byte was taken, otherwise the reason.
QString writeAll(QIODevice *device, const QByteArray &bytes);

} // namespace ui
