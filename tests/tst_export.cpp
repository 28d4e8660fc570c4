#include "ui/imageoutput.h"

#include <QtTest>

#include <QImageReader>
#include <QPrinter>

namespace {

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

    void printToPdf()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("missing/plot.pdf")); // no such folder: a failure
        QVERIFY(!ui::printImage(printer, pattern()));
        printer.setOutputFileName(dir.filePath("plot.pdf"));
        QVERIFY(ui::printImage(printer, pattern()));
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
