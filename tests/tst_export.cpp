#include "app/form1.h"
#include "drawn/drawn.h"
#include "export/plotexport.h"
#include "main/commandline.h"
#include "main/program.h"
#include "main/render.h"
#include "plot/catalogue.h"
#include "plot/random.h"
#include "sheet/sheet.h"
#include "sound/generator.h"
#include "ui/imageoutput.h"
#include "ui/runtimeerror.h"
#include "ui/screen.h"

#include <QtTest>

#include <QImageReader>
#include <QPrinter>
#include <QProcess>

#include <algorithm>
#include <cstring>

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

// A window after load and activation on a 1024 x 768 screen, and what its plot area holds.
struct Window
{
    explicit Window(std::size_t dotLimit = Drawn::kDefaultDotLimit) : drawn(form, dotLimit)
    {
        ui::Screen::overrideSize(QSize(1024, 768));
        form.window.load.raise();
        form.window.activate.raise();
    }
    // Chooses the function of `code`, types a and b, sets the bars and presses Plot, as a user.
    void plot(int code, const QString &a, const QString &b, int lower = -30, int upper = 30)
    {
        form.l1.choose(code - 1);
        form.T6[0].setText(a);
        form.T6[1].setText(b);
        form.V1.setValue(qint16(lower));
        form.V2.setValue(qint16(upper));
        form.Cp.click.raise();
    }
    Form1 form;
    Drawn drawn;
};

// The share of pixels of `a` whose every channel lies within `tolerance` of `b`'s.
double alike(const QImage &a, const QImage &b, int tolerance)
{
    if (a.size() != b.size())
        return 0;
    qsizetype same = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            same += qAbs(qRed(p) - qRed(q)) <= tolerance && qAbs(qGreen(p) - qGreen(q)) <= tolerance
                    && qAbs(qBlue(p) - qBlue(q)) <= tolerance;
        }
    }
    return double(same) / (qsizetype(a.width()) * a.height());
}

// Runs `program` with `arguments`; its standard output, empty where it failed.
QByteArray output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
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
        const Drawn drawn(form);
        form.window.load.raise();
        form.window.activate.raise(); // graph paper and axes: far more than the limit
        QTemporaryDir dir;
        const QString path = dir.filePath(print ? "plot.pdf" : "plot.png");
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(kEarlier) > 0);
        earlier.close();
        const QString answer = inChild(kLimit / 4, [&] { // the bare sheet drawn is small
            if (print) {
                QPrinter printer(QPrinter::HighResolution);
                printer.setOutputFileName(path);
                printPlot(form, drawn, printer);
            } else {
                savePlot(form, drawn, path);
            }
            return QString();
        });
        QCOMPARE(answer, message.arg(dir.path()));
        QCOMPARE(contents(path), kEarlier);
    }

    // Save Plot As and --render: the extension, in any case, picks what is written.
    void savePlotFormats_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start"); // what the file begins with; empty: none written
        QTest::newRow("svg") << "plot.svg" << QByteArray("<?xml");
        QTest::newRow("SVG in capitals") << "PLOT.SVG" << QByteArray("<?xml");
        QTest::newRow("pdf") << "plot.pdf" << QByteArray("%PDF-");
        QTest::newRow("csv") << "plot.csv" << QByteArray("plot,function,x,y\r\n1,bsin(ax),-25,");
        QTest::newRow("wav") << "plot.wav" << QByteArray("RIFF");
        QTest::newRow("unknown extension") << "plot.gif" << QByteArray();
    }

    void savePlotFormats()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        Window window;
        window.plot(2, "1.5", "3");
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QString failure;
        try {
            savePlot(window.form, window.drawn, path);
        } catch (const ui::RuntimeError &error) {
            failure = error.detail();
        }
        QCOMPARE(failure.isEmpty(), !start.isEmpty());
        QVERIFY2(contents(path).startsWith(start), contents(path).left(40).constData());
        if (start.isEmpty())
            QCOMPARE(failure,
                     QString("The plot could not be saved to \"%1\": the file name does "
                             "not end in one of .png, .jpg, .jpeg, .bmp, .svg, .pdf, "
                             ".csv, .wav, so there is no format to write it in.")
                             .arg(path));
    }

    void sound()
    {
        Window window;
        window.plot(2, "1.5", "3", -6, 6);
        window.plot(7, "1.5", "1", -3, 3);
        QTemporaryDir dir;
        savePlot(window.form, window.drawn, dir.filePath("s.wav"));
        const QByteArray wav = contents(dir.filePath("s.wav"));
        const sound::Samples samples = sound::plotSound(window.drawn.sounds());
        QVERIFY(samples.size() > 44100); // two walks: more than half a second
        const auto at = [&wav](int offset, int size) {
            quint32 value = 0;
            for (int i = size - 1; i >= 0; --i)
                value = value << 8 | quint8(wav.at(offset + i));
            return value;
        };
        QCOMPARE(wav.left(4), "RIFF");
        QCOMPARE(at(22, 2), 2u);     // stereo
        QCOMPARE(at(24, 4), 44100u); // frames per second
        QCOMPARE(at(34, 2), 16u);    // bits per sample
        QCOMPARE(at(40, 4), quint32(samples.size() * 2));
        QCOMPARE(wav.size(), 44 + qsizetype(samples.size()) * 2);
        QVERIFY(std::memcmp(wav.constData() + 44, samples.data(), samples.size() * 2) == 0);
    }

    // What needs every dot is refused where the dots were not all kept: nothing written, the
    // earlier file as it was; what needs only the drawing is still written.
    void refusal_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("written");
        QTest::newRow("table refused") << "plot.csv" << false;
        QTest::newRow("sound refused") << "plot.wav" << false;
        QTest::newRow("drawing written") << "plot.svg" << true;
        QTest::newRow("image written") << "plot.png" << true;
    }

    void refusal()
    {
        QFETCH(QString, name);
        QFETCH(bool, written);
        Window window(20'000); // fewer dots than two plots draw
        window.plot(2, "1.5", "3", -12, 12);
        window.plot(1, "1.5", "3", -12, 12);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(kEarlier) > 0);
        earlier.close();
        QString failure;
        try {
            savePlot(window.form, window.drawn, path);
        } catch (const ui::RuntimeError &error) {
            failure = error.detail();
        }
        QCOMPARE(contents(path) == kEarlier, !written);
        QCOMPARE(failure,
                 written ? QString()
                         : QString("The plot could not be saved to \"%1\": %2.")
                                   .arg(path, window.drawn.plotsUnavailable()));
        QCOMPARE(QDir(dir.path()).count(), 3u); // ., .. and the file: nothing left beside it
    }

    // The limit is the most dots kept: plots that draw exactly that many are kept whole, one
    // dot more and they are let go.
    void dotLimit_data()
    {
        QTest::addColumn<int>("under"); // how many dots fewer the limit allows than are drawn
        QTest::newRow("exactly the limit") << 0;
        QTest::newRow("one dot over it") << 1;
    }

    void dotLimit()
    {
        QFETCH(int, under);
        const auto twoPlots = [](Window &window) {
            window.plot(2, "1.5", "3", -12, 12);
            window.plot(1, "1.5", "3", -12, 12);
        };
        Window unlimited;
        twoPlots(unlimited);
        const std::size_t dots = unlimited.drawn.table().size();
        Window window(dots - under);
        twoPlots(window);
        QCOMPARE(window.drawn.plotsComplete(), under == 0);
        QCOMPARE(window.drawn.table().size(), under == 0 ? dots : 0);
    }

    // An image at a scale is drawn at that size, not the screen's pixels made larger: the dots'
    // and lines' edges cut through the blocks each pixel of the screen's image would become.
    void scaledImage_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("1: the plot image itself") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("4") << 4;
    }

    void scaledImage()
    {
        QFETCH(int, scale);
        Window window;
        window.plot(2, "1.5", "3");
        QTemporaryDir dir;
        savePlot(window.form, window.drawn, dir.filePath("s.png"), scale);
        const QImage image = QImage(dir.filePath("s.png")).convertToFormat(QImage::Format_RGB32);
        const QImage screen = plotImage(window.form).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), screen.size() * scale);
        if (scale == 1) {
            QCOMPARE(image, screen);
            return;
        }
        int split = 0; // blocks of scale x scale pixels that are not of one colour
        for (int y = 0; y < image.height(); y += scale)
            for (int x = 0; x < image.width(); x += scale)
                split += image.copy(x, y, scale, scale)
                        != image.copy(x, y, 1, 1).scaled(scale, scale);
        QVERIFY2(split > 1000, qPrintable(QString::number(split)));
        // Yet the same sheet: scaled back down it looks like the screen's.
        const QImage down
                = image.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(alike(down, screen, 48) >= 0.98);
    }

    // The drawing files rasterised at the plot area's size by other programs show the sheet the
    // plot image shows.
    void vectorFidelity_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("svg through rsvg-convert") << "f.svg";
        QTest::newRow("pdf through pdftoppm") << "f.pdf";
    }

    void vectorFidelity()
    {
        QFETCH(QString, name);
        Window window;
        window.plot(2, "1.5", "3");
        window.plot(8, "0.3", "1");
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        savePlot(window.form, window.drawn, path);
        const QImage screen = plotImage(window.form).convertToFormat(QImage::Format_RGB32);
        const QSize size = screen.size();
        const QByteArray png = name.endsWith(".svg")
                ? output("rsvg-convert",
                         {"-w", QString::number(size.width()), "-h", QString::number(size.height()),
                          path})
                // The page is the sheet's size in points, to the next whole point: at 96 dots
                // per inch, a pixel to the plot area's pixel.
                : output("pdftoppm", {"-png", "-r", "96", "-singlefile", path});
        QImage drawn;
        QVERIFY2(drawn.loadFromData(png), "the rasteriser gave no image");
        drawn = drawn.copy(QRect(QPoint(), size)).convertToFormat(QImage::Format_RGB32);
        const double share = alike(drawn, screen, 48);
        qInfo("%s: %.2f %% of the pixels alike", qPrintable(name), share * 100);
        QVERIFY2(share >= 0.98, qPrintable(QString::number(share)));
    }

    // Print draws the sheet, not a picture of it: a PDF printed to a file holds no image.
    void printDrawsVectors()
    {
        Window window;
        window.plot(2, "1.5", "3");
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("p.pdf"));
        printPlot(window.form, window.drawn, printer);
        const QByteArray pdf = contents(dir.filePath("p.pdf"));
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(!pdf.contains("/Subtype /Image"));
        // The sheet, 682 x 512, as wide as the page and centred from top to bottom: its clip.
        const QRegularExpression clip(R"(0 ([\d.]+) m\s+([\d.]+) \1 l\s+\2 ([\d.]+) l)");
        const QRegularExpressionMatch m = clip.match(QString::fromLatin1(unpacked(pdf)));
        QVERIFY(m.hasMatch());
        const double top = m.captured(1).toDouble(), bottom = m.captured(3).toDouble();
        QVERIFY2(qAbs(m.captured(2).toDouble() - printer.width()) < 1, qPrintable(m.captured()));
        QVERIFY2(qAbs(bottom - top - printer.width() * 512.0 / 682) < 1, qPrintable(m.captured()));
        QVERIFY2(qAbs(top - (printer.height() - (bottom - top)) / 2) < 1, qPrintable(m.captured()));
    }

    // Where so much was drawn that the drawing was not kept, Print prints the picture and the
    // drawing files are refused, nothing written.
    void drawingNotKept()
    {
        Window window;
        // Dots far apart, each plot's at other heights, all on the sheet.
        for (int i = 1; i <= 150 && window.drawn.drawing().isComplete(); ++i)
            window.plot(2, QString::number(1000 + i), QString::number(1 + i % 17));
        QVERIFY(!window.drawn.drawing().isComplete());
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("p.pdf"));
        printPlot(window.form, window.drawn, printer);
        QVERIFY(contents(dir.filePath("p.pdf")).contains("/Subtype /Image"));
        for (const char *name : {"d.svg", "d.pdf"}) {
            const QString path = dir.filePath(name);
            QString failure;
            try {
                savePlot(window.form, window.drawn, path, 1);
            } catch (const ui::RuntimeError &error) {
                failure = error.detail();
            }
            QCOMPARE(failure,
                     QString("The plot could not be saved to \"%1\": %2.")
                             .arg(path, sheet::unavailable(window.drawn.drawing())));
            QVERIFY(!QFile::exists(path));
        }
    }

    // --render of several plots draws the sheet the window draws pressing Plot for each in turn,
    // centre markers and their colours included.
    void severalPlots_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after --render FILE
        QTest::newRow("three on a worksheet") << QStringList {
                "--lower",    "-6", "--upper", "6", "--function", "ax^2", "--a", "1.5",
                "--function", "8",  "--a",     "3", "--function", "ax^3", "--a", "1.5"};
        QTest::newRow("each with its own range")
                << QStringList {"--function", "2",          "--b", "3",       "--lower",
                                "-10",        "--function", "1",   "--upper", "20"};
    }

    void severalPlots()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        const QString path = dir.filePath("r.png");
        const CommandLine line = parseCommandLine(QStringList {"--render", path} + arguments);
        QCOMPARE(line.action, CommandLine::Action::Render);
        plot::Random::shared().restart();
        QCOMPARE(render(line.render), 0);
        const QImage rendered(path);

        plot::Random::shared().restart();
        ui::Screen::overrideSize(line.render.screen);
        Program program;
        Form1 &form = program.form;
        form.window.load.raise();
        form.window.activate.raise();
        for (const PlotRequest &plot : line.render.plots) {
            form.l1.choose(int(std::find_if(plot::catalogue().begin(), plot::catalogue().end(),
                                            [&plot](const plot::Entry &entry) {
                                                return entry.text == plot.function;
                                            })
                               - plot::catalogue().begin()));
            for (int i = 0; i < 4; ++i)
                form.T6[i].setText(plot.coefficients[i]);
            form.V1.setValue(qint16(plot.lower));
            form.V2.setValue(qint16(plot.upper));
            form.Cp.click.raise();
        }
        QCOMPARE(line.render.plots.size(), size_t(arguments.count("--function")));
        QCOMPARE(rendered.convertToFormat(QImage::Format_RGB32),
                 plotImage(form).convertToFormat(QImage::Format_RGB32));
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
