#include "app/form1.h"
#include "app/plotexport.h"
#include "ui/imageoutput.h"
#include "ui/runtimeerror.h"
#include "ui/screen.h"

#include <QtTest>

#include <QImageReader>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

QImage pattern()
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(10, 5, 20, 30, Qt::blue);
    return image;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void save_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format"); // empty: the save fails
        QTest::newRow("png by its extension") << "plot.png" << QByteArray("png");
        QTest::newRow("JPG in capitals is JPEG") << "plot.JPG" << QByteArray("jpeg");
        QTest::newRow("jpeg") << "plot.jpeg" << QByteArray("jpeg");
        QTest::newRow("bmp") << "plot.bmp" << QByteArray("bmp");
        QTest::newRow("unknown extension") << "plot.xyz" << QByteArray();
        QTest::newRow("no extension") << "plot" << QByteArray();
        QTest::newRow("no such folder") << "missing/plot.png" << QByteArray();
    }

    void save()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        const QByteArray earlier("an earlier file");
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(earlier);
        file.close();

        const QString reason = ui::saveImage(pattern(), path);
        QCOMPARE(reason.isEmpty(), !format.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 file.exists() ? QStringList {name} : QStringList {});
        if (format.isEmpty()) {
            QCOMPARE(contents(path), file.exists() ? earlier : QByteArray());
            return;
        }
        QImageReader reader(path);
        QCOMPARE(reader.format(), format);
        const QImage read = reader.read();
        QCOMPARE(read.size(), pattern().size());
        if (format != "jpeg")
            QCOMPARE(read.convertToFormat(QImage::Format_RGB32), pattern());
    }

    void fitted_data()
    {
        QTest::addColumn<QSizeF>("image");
        QTest::addColumn<QRectF>("area");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("wide image on a tall page: full width, centred vertically")
                << QSizeF(200, 100) << QRectF(0, 0, 100, 400) << QRectF(0, 175, 100, 50);
        QTest::newRow("tall image on a wide page: full height, centred across")
                << QSizeF(100, 200) << QRectF(0, 0, 400, 100) << QRectF(175, 0, 50, 100);
        QTest::newRow("small image grows to fill an area of its shape")
                << QSizeF(4, 3) << QRectF(10, 20, 400, 300) << QRectF(10, 20, 400, 300);
        QTest::newRow("offset area keeps the centre")
                << QSizeF(683, 512) << QRectF(50, 60, 1366, 2048)
                << QRectF(50, 60 + (2048 - 1024) / 2.0, 1366, 1024);
    }

    void fitted()
    {
        QFETCH(QSizeF, image);
        QFETCH(QRectF, area);
        QFETCH(QRectF, expected);
        QCOMPARE(ui::fitted(image, area), expected);
    }

    void paintFittedPage()
    {
        QImage page(120, 200, QImage::Format_RGB32);
        page.fill(Qt::red);
        QPainter painter(&page);
        ui::paintFitted(painter, pattern());
        painter.end();
        // 60 x 40 doubles to 120 x 80, from row 60 to 140; blue at columns 20..59, rows 70..129.
        QCOMPARE(page.pixel(60, 59), qRgb(255, 0, 0));
        QCOMPARE(page.pixel(60, 140), qRgb(255, 0, 0));
        QCOMPARE(page.pixel(0, 60), qRgb(255, 255, 255));
        QCOMPARE(page.pixel(119, 139), qRgb(255, 255, 255));
        QCOMPARE(page.pixel(40, 100), qRgb(0, 0, 255));
        QCOMPARE(page.pixel(64, 100), qRgb(255, 255, 255));
    }

    void printToPdf()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("plot.pdf"));
        QVERIFY(ui::printImage(printer, pattern()));
        const QByteArray pdf = contents(dir.filePath("plot.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n"), 1);
        QVERIFY(pdf.contains("/Width 60") && pdf.contains("/Height 40"));

        printer.setOutputFileName(dir.filePath("missing/plot.pdf"));
        QVERIFY(!ui::printImage(printer, pattern()));
    }

    void savePlotNamesPathAndReason()
    {
        Form1 form;
        QTemporaryDir dir;
        const QString path = dir.filePath("missing/plot.png");
        try {
            savePlot(form, path);
            QFAIL("saved into a missing folder");
        } catch (const ui::RuntimeError &error) {
            QCOMPARE(error.kind(), ui::RuntimeError::Kind::FileError);
            QVERIFY2(error.detail().contains(path + "\": No such file or directory"),
                     qPrintable(error.detail()));
        }
        savePlot(form, dir.filePath("plot.png"));
        QCOMPARE(QImage(dir.filePath("plot.png")),
                 form.P.image().convertToFormat(QImage::Format_RGB32));
    }

    void undoClear()
    {
        ui::Screen::overrideSize(QSize(1024, 768));
        Form1 form;
        form.start();
        form.l1.choose(1);
        form.Cp.click.raise();
        const QImage plotted = plotImage(form);
        form.P.dblClick.raise();
        QVERIFY(plotImage(form) != plotted);
        ::undoClear(form);
        QCOMPARE(plotImage(form), plotted);
        form.P.dblClick.raise();
        form.l1.choose(0);
        form.Cp.click.raise(); // a plot ends what could be undone
        const QImage replotted = plotImage(form);
        ::undoClear(form);
        QCOMPARE(plotImage(form), replotted);
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
