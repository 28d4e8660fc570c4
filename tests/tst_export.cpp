// The plot taken out of the window: each kind of file by its extension, written all-or-nothing
// (the reason named, an earlier file as it was, nothing beside it), what is refused once more
// was plotted than is kept, Print, and --render of several plots.
#include "export/plotfiles.h"
#include "images.h"
#include "main/commandline.h"
#include "main/render.h"
#include "plot/random.h"
#include "sound/generator.h"
#include "ui/runtimeerror.h"
#include "window.h"

#include <QtTest>

#include <QImageReader>
#include <QPrinter>

#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QByteArray kEarlier = "precious earlier file";

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every entry under `folder`, hidden ones too, with its permissions and contents.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        entries << entry.filePath() + QString::number(entry.permissions(), 16)
                        + QString::fromLatin1(entry.isFile() ? contents(entry.filePath()) : "");
    }
    entries.sort();
    return entries;
}

// Runs `work` in a child process in which no file may grow past `limit` bytes: a write beyond it
// fails with "File too large" as one on a full disk fails with "No space left on device", and no
// privileges are needed. Returns what `work` returned or the detail of the error it threw.
QString inChild(rlim_t limit, const std::function<QString()> &work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return QStringLiteral("no pipe");
    if (::fork() == 0) {
        ::alarm(60); // a child that hangs ends, and the test fails
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
        [[maybe_unused]] const ssize_t written = ::write(channel[1], answer.data(), answer.size());
        ::_exit(0); // nothing of the parent's, such as QtTest's report, is run twice
    }
    ::close(channel[1]);
    QFile pipe;
    pipe.open(channel[0], QIODevice::ReadOnly, QFile::AutoCloseHandle);
    const QString answer = QString::fromUtf8(pipe.readAll());
    ::wait(nullptr);
    return answer;
}

// What saving `path` from the window said: an empty text where it was written.
QString saved(const Window &window, const QString &path, int scale = 1)
{
    SaveOptions options;
    options.scale = scale;
    try {
        savePlot(window.form, &window.drawn, path, options);
    } catch (const ui::RuntimeError &error) {
        return error.detail();
    }
    return {};
}

QString printed(const Window &window, const QString &path, const Worksheet &worksheet = {})
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(path);
    try {
        printPlot(window.form, window.drawn, printer, worksheet);
    } catch (const ui::RuntimeError &error) {
        return error.detail();
    }
    return {};
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // The extension, in any case, picks what is written; any other is refused, naming those
    // known, and a file that cannot be written keeps what was there.
    void formats_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start"); // what the file begins with; empty: not written
        // clang-format off
        QTest::newRow("png") << "plot.png" << QByteArray("\x89PNG");
        QTest::newRow("JPG in capitals is JPEG") << "plot.JPG" << QByteArray("\xff\xd8\xff");
        QTest::newRow("jpeg") << "plot.jpeg" << QByteArray("\xff\xd8\xff");
        QTest::newRow("bmp") << "plot.bmp" << QByteArray("BM");
        QTest::newRow("SVG in capitals") << "PLOT.SVG" << QByteArray("<?xml");
        QTest::newRow("pdf") << "plot.pdf" << QByteArray("%PDF-");
        QTest::newRow("csv: the dots, each plot's") << "plot.csv" << QByteArray("plot,function,x,y\r\n1,bsin(ax),-10,");
        QTest::newRow("wav") << "plot.wav" << QByteArray("RIFF");
        QTest::newRow("unknown extension") << "plot.gif" << QByteArray();
        QTest::newRow("no such folder") << "missing/plot.png" << QByteArray();
        // clang-format on
    }

    void formats()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        Window window;
        window.plot(2);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QFile::copy(QFINDTESTDATA("tst_export.cpp"), path); // an earlier file, where it can be
        const QByteArray earlier = contents(path);
        const QString failure = saved(window, path);
        QCOMPARE(failure.isEmpty(), !start.isEmpty());
        QVERIFY2(contents(path).startsWith(start.isEmpty() ? earlier : start), qPrintable(failure));
        if (name.endsWith(".gif"))
            QCOMPARE(failure,
                     QString("The plot could not be saved to \"%1\": the file name does not end in "
                             "one of .png, .jpg, .jpeg, .bmp, .svg, .pdf, .csv, .wav, .txt, so "
                             "there is "
                             "no format to write it in.")
                             .arg(path));
        if (name.endsWith(".wav")) { // the plots' sound, 16-bit stereo at 44.1 kHz
            const QByteArray wav = contents(path);
            const sound::Samples samples = sound::plotSound(window.drawn.sounds());
            QCOMPARE(wav.mid(22, 4), QByteArray("\x02\x00\x44\xac", 4));
            QCOMPARE(wav.size(), 44 + qsizetype(samples.size()) * 2);
            QVERIFY(std::memcmp(wav.constData() + 44, samples.data(), samples.size() * 2) == 0);
        }
        if (name.endsWith(".csv"))
            QCOMPARE(contents(path).count('\n'), 1 + 20001); // the header, a row for each dot
    }

    // A file that cannot be written: the reason named, and the folder exactly as it was.
    void failure_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("earlier"); // what is there already, by its kind; or nothing
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("save past the file size limit") << "plot.png" << "file" << "File too large";
        QTest::newRow("print past it") << "plot.pdf" << "file" << "File too large";
        QTest::newRow("a drawing past it") << "plot.svg" << "" << "File too large";
        QTest::newRow("over a read-only file") << "plot.png" << "read-only file" << "Permission denied";
        QTest::newRow("print onto a folder's name") << "plot.pdf" << "folder" << "Is a directory";
        QTest::newRow("into a missing folder") << "missing/plot.png" << "" << "No such file or directory";
        QTest::newRow("onto a named pipe") << "plot.png" << "pipe" << "not a plain file";
        QTest::newRow("through a link to itself") << "plot.png" << "looping link" << "Too many levels of symbolic links";
        // clang-format on
    }

    void failure()
    {
        QFETCH(QString, name);
        QFETCH(QString, earlier);
        QFETCH(QString, reason);
        Window window;
        window.plot(2);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (earlier == "folder") {
            QVERIFY(QDir(dir.path()).mkpath(name + "/inside"));
        } else if (earlier == "pipe") {
            QCOMPARE(::mkfifo(qPrintable(path), 0644), 0);
        } else if (earlier == "looping link") {
            QCOMPARE(::symlink(qPrintable(name), qPrintable(path)), 0);
        } else if (!earlier.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kEarlier) == kEarlier.size());
            if (earlier == "read-only file")
                QVERIFY(file.setPermissions(QFile::ReadOwner));
        }
        const QStringList before = snapshot(dir.path());
        const bool print = name.endsWith(".pdf");
        const QString answer = inChild(
                4096, [&] { return print ? printed(window, path) : saved(window, path); });
        QCOMPARE(answer,
                 QString(print ? "The plot could not be printed to \"%1\": %2."
                               : "The plot could not be saved to \"%1\": %2.")
                         .arg(path, reason));
        QCOMPARE(snapshot(dir.path()), before);
    }

    // A file written in full keeps the earlier one's permissions (and owner, where the system
    // lets it), or has those the umask gives; a symbolic link stays one, the file it names written.
    void replace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("link");
        QTest::addColumn<int>("mode");     // of the earlier file; 0 where there is none
        QTest::addColumn<int>("expected"); // the permissions written, under umask 027
        // clang-format off
        QTest::newRow("save over an earlier file") << "plot.png" << false << 0604 << 0604;
        QTest::newRow("print a new PDF") << "plot.pdf" << false << 0 << 0640;
        QTest::newRow("save through a symbolic link") << "plot.csv" << true << 0604 << 0604;
        // clang-format on
    }

    void replace()
    {
        QFETCH(QString, name);
        QFETCH(bool, link);
        QFETCH(int, mode);
        QFETCH(int, expected);
        Window window;
        window.plot(2);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        const QString file = link ? dir.filePath("picture") : path; // where it lands
        if (mode) {
            QFile earlier(file);
            QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(kEarlier) > 0);
            QCOMPARE(::chmod(qPrintable(file), mode_t(mode)), 0);
            if (::geteuid() == 0)
                QCOMPARE(::chown(qPrintable(file), 1, 1), 0);
        }
        if (link)
            QVERIFY(QFile::link("picture", path)); // relative to the link's folder
        const mode_t umask = ::umask(027);
        const QString answer = name.endsWith(".pdf") ? printed(window, path) : saved(window, path);
        ::umask(umask);
        QCOMPARE(answer, QString());
        QVERIFY(contents(file).size() > 1000);
        QCOMPARE(QFileInfo(path).isSymLink(), link);
        struct stat written;
        QCOMPARE(::stat(qPrintable(file), &written), 0);
        QCOMPARE(int(written.st_mode & 07777), expected);
        QCOMPARE(int(written.st_uid), mode && ::geteuid() == 0 ? 1 : int(::geteuid()));
        QCOMPARE(QDir(dir.path(), {}, QDir::Name,
                      QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                         .count(),
                 link ? 2u : 1u);
    }

    // Past the most that is kept since the last clear (here room for one plot of 20,001 dots, not
    // two), what needs it is refused, nothing written, and Print prints the picture, not the
    // drawn sheet; a clear starts afresh.
    void pastTheLimit_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("kept");
        // clang-format off
        QTest::newRow("one plot is kept") << QStringList {"plot"} << true;
        QTest::newRow("two are not") << QStringList {"plot", "plot"} << false;
        QTest::newRow("drawing on brings nothing back") << QStringList {"plot", "plot", "plot"} << false;
        QTest::newRow("a clear starts afresh") << QStringList {"plot", "plot", "clear", "plot"} << true;
        // clang-format on
    }

    void pastTheLimit()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, kept);
        Window window(200'000);
        for (const QString &step : steps)
            step == "plot" ? window.plot(1, "1.5", "3") : window.clear();
        QCOMPARE(window.drawn.plots().size(), kept ? 1u : 0u);
        QTemporaryDir dir;
        for (const char *name : {"a.csv", "a.wav", "a.svg", "a.pdf"}) {
            const QString path = dir.filePath(name);
            QCOMPARE(saved(window, path),
                     kept ? QString()
                          : QString("The plot could not be saved to \"%1\": more has been plotted "
                                    "since the plot area was last cleared than can be kept; clear "
                                    "it and plot again.")
                                     .arg(path));
            QCOMPARE(QFile::exists(path), kept);
        }
        QCOMPARE(saved(window, dir.filePath("b.png"), 2).isEmpty(), kept);
        QCOMPARE(saved(window, dir.filePath("a.png")), QString()); // the picture always
        QCOMPARE(printed(window, dir.filePath("p.pdf")), QString());
        QCOMPARE(contents(dir.filePath("p.pdf")).contains("/Subtype /Image"), !kept);
        QCOMPARE(printed(window, dir.filePath("w.pdf"), worksheet::Annotations()).isEmpty(), kept);
    }

    // An image at a scale is drawn at that size: twice the pixels across and down, its dots'
    // edges cutting through the blocks each of the screen's pixels would become.
    void scaledImage()
    {
        Window window;
        window.plot(2);
        QTemporaryDir dir;
        QCOMPARE(saved(window, dir.filePath("s.png"), 2), QString());
        const QImage image = QImage(dir.filePath("s.png")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), window.image().size() * 2);
        int split = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                split += image.copy(x, y, 2, 2) != image.copy(x, y, 1, 1).scaled(2, 2);
        QVERIFY2(split > 1000, qPrintable(QString::number(split)));
        QCOMPARE(saved(window, dir.filePath("s1.png")), QString());
        QCOMPARE(QImage(dir.filePath("s1.png")).convertToFormat(QImage::Format_RGB32),
                 window.image());
    }

    // --render of several plots draws what the window draws pressing Plot for each in turn,
    // centre markers and their colours included.
    void severalPlots()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("r.png");
        const CommandLine line = parseCommandLine(
                {"--render", path, "--lower", "-6", "--upper", "6", "--b", "3", "--function",
                 "ax^2", "--a", "1.5", "--function", "2", "--lower", "-10", "--a", "3"});
        plot::Random::shared().restart();
        QCOMPARE(render(line.render), 0);
        plot::Random::shared().restart();
        Window window;
        window.plot(8, "1.5", "3", -6, 6);
        window.plot(2, "3", "3", -10, 6);
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), window.image());
    }

    // --render --annotate draws the worksheet anew in each format that draws, at 1x too, where
    // the plain plot is the window's picture, and refuses the others, writing nothing.
    void worksheet_data()
    {
        QTest::addColumn<QString>("name");
        // clang-format off
        QTest::newRow("png at 1x") << "w.png";
        QTest::newRow("svg") << "w.svg";
        QTest::newRow("pdf") << "w.pdf";
        QTest::newRow("csv: refused") << "w.csv";
        // clang-format on
    }
    void worksheet()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        RenderRequest request;
        request.file = dir.filePath(name);
        request.plots.resize(1);
        request.plots[0].function = "bsin(ax)";
        request.annotate = true;
        const bool draws = !name.endsWith(".csv");
        plot::Random::shared().restart(); // the same marker in both
        QCOMPARE(render(request), draws ? 0 : 1);
        QCOMPARE(QFile::exists(request.file), draws);
        const QByteArray annotated = contents(request.file);
        request.annotate = false;
        plot::Random::shared().restart();
        QCOMPARE(render(request), 0);
        QVERIFY(contents(request.file) != annotated);
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
