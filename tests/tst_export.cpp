#include "app/form1.h"
#include "export/plotexport.h"
#include "ui/imageoutput.h"
#include "ui/runtimeerror.h"
#include "ui/screen.h"

#include <QtTest>

#include <QImageReader>
#include <QPrinter>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// What a child process may write into any one file: far less than noise() or the plot takes as
// PNG or PDF, more than the earlier file. As on a disk that fills up, a write past it fails.
constexpr rlim_t kLimit = 4096; // bytes

const QByteArray kEarlier = "precious earlier picture";

QImage pattern()
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return image;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Random pixels, which no image format compresses: 200 KB or so however it is written.
QImage noise()
{
    QImage image(256, 256, QImage::Format_RGB32);
    QRandomGenerator random(1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xff000000);
    return image;
}

// Every entry under `folder`, hidden ones too, with its permissions and contents.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        entries << QStringLiteral("%1 %2 %3")
                           .arg(entry.filePath().mid(folder.size()),
                                QString::number(entry.permissions(), 16),
                                QString::fromLatin1(entry.isFile() ? contents(entry.filePath())
                                                                   : QByteArray()));
    }
    entries.sort();
    return entries;
}

// Runs `work` in a child process in which no file may grow past `limit` bytes: a write beyond it
// fails with EFBIG ("File too large") as one on a full disk fails with ENOSPC, and no privileges
// are needed. SIGXFSZ, which would end the child instead, is ignored. Returns what `work`
// returned, or how the child ended where it did not return.
QString inChild(rlim_t limit, const std::function<QString()> &work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return QStringLiteral("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        ::alarm(60); // a child that hangs ends, and the test fails, instead of holding up the run
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size {limit, limit};
        QByteArray answer = "no limit";
        if (::setrlimit(RLIMIT_FSIZE, &size) == 0) {
            try {
                answer = work().toUtf8();
            } catch (const ui::RuntimeError &error) {
                answer = error.detail().toUtf8();
            }
        }
        for (qsizetype at = 0, n = 0; at < answer.size() && n >= 0; at += n)
            n = ::write(channel[1], answer.constData() + at, size_t(answer.size() - at));
        ::_exit(0); // nothing of the parent's, such as QtTest's report, is run twice
    }
    ::close(channel[1]);
    QByteArray answer;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0)
            answer.append(buffer, n);
        else if (errno != EINTR)
            break;
    }
    ::close(channel[0]);
    int status = -1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0
            ? QString::fromUtf8(answer)
            : QStringLiteral("the child ended with status %1").arg(status);
}

QString printToFile(const QString &path, const QImage &image)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return ui::printImage(printer, image);
}

// Every compressed stream of a PDF file, uncompressed, one after the other.
QByteArray unpacked(const QByteArray &pdf)
{
    QByteArray all;
    for (qsizetype at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at + 1)) {
        const qsizetype end = pdf.indexOf("endstream", at);
        all += qUncompress(QByteArray("\0\x10\0\0", 4) + pdf.mid(at + 7, end - at - 7));
        at = end + 9;
    }
    return all;
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void save_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format"); // empty: the save fails and keeps what was there
        QTest::newRow("png by its extension") << "plot.png" << QByteArray("png");
        QTest::newRow("JPG in capitals is JPEG") << "plot.JPG" << QByteArray("jpeg");
        QTest::newRow("bmp by its extension") << "plot.bmp" << QByteArray("bmp");
        QTest::newRow("unknown extension") << "plot.xyz" << QByteArray();
        QTest::newRow("no such folder") << "missing/plot.png" << QByteArray();
    }

    void save()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QTemporaryDir dir;
        QFile earlier(dir.filePath(name));
        if (earlier.open(QIODevice::WriteOnly))
            earlier.write("earlier");
        earlier.close();
        QCOMPARE(ui::saveImage(pattern(), earlier.fileName()).isEmpty(), !format.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), earlier.exists() ? 1 : 0);
        QCOMPARE(QImageReader(earlier.fileName()).format(), format);
        if (format.isEmpty())
            QCOMPARE(contents(earlier.fileName()), earlier.exists() ? "earlier" : "");
    }

    // Saving or printing to a file where it cannot be written: the reason named, and the folder
    // exactly as it was before: an earlier file byte for byte, nothing left beside it.
    void failure_data()
    {
        QTest::addColumn<bool>("print");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("earlier"); // what is there already, by its kind; or nothing
        QTest::addColumn<QString>("reason");
        for (const bool print : {false, true}) {
            const QString name = print ? "plot.pdf" : "plot.png";
            const auto row = [print](const char *what) -> QTestData & {
                const QString tag = QString::fromLatin1(what).arg(print ? "print to PDF" : "save");
                return QTest::newRow(qPrintable(tag)) << print;
            };
            row("%1 past the file size limit over an earlier file") << name << "file"
                                                                    << "File too large";
            row("%1 over a read-only file") << name << "read-only file"
                                            << "Permission denied";
            row("%1 onto a folder's name") << name << "folder"
                                           << "Is a directory";
            row("%1 into a missing folder")
                    << "missing/" + name << QString() << "No such file or directory";
        }
        QTest::newRow("save onto a named pipe") << false << "plot.png"
                                                << "pipe"
                                                << "not a plain file";
        QTest::newRow("save through a link to itself") << false << "plot.png"
                                                       << "looping link"
                                                       << "Too many levels of symbolic links";
    }

    void failure()
    {
        QFETCH(bool, print);
        QFETCH(QString, name);
        QFETCH(QString, earlier);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (earlier == "folder") {
            QVERIFY(QDir(dir.path()).mkdir(name));
            QFile inside(path + "/inside");
            QVERIFY(inside.open(QIODevice::WriteOnly) && inside.write(kEarlier) == kEarlier.size());
        } else if (earlier == "pipe") {
            QCOMPARE(::mkfifo(qPrintable(path), 0644), 0);
        } else if (earlier == "looping link") {
            QCOMPARE(::symlink(qPrintable(name), qPrintable(path)), 0);
        } else if (!earlier.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kEarlier) == kEarlier.size());
            if (earlier == "read-only file")
                QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ReadGroup
                                            | QFile::ReadOther));
        }
        const QStringList before = snapshot(dir.path());
        const QString answer = inChild(kLimit, [&] {
            return print ? printToFile(path, noise()) : ui::saveImage(noise(), path);
        });
        QCOMPARE(answer, reason);
        QCOMPARE(snapshot(dir.path()), before);
    }

    // A file written in full: the earlier one's permissions kept, or for a new one those the
    // umask gives; a symbolic link stays one and the file it names is written.
    void replace_data()
    {
        QTest::addColumn<bool>("print");
        QTest::addColumn<bool>("link");
        QTest::addColumn<int>("mode");     // of the earlier file; 0 where there is none
        QTest::addColumn<int>("expected"); // the permissions written, under umask 027
        QTest::newRow("save over an earlier file") << false << false << 0604 << 0604;
        QTest::newRow("print to PDF over an earlier file") << true << false << 0604 << 0604;
        QTest::newRow("save a new file") << false << false << 0 << 0640;
        QTest::newRow("print a new PDF") << true << false << 0 << 0640;
        QTest::newRow("save through a symbolic link") << false << true << 0604 << 0604;
    }

    void replace()
    {
        QFETCH(bool, print);
        QFETCH(bool, link);
        QFETCH(int, mode);
        QFETCH(int, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(print ? "plot.pdf" : "plot.png");
        const QString file = link ? dir.filePath("picture") : path; // where it lands
        if (mode) {
            QFile earlier(file);
            QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(kEarlier) > 0);
            QCOMPARE(::chmod(qPrintable(file), mode_t(mode)), 0);
        }
        if (link)
            QVERIFY(QFile::link("picture", path)); // relative to the link's folder
        const bool root = ::geteuid() == 0; // who may give a file away: the owner is kept too
        if (mode && root)
            QCOMPARE(::chown(qPrintable(file), 1, 1), 0);
        const mode_t umask = ::umask(027);
        const QString answer = print ? printToFile(path, noise()) : ui::saveImage(noise(), path);
        ::umask(umask);
        QCOMPARE(answer, QString());
        QVERIFY(contents(file).startsWith(print ? "%PDF-" : "\x89PNG"));
        QCOMPARE(QFileInfo(path).isSymLink(), link);
        struct stat written;
        QCOMPARE(::stat(qPrintable(file), &written), 0);
        QCOMPARE(int(written.st_mode & 07777), expected);
        if (mode && root)
            QCOMPARE(int(written.st_uid), 1);
        QCOMPARE(QDir(dir.path(), {}, QDir::Name,
                      QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                         .count(),
                 link ? 2u : 1u);
    }

    // What the window's Save Plot As and Print to File say when the disk is full.
    void plotFailure_data()
    {
        QTest::addColumn<bool>("print");
        QTest::addColumn<QString>("message");
        QTest::newRow("save") << false
                              << "The plot could not be saved to \"%1/plot.png\": File too large.";
        QTest::newRow("print to PDF")
                << true << "The plot could not be printed to \"%1/plot.pdf\": File too large.";
    }

    void plotFailure()
    {
        QFETCH(bool, print);
        QFETCH(QString, message);
        ui::Screen::overrideSize(QSize(1024, 768));
        Form1 form;
        form.window.load.raise();
        form.window.activate.raise(); // graph paper and axes: far more than the limit
        QTemporaryDir dir;
        const QString path = dir.filePath(print ? "plot.pdf" : "plot.png");
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(kEarlier) > 0);
        earlier.close();
        const QString answer = inChild(kLimit, [&] {
            if (print) {
                QPrinter printer(QPrinter::HighResolution);
                printer.setOutputFileName(path);
                printPlot(form, printer);
            } else {
                savePlot(form, path);
            }
            return QString();
        });
        QCOMPARE(answer, message.arg(dir.path()));
        QCOMPARE(contents(path), kEarlier);
    }

    void printToPdf()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("plot.pdf"));
        QCOMPARE(ui::printImage(printer, pattern()), QString());
        // The page draws the image as wide as the printable area, centred from top to bottom.
        const QRegularExpression place(
                R"(([\d.]+) 0 0 ([\d.]+) 0 ([\d.]+) cm\s+60 0 0 -40 0 40 cm)");
        const QRegularExpressionMatch m
                = place.match(QString::fromLatin1(unpacked(contents(dir.filePath("plot.pdf")))));
        QVERIFY(m.hasMatch());
        const double scale = printer.width() / 60.0;
        QVERIFY(qAbs(m.captured(1).toDouble() - scale) < 0.01 && m.captured(2) == m.captured(1));
        QVERIFY(qAbs(m.captured(3).toDouble() - (printer.height() - 40 * scale) / 2) < 0.01);
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
