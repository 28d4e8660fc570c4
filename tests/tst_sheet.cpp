// The plot area as a document: the drawing record beside the surface's image, the graph paper
// drawn rather than loaded, the sheet as SVG, PDF and sharper rasters, and the table of values.
// The plot area is the one of plotarea.h (682 x 512 pixels) on the window's cyan and graph paper,
// at the screen's device pixel ratio: run again with QT_SCALE_FACTOR=2 for a dense screen.
#include "plot/frame.h"
#include "plotarea.h"
#include "sheet/paper.h"
#include "sheet/sheet.h"
#include "sheet/valuetable.h"
#include "sheet/vectorfile.h"
#include "ui/drawingrecord.h"

#include <QBuffer>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr int kTolerance = 48; // per channel

bool near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= kTolerance
            && std::abs(qGreen(a) - qGreen(b)) <= kTolerance
            && std::abs(qBlue(a) - qBlue(b)) <= kTolerance;
}

// How alike two pictures of one sheet are: the share of all pixels alike, and the share alike of
// those that hold drawing in either (a pixel away from its picture's bare sheet), which a fault
// in the drawing alone moves much further.
struct Likeness
{
    double all = 0;
    double drawn = 0;
};

Likeness compare(const QImage &a, const QImage &bareA, const QImage &b, const QImage &bareB)
{
    if (a.size() != b.size() || a.size() != bareA.size() || b.size() != bareB.size())
        return {};
    qint64 alike = 0, drawn = 0, drawnAlike = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = a.pixel(x, y), pb = b.pixel(x, y);
            const bool same = near(pa, pb);
            alike += same;
            if (!near(pa, bareA.pixel(x, y)) || !near(pb, bareB.pixel(x, y))) {
                ++drawn;
                drawnAlike += same;
            }
        }
    }
    return {double(alike) / (qint64(a.width()) * a.height()),
            drawn ? double(drawnAlike) / drawn : 1.0};
}

// The window's plot area with its record: cyan, the graph paper, the axes as start-up draws them.
struct Window : PlotArea
{
    ui::DrawingRecord record;
    QImage bare; // the surface before anything was drawn

    explicit Window(std::size_t limit = ui::DrawingRecord::kDefaultLimit)
        : record(ui::Screen::mapping(), limit)
    {
        P.setBackColor(sheet::kBackColour);
        P.setPicture(QStringLiteral(":/graphpaper.jpg"));
        P.setRecord(&record);
        bare = P.image().convertToFormat(QImage::Format_RGB32);
        plot::DrawAxes(P);
    }
    ~Window() { P.setRecord(nullptr); }

    void plotWith(const QString &code, const QString &range, const QStringList &boxes)
    {
        Text1.setText(code);
        L4.setCaption(range.section(' ', 0, 0));
        L5.setCaption(range.section(' ', 1, 1));
        for (int i = 0; i < 4; ++i)
            T6[i].setText(boxes[i]);
        plot();
    }
    int scale() const { return qRound(P.image().devicePixelRatio()); }
    // The sheet drawn as the surface draws, without smoothing the edges.
    QImage rough() const
    {
        QImage image(P.image().size(), QImage::Format_RGB32);
        QPainter painter(&image);
        sheet::paintSheet(painter, record, scale());
        return image;
    }
    QImage shown() const { return P.image().convertToFormat(QImage::Format_RGB32); }
    // The sheet with nothing drawn on it.
    QImage blank() const
    {
        ui::DrawingRecord nothing(record.mapping());
        nothing.setArea(record.area());
        return sheet::renderSheet(nothing, scale());
    }
    Likeness likeness(const QImage &drawn) const { return compare(drawn, blank(), shown(), bare); }
};

using Scene = std::function<void(Window &)>;
using Path = std::function<QPointF(double)>;
using Rows = std::vector<sheet::TableRow>;

const QStringList kOneAndAHalf {"1.5", "1.5", "1.5", "1.5"};

void fullRangeSine(Window &w)
{
    w.plotWith("2", "-30 30", kOneAndAHalf);
}

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return process.readAllStandardError() + " (" + program.toUtf8() + " failed)";
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Scene)
Q_DECLARE_METATYPE(Path)
Q_DECLARE_METATYPE(Rows)

class TestSheet : public QObject
{
    Q_OBJECT

private slots:
    // The sheet as each output shows it, beside the surface's image. Drawn from the record as the
    // surface draws, without smoothing the edges, it agrees on nearly every pixel drawn on: only
    // where the surface moved a dot to its nearest pixel do they differ. The SVG and the PDF,
    // rasterised by other programs at the surface's size, and a raster of four times the pixels
    // scaled down show the same sheet; where dots lie apart, which the surface moves to whole
    // pixels, they are held against the sheet's own raster instead.
    void outputShowsTheSheet_data()
    {
        QTest::addColumn<QString>("output"); // "record", "svg", "pdf" or "x4"
        QTest::addColumn<Scene>("scene");
        QTest::addColumn<bool>("againstSurface");
        QTest::addColumn<double>("all");   // the least share of all pixels alike
        QTest::addColumn<double>("drawn"); // ... and of those drawn on
        const auto row = [](const char *name, const char *output, const Scene &scene,
                            bool againstSurface, double all, double drawn) {
            QTest::newRow(name) << QString(output) << scene << againstSurface << all << drawn;
        };
        const auto record = [&](const char *name, const Scene &scene) {
            row(name, "record", scene, true, 0, 0.85);
        };
        const Scene apart = [](Window &w) { w.plotWith("2", "-30 30", {"45", "6", "1", "1"}); };
        record("record: axes as start-up draws them", [](Window &) {});
        record("record: full-range bsin, one flat run", fullRangeSine);
        record("record: btan, steep dots beside its poles",
               [](Window &w) { w.plotWith("3", "-30 30", kOneAndAHalf); });
        record("record: fast bsin, dots further apart than their width", apart);
        record("record: three plots over one another", [](Window &w) {
            w.plotWith("8", "-12 12", {"1.5", "1", "1", "1"});
            w.plotWith("8", "-12 12", {"3", "1", "1", "1"});
            w.plotWith("9", "-12 12", {"1.5", "1", "1", "1"});
        });
        record("record: cleared and plotted again, axes 5 pixels wide", [](Window &w) {
            w.plotWith("1", "-30 30", kOneAndAHalf);
            plot::P_DblClick(w.P);
            w.plotWith("11", "-3 3", {"1.5", "0.75", "1", "1"});
        });
        record("record: the area shrinks and grows again, what it cut off stays cut off",
               [](Window &w) {
                   fullRangeSine(w);
                   w.P.setWidth(6000);
                   w.P.setHeight(4000);
                   w.P.setWidth(10240);
                   w.P.setHeight(7680);
               });
        const Scene sineAndTan = [](Window &w) {
            fullRangeSine(w);
            w.plotWith("3", "-12 12", kOneAndAHalf);
        };
        row("SVG through rsvg-convert", "svg", sineAndTan, true, 0.98, 0.7);
        row("PDF through pdftoppm", "pdf", sineAndTan, true, 0.98, 0.7);
        row("SVG, dots apart", "svg", apart, false, 0.98, 0.7);
        row("PDF, dots apart", "pdf", apart, false, 0.9, 0.7);
        row(
                "four times the pixels", "x4",
                [](Window &w) {
                    w.plotWith("2", "-6 6", {"3", "3", "1", "1"});
                },
                true, 0.98, 0);
    }

    void outputShowsTheSheet()
    {
        QFETCH(QString, output);
        QFETCH(Scene, scene);
        QFETCH(bool, againstSurface);
        QFETCH(double, all);
        QFETCH(double, drawn);
        Window w;
        scene(w);
        QVERIFY(w.record.isComplete());
        const QSize size = w.P.image().size();
        // At the screen's resolution, so that the sheet shows and prints as large as on it.
        const double dpi = 1440 / w.record.mapping().toTwips(1.0) * w.scale();
        QImage shown = w.rough();
        if (output == "x4") {
            const QImage large = sheet::renderSheet(w.record, w.scale() * 4);
            QCOMPARE(large.size(), size * 4);
            QCOMPARE(qRound(large.dotsPerMeterX() * 0.0254), qRound(dpi * 4)); // 0.0254 m an inch
            QCOMPARE(large.dotsPerMeterY(), large.dotsPerMeterX());
            shown = large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        } else if (output != "record") {
            QTemporaryDir dir;
            QFile file(dir.filePath("plot." + output));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(output == "svg" ? sheet::writeSvg(&file, w.record)
                                     : sheet::writePdf(&file, w.record),
                     QString());
            file.close();
            const QString png = dir.filePath("plot.png"), at = QString::number(dpi);
            const QByteArray failure = output == "svg"
                    ? run("rsvg-convert", {"-d", at, "-p", at, "-o", png, file.fileName()})
                    : run("pdftoppm",
                          {"-png", "-singlefile", "-r", at, file.fileName(), dir.filePath("plot")});
            QVERIFY2(failure.isEmpty(), failure.constData());
            // The PDF's page and the SVG's size in millimetres may hold a fraction of a pixel more.
            const QImage whole = QImage(png).convertToFormat(QImage::Format_RGB32);
            const QSize beyond = whole.size() - size;
            QVERIFY(QRect(0, 0, w.scale() + 1, w.scale() + 1)
                            .contains(beyond.width(), beyond.height()));
            shown = whole.copy(QRect(QPoint(), size));
            // Drawn, not a picture of the drawing.
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(!file.readAll().contains("/Subtype /Image"));
        }
        const Likeness like = againstSurface
                ? w.likeness(shown)
                : compare(shown, w.blank(), sheet::renderSheet(w.record, w.scale()), w.blank());
        QVERIFY(like.all >= all);
        QVERIFY(like.drawn >= drawn);
    }

    // Each plot's marker at the centre of the area is on the sheet where the surface has it.
    void markerOnTheSheet()
    {
        Window w;
        w.plotWith("1", "-30 30", kOneAndAHalf);
        const QImage shown = w.shown(), rough = w.rough(), blank = w.blank();
        const int side = 30 * w.scale();
        const QRect centre(QPoint(shown.width() / 2, shown.height() / 2) - QPoint(side, side) / 2,
                           QSize(side, side));
        const auto at = [&centre](const QImage &image) { return image.copy(centre); };
        const Likeness like = compare(at(rough), at(blank), at(shown), at(w.bare));
        QVERIFY(like.drawn >= 0.9);
    }

    // Print: the sheet centred on the page, scaled to fit, and nothing of it beyond its place.
    void fittedOnPage()
    {
        Window w;
        fullRangeSine(w);
        const QRgb none = qRgb(1, 2, 3);
        QImage page(2000, 1000, QImage::Format_RGB32);
        page.fill(none);
        QPainter painter(&page);
        sheet::paintSheetFitted(painter, w.record, QRectF(0, 100, 2000, 800));
        painter.end();
        // 682 x 512 pixels scaled to 800 high are 1065.6 wide, centred: from 467.2 to 1532.8.
        const QRect place(468, 100, 1064, 800);
        for (int y = 0; y < page.height(); y += 3) {
            for (int x = 0; x < page.width(); ++x) {
                const bool untouched = page.pixel(x, y) == none;
                if ((place.contains(x, y) && untouched)
                    || (!place.adjusted(-1, -1, 1, 1).contains(x, y) && !untouched))
                    QFAIL(qPrintable(QString("pixel %1, %2").arg(x).arg(y)));
            }
        }
        // The dot at x = 0 lies on the centre of the place, in the paper's proportions.
        QCOMPARE(page.pixel(1000, 500), qRgb(255, 0, 0));
    }

    // The paper drawn at 1x and 2x is the paper the window loads.
    void paperMatchesPicture_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("scale");
        QTest::newRow("1x") << ":/graphpaper.jpg" << 1;
        QTest::newRow("2x") << ":/graphpaper@2x.jpg" << 2;
    }

    void paperMatchesPicture()
    {
        QFETCH(QString, picture);
        QFETCH(int, scale);
        const QImage loaded = QImage(picture).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(loaded.size(), sheet::Paper::size * scale);
        QImage drawn(loaded.size(), QImage::Format_RGB32);
        drawn.fill(Qt::black);
        QPainter painter(&drawn);
        sheet::paintPaper(painter, scale, QRectF(QPointF(), QSizeF(sheet::Paper::size)));
        painter.end();
        QVERIFY(compare(drawn, drawn, loaded, loaded).all >= 0.9999);
        // Along each edge too, where a line that stops short would show.
        const QRect inside = drawn.rect().adjusted(scale, scale, -scale, -scale);
        for (const QRect &edge : {QRect(drawn.rect().topLeft(), inside.bottomLeft()),
                                  QRect(inside.topRight(), drawn.rect().bottomRight()),
                                  QRect(drawn.rect().topLeft(), inside.topRight()),
                                  QRect(inside.bottomLeft(), drawn.rect().bottomRight())}) {
            const QImage a = drawn.copy(edge), b = loaded.copy(edge);
            QVERIFY2(compare(a, a, b, b).all >= 0.99, qPrintable(QDebug::toString(edge)));
        }
    }

    // A run stands for its dots: at eight times the size it covers what they cover.
    void runLooksLikeItsDots_data()
    {
        QTest::addColumn<int>("dots");
        QTest::addColumn<Path>("path"); // t from 0 to 1 -> pixels
        QTest::newRow("flat: a twentieth of a pixel apart") << 2000 << Path([](double t) {
            return QPointF(10 + 100 * t, 60 + 20 * std::sin(100 * t / 8));
        });
        QTest::newRow("bending sharply") << 2000 << Path([](double t) {
            return QPointF(10 + 100 * t, 20 + 80 * std::abs(std::sin(100 * t / 12)));
        });
        const Path steep = [](double t) { return QPointF(10 + 50 * t, 10 + 100 * t); };
        QTest::newRow("steep: dots just over a pixel apart") << 100 << steep;
        QTest::newRow("dots just under a pixel apart") << 120 << steep;
        QTest::newRow("steep: dots 1.6 pixels apart") << 70 << steep;
        QTest::newRow("steep: dots three pixels apart") << 40 << steep;
        QTest::newRow("back and forth") << 4000 << Path([](double t) {
            return QPointF(60 + 30 * std::sin(6 * std::numbers::pi * t), 20 + 80 * t);
        });
        QTest::newRow("round a tight circle") << 3000 << Path([](double t) {
            const double a = 6 * std::numbers::pi * t;
            return QPointF(60 + 4 * std::cos(a), 60 + 4 * std::sin(a));
        });
    }

    void runLooksLikeItsDots()
    {
        QFETCH(int, dots);
        QFETCH(Path, path);
        ui::DrawingRecord record(ui::TwipsMapping(15));
        record.setArea(QSize(120, 120));
        for (int i = 0; i < dots; ++i) {
            const QPointF at = path(double(i) / dots) * 15;
            record.line(at.x(), at.y(), at.x() - 0.001f, at.y() + 0.001f, 5, ui::rgb(255, 0, 0));
        }
        // Both without smoothing, which smoothing each dot's edge over and over would darken.
        constexpr double kScale = 8;
        QImage white(record.area() * kScale, QImage::Format_RGB32);
        white.fill(Qt::white);
        QImage drawn = white, each = white;
        QPainter painter(&drawn);
        record.paint(painter, kScale);
        painter.end();
        painter.begin(&each);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::red);
        for (int i = 0; i < dots; ++i)
            painter.drawEllipse(path(double(i) / dots) * kScale, 2.5 * kScale, 2.5 * kScale);
        painter.end();
        QVERIFY(compare(drawn, white, each, white).drawn >= 0.98);
    }

    // Memory: a curve plotted again costs nothing more; a record past its limit lets go of
    // everything and says so until the next clear.
    void sameCurveAgainCostsNothing()
    {
        Window w;
        fullRangeSine(w);
        const std::size_t once = w.record.bytes();
        QVERIFY(once < 4096); // as separate dots, the 13,000 in the area would take 104,000
        for (int i = 0; i < 30; ++i)
            fullRangeSine(w);
        // At most the curve being drawn, the one it covers, and what was dropped before.
        QVERIFY(w.record.bytes() <= 3 * once);
        QVERIFY(w.likeness(w.rough()).drawn >= 0.9);
    }

    void pastItsLimitTheRecordGivesUp()
    {
        Window w(32 * 1024);
        int plots = 0;
        for (; w.record.isComplete() && plots < 40; ++plots)
            w.plotWith("2", "-6 6", {QString::number(30 + plots), "3", "1", "1"});
        QVERIFY(plots > 1);
        QCOMPARE(w.record.bytes(), std::size_t(0));
        // Every output that needs it writes nothing and says why.
        QBuffer device;
        device.open(QIODevice::WriteOnly);
        for (const auto &write : {sheet::writeSvg, sheet::writePdf})
            QVERIFY(write(&device, w.record).contains("clear the plot area"));
        QVERIFY(device.data().isEmpty());
        QString reason;
        QVERIFY(sheet::renderSheet(w.record, 2, &reason).isNull());
        QVERIFY(reason.contains("clear the plot area"));
        // Drawing on does not bring it back; clearing does.
        plot::DrawAxes(w.P);
        QVERIFY(!w.record.isComplete());
        QCOMPARE(w.record.bytes(), std::size_t(0));
        plot::P_DblClick(w.P);
        QVERIFY(w.record.isComplete());
        fullRangeSine(w);
        QVERIFY(w.likeness(w.rough()).drawn >= 0.9);
    }

    // Nothing written where the scale is out of range or the device takes nothing: a reason.
    void refusedWithAReason()
    {
        Window w;
        QString reason;
        for (const int scale : {0, 9}) {
            QVERIFY(sheet::renderSheet(w.record, scale, &reason).isNull());
            QVERIFY(reason.contains("1 to 8"));
        }
        QBuffer readOnly;
        readOnly.open(QIODevice::ReadOnly);
        QVERIFY(!sheet::writeTable(&readOnly, {{1, "ax", 1, 2}}).isEmpty());
        QVERIFY(!sheet::writeSvg(&readOnly, w.record).isEmpty());
        QVERIFY(!sheet::writePdf(nullptr, w.record).isEmpty());
    }

    // The table of values: RFC 4180 quoting, numbers in the C locale that read back exactly,
    // whatever the locale (German writes 1,5 and 12.345,5).
    void table_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QByteArray>("text"); // below the header
        QTest::newRow("plain text, a negative number")
                << Rows {{1, "bsin(ax)", 0.5, -1.0}} << QByteArray("1,bsin(ax),0.5,-1\r\n");
        QTest::newRow("a comma: quoted")
                << Rows {{1, "a,b", 0, 2}} << QByteArray("1,\"a,b\",0,2\r\n");
        QTest::newRow("quotes: doubled inside quotes")
                << Rows {{1, "say \"hi\"", 1, 1}} << QByteArray("1,\"say \"\"hi\"\"\",1,1\r\n");
        QTest::newRow("line breaks: quoted") << Rows {{1, "a\nb", 1, 1}, {2, "a\rb", 1, 1}}
                                             << QByteArray("1,\"a\nb\",1,1\r\n2,\"a\rb\",1,1\r\n");
        QTest::newRow("every digit that reads back the same")
                << Rows {{1, "ax", 0.1 + 0.2, -24.999000000000002}}
                << QByteArray("1,ax,0.30000000000000004,-24.999000000000002\r\n");
        QTest::newRow("large and small: no group separators")
                << Rows {{1, "a(e^bx)", 12345.5, 1.5e-7}}
                << QByteArray("1,a(e^bx),12345.5,1.5e-07\r\n");
        QTest::newRow("rows in order, each plot with its function")
                << Rows {{1, "ax", 1, 2}, {1, "ax", 3, 4}, {2, "a,x", 5, 6}, {12, "ax", 7, 8}}
                << QByteArray("1,ax,1,2\r\n1,ax,3,4\r\n2,\"a,x\",5,6\r\n12,ax,7,8\r\n");
    }

    void table()
    {
        QFETCH(Rows, rows);
        QFETCH(QByteArray, text);
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        const QString reason = sheet::writeTable(&file, rows);
        QLocale::setDefault(before);
        QCOMPARE(reason, QString());
        QCOMPARE(file.data(), "plot,function,x,y\r\n" + text);
    }
};

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
