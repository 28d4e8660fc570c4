// The plot area as a document: what it holds drawn anew beside its image, the graph paper drawn
// rather than loaded, SVG, PDF and sharper rasters, the page of Print, and the table of values.
// The window's plot area at the screen's device pixel ratio: run again with QT_SCALE_FACTOR=2.
#include "drawn/drawingrecord.h"
#include "images.h"
#include "plot/frame.h"
#include "sheet/paper.h"
#include "sheet/sheet.h"
#include "sheet/valuetable.h"
#include "sheet/vectorfile.h"
#include "window.h"

#include <QBuffer>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

// The window's plot area, and the same with nothing drawn on it.
struct Sheet : Window
{
    const QImage bare = (form.P.cls(), image());
    Sheet() { plot::DrawAxes(form.P); }
    int dpr() const { return qRound(form.P.image().devicePixelRatio()); }
    // The sheet drawn as the surface draws, without smoothing the edges, `scale` times as large.
    QImage painted(int scale = 1) const
    {
        QImage image(form.P.image().size() * scale, QImage::Format_RGB32);
        QPainter painter(&image);
        sheet::paintSheet(painter, drawn, dpr() * scale);
        return image;
    }
};

using Scene = std::function<void(Sheet &)>;
using Path = std::function<QPointF(double)>;
using Rows = std::vector<sheet::TableRow>;

// A rasteriser's picture of `file` at `dpi`, as large as the plot area; a null image and the
// reason where it gave none.
QImage rasterised(const QString &file, double dpi, QSize size, QByteArray *failure)
{
    QProcess process;
    const QString at = QString::number(dpi), png = file + ".png";
    if (file.endsWith(".svg"))
        process.start("rsvg-convert", {"-d", at, "-p", at, "-o", png, file});
    else
        process.start("pdftoppm", {"-png", "-singlefile", "-r", at, file, file});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        *failure = process.readAllStandardError();
    // The PDF's page and the SVG's size in millimetres may hold a fraction of a pixel more.
    return QImage(png).copy(QRect(QPoint(), size)).convertToFormat(QImage::Format_RGB32);
}

} // namespace

Q_DECLARE_METATYPE(Scene)
Q_DECLARE_METATYPE(Path)
Q_DECLARE_METATYPE(Rows)

class TestSheet : public QObject
{
    Q_OBJECT

private slots:
    // What the area holds drawn anew agrees with its image on nearly every pixel drawn on (the
    // surface moves each dot to its nearest pixel); the SVG and the PDF rasterised by other
    // programs at the area's size, and a raster of four times the pixels scaled down, show the
    // same sheet.
    void outputShowsTheSheet_data()
    {
        QTest::addColumn<QString>("output"); // "painted", "svg", "pdf" or "x4"
        QTest::addColumn<Scene>("scene");
        QTest::addColumn<double>("least"); // share of the pixels drawn on alike
        const Scene sine = [](Sheet &s) { s.plot(2, "1.5", "1.5", -30, 30); };
        // clang-format off
        QTest::newRow("axes as start-up draws them") << "painted" << Scene([](Sheet &) {}) << 0.85;
        QTest::newRow("full-range bsin, one flat run") << "painted" << sine << 0.85;
        QTest::newRow("btan, steep dots beside its poles") << "painted" << Scene([](Sheet &s) { s.plot(3, "1.5", "1.5", -30, 30); }) << 0.85;
        QTest::newRow("fast bsin, dots apart") << "painted" << Scene([](Sheet &s) { s.plot(2, "45", "6", -30, 30); }) << 0.85;
        QTest::newRow("three plots over one another") << "painted" << Scene([](Sheet &s) { s.plot(8, "1.5"); s.plot(8, "3"); s.plot(9, "1.5"); }) << 0.85;
        QTest::newRow("cleared, plotted: axes 5 wide") << "painted" << Scene([](Sheet &s) { s.plot(1); s.clear(); s.plot(11, "1.5", "0.75", -3, 3); }) << 0.85;
        QTest::newRow("the area shrinks and grows: what it cut off stays cut off") << "painted" << Scene([sine](Sheet &s) { sine(s); s.form.P.setWidth(6000); s.form.P.setHeight(4000); s.form.P.setWidth(10240); s.form.P.setHeight(7680); }) << 0.85;
        QTest::newRow("SVG through rsvg-convert") << "svg" << Scene([sine](Sheet &s) { sine(s); s.plot(3); }) << 0.7;
        QTest::newRow("PDF through pdftoppm") << "pdf" << Scene([sine](Sheet &s) { sine(s); s.plot(3); }) << 0.7;
        QTest::newRow("four times the pixels") << "x4" << Scene([](Sheet &s) { s.plot(2, "3", "3", -6, 6); }) << 0.7;
        // clang-format on
    }

    void outputShowsTheSheet()
    {
        QFETCH(QString, output);
        QFETCH(Scene, scene);
        QFETCH(double, least);
        Sheet s;
        scene(s);
        const QSize size = s.form.P.image().size();
        // At the screen's resolution, so that the sheet shows and prints as large as on it.
        const double dpi = 1440 / s.drawn.mapping().toTwips(1.0) * s.dpr();
        QImage shown = s.painted();
        if (output == "x4") {
            const QImage large = sheet::renderSheet(s.drawn, s.dpr() * 4);
            QCOMPARE(large.size(), size * 4);
            QCOMPARE(qRound(large.dotsPerMeterX() * 0.0254), qRound(dpi * 4));
            shown = large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        } else if (output != "painted") {
            QTemporaryDir dir;
            QFile file(dir.filePath("plot." + output));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(output == "svg" ? sheet::writeSvg(&file, s.drawn)
                                     : sheet::writePdf(&file, s.drawn),
                     QString());
            file.close();
            QByteArray failure;
            shown = rasterised(file.fileName(), dpi, size, &failure);
            QVERIFY2(failure.isEmpty(), failure.constData());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(!file.readAll().contains("/Subtype /Image")); // drawn, not pictured
        }
        QVERIFY(output == "painted" || alike(shown, s.image()) >= 0.98);
        QVERIFY(alike(shown, s.image(), s.bare) >= least);
    }

    // Each plot's marker is on the sheet where the surface has it, in its colour.
    void markerOnTheSheet()
    {
        Sheet s;
        s.plot(1, "1.5", "1.5", -30, 30);
        s.plot(9, "1.5", "1.5", -3, 3);
        const int side = 30 * s.dpr();
        const QRect centre(QPoint(s.bare.width() - side, s.bare.height() - side) / 2,
                           QSize(side, side));
        QVERIFY(alike(s.painted().copy(centre), s.image().copy(centre), s.bare.copy(centre))
                >= 0.9);
    }

    // Print: the sheet centred on the page, scaled to fit, and nothing of it beyond its place.
    void fittedOnPage()
    {
        Sheet s;
        s.plot(2, "1.5", "1.5", -30, 30);
        const QRgb none = qRgb(1, 2, 3);
        QImage page(2000, 1000, QImage::Format_RGB32);
        page.fill(none);
        QPainter painter(&page);
        sheet::paintSheetFitted(painter, s.drawn, QRectF(0, 100, 2000, 800));
        painter.end();
        // 682 x 512 pixels scaled to 800 high are 1065.6 wide, centred: from 467.2 to 1532.8.
        const QRect place(468, 100, 1064, 800);
        QCOMPARE(box(page, [none](QRgb c) { return c != none; }).adjusted(1, 0, -1, 0), place);
        QVERIFY(box(page, [none](QRgb c) { return c == none; }).contains(QRect(0, 0, 2000, 100)));
        // The dot at x = 0 lies on the centre of the place, in the paper's proportions.
        QCOMPARE(page.pixel(1000, 500), qRgb(255, 0, 0));
    }

    // The paper drawn at 1x and 2x is the paper the window loads, along each edge too.
    void paperMatchesPicture_data()
    {
        QTest::addColumn<int>("scale");
        // clang-format off
        QTest::newRow(":/graphpaper.jpg") << 1;
        QTest::newRow(":/graphpaper@2x.jpg") << 2;
        // clang-format on
    }

    void paperMatchesPicture()
    {
        QFETCH(int, scale);
        const QImage loaded = QImage(QTest::currentDataTag()).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(loaded.size(), sheet::Paper::size * scale);
        QImage drawn(loaded.size(), QImage::Format_RGB32);
        drawn.fill(Qt::black);
        QPainter painter(&drawn);
        sheet::paintPaper(painter, scale, QRectF(QPointF(), QSizeF(sheet::Paper::size)));
        painter.end();
        QVERIFY(alike(drawn, loaded) >= 0.9999);
        const QRect inside = drawn.rect().adjusted(scale, scale, -scale, -scale);
        for (const QRect &edge : {QRect(drawn.rect().topLeft(), inside.bottomLeft()),
                                  QRect(inside.topRight(), drawn.rect().bottomRight()),
                                  QRect(drawn.rect().topLeft(), inside.topRight()),
                                  QRect(inside.bottomLeft(), drawn.rect().bottomRight())})
            QVERIFY2(alike(drawn.copy(edge), loaded.copy(edge)) >= 0.99,
                     qPrintable(QDebug::toString(edge)));
    }

    // Dots drawn as runs cover at eight times the size what the dots themselves cover.
    void runLooksLikeItsDots_data()
    {
        QTest::addColumn<int>("dots");
        QTest::addColumn<Path>("path"); // t from 0 to 1 -> pixels
        const Path steep = [](double t) { return QPointF(10 + 50 * t, 10 + 100 * t); };
        // clang-format off
        QTest::newRow("flat: a twentieth of a pixel apart") << 2000 << Path([](double t) { return QPointF(10 + 100 * t, 60 + 20 * std::sin(100 * t / 8)); });
        QTest::newRow("bending sharply") << 2000 << Path([](double t) { return QPointF(10 + 100 * t, 20 + 80 * std::abs(std::sin(100 * t / 12))); });
        QTest::newRow("steep: dots just over a pixel apart") << 100 << steep;
        QTest::newRow("dots just under a pixel apart") << 120 << steep;
        QTest::newRow("steep: dots three pixels apart") << 40 << steep;
        QTest::newRow("back and forth") << 4000 << Path([](double t) { return QPointF(60 + 30 * std::sin(6 * std::numbers::pi * t), 20 + 80 * t); });
        QTest::newRow("round a tight circle") << 3000 << Path([](double t) { return QPointF(60 + 4 * std::cos(6 * std::numbers::pi * t), 60 + 4 * std::sin(6 * std::numbers::pi * t)); });
        // clang-format on
    }

    void runLooksLikeItsDots()
    {
        QFETCH(int, dots);
        QFETCH(Path, path);
        DrawingRecord record(ui::TwipsMapping(15));
        record.setArea(QSize(120, 120));
        for (int i = 0; i < dots; ++i) {
            const QPointF at = path(double(i) / dots) * 15;
            record.line(at.x(), at.y(), at.x() - 0.001f, at.y() + 0.001f, 5, ui::rgb(255, 0, 0));
        }
        // Both without smoothing, which smoothing each dot's edge over and over would darken.
        QImage white(record.area() * 8, QImage::Format_RGB32);
        white.fill(Qt::white);
        QImage drawn = white, each = white;
        QPainter painter(&drawn);
        record.paint(painter, 8);
        painter.end();
        painter.begin(&each);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::red);
        for (int i = 0; i < dots; ++i)
            painter.drawEllipse(path(double(i) / dots) * 8, 20, 20);
        painter.end();
        QVERIFY(alike(drawn, each, white) >= 0.98);
    }

    // A curve plotted again is drawn over itself: a drawing holds it once, not once a plot.
    void replottedDrawnOnce()
    {
        qint64 size[2];
        for (const int times : {1, 2}) {
            Sheet s;
            for (int i = 0; i < times; ++i)
                s.plot(2);
            s.plot(8); // and another after it
            QBuffer svg;
            svg.open(QIODevice::WriteOnly);
            QVERIFY(sheet::writeSvg(&svg, s.drawn).isEmpty());
            size[times - 1] = svg.size();
        }
        QCOMPARE(size[1], size[0]); // the markers differ in colour only, as long written
    }

    // Nothing written where the scale is out of range or the device takes nothing: a reason.
    void refusedWithAReason()
    {
        Sheet s;
        QString reason;
        for (const int scale : {0, 9}) {
            QVERIFY(sheet::renderSheet(s.drawn, scale, &reason).isNull());
            QVERIFY(reason.contains("1 to 8"));
        }
        QBuffer readOnly;
        readOnly.open(QIODevice::ReadOnly);
        QVERIFY(!sheet::writeTable(&readOnly, {{1, "ax", 1, 2}}).isEmpty());
        QVERIFY(!sheet::writeSvg(&readOnly, s.drawn).isEmpty());
        QVERIFY(!sheet::writePdf(nullptr, s.drawn).isEmpty());
    }

    // The table of values: RFC 4180 quoting, numbers in the C locale that read back exactly,
    // whatever the locale (German writes 1,5 and 12.345,5).
    void table_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QByteArray>("text"); // below the header
        // clang-format off
        QTest::newRow("a comma, quotes, line breaks: quoted") << Rows {{1, "a,b", 0, 2}, {2, "say \"hi\"", 1, 1}, {3, "a\nb", 1, 1}} << QByteArray("1,\"a,b\",0,2\r\n2,\"say \"\"hi\"\"\",1,1\r\n3,\"a\nb\",1,1\r\n");
        QTest::newRow("every digit that reads back the same") << Rows {{1, "ax", 0.1 + 0.2, -24.999000000000002}} << QByteArray("1,ax,0.30000000000000004,-24.999000000000002\r\n");
        QTest::newRow("large and small: no group separators") << Rows {{12, "a(e^bx)", 12345.5, 1.5e-7}} << QByteArray("12,a(e^bx),12345.5,1.5e-07\r\n");
        // clang-format on
    }

    void table()
    {
        QFETCH(Rows, rows);
        QFETCH(QByteArray, text);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        const QString reason = sheet::writeTable(&file, rows);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(reason, QString());
        QCOMPARE(file.data(), "plot,function,x,y\r\n" + text);
    }
};

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
