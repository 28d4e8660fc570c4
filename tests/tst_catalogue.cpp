// The function catalogue, its formulas, the selection of an entry from the list, and the two
// conversions of typed text to numbers.
#include "plot/catalogue.h"
#include "plot/convert.h"
#include "plot/selection.h"
#include "ui/combobox.h"
#include "ui/runtimeerror.h"
#include "ui/textbox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <numbers>

using Status = plot::StrictNumber::Status;

namespace {

void evaluationRow(const char *name, double code, double x, QList<double> typed, double y)
{
    QTest::newRow(name) << code << x << typed << y;
}

void strictRow(const char *name, const QString &text, const QLocale &locale, int status,
               double value = 0)
{
    QTest::newRow(name) << text << locale << status << value;
}

// The function list filled in catalogue order, and the box that receives the code.
struct FunctionList
{
    QWidget window;
    ui::ComboBox l1 {&window};
    ui::TextBox Text1 {&window};
    FunctionList()
    {
        for (const plot::Entry &entry : plot::catalogue())
            l1.addItem(entry.text);
    }
};

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void evaluate_data()
    {
        // The coefficients a, b, c, d as typed; each box's number is divided by 1.5 before use.
        QTest::addColumn<double>("code");
        QTest::addColumn<double>("x");
        QTest::addColumn<QList<double>>("typed");
        QTest::addColumn<double>("y");
        const double pi = std::numbers::pi;
        evaluationRow("bcos at x = 0 gives b", 1, 0, {1.5, 3, 1, 1}, 2);
        evaluationRow("bsin at pi/4 with a = 2", 2, pi / 4, {3, 3, 1, 1}, 2);
        evaluationRow("btan at pi/4 gives b", 3, pi / 4, {1.5, 3, 1, 1}, 2);
        evaluationRow("bcosec: b divides", 4, pi / 2, {1.5, 3, 1, 1}, 1 / 2.0001);
        evaluationRow("bcosec at x = 0 gives 10000", 4, 0, {1.5, 1.5, 1, 1}, 1e4);
        evaluationRow("bcosec with b = 0 gives 10000", 4, 1.3, {1.5, 0, 1, 1}, 1e4);
        evaluationRow("bsec: b divides, 1 / b at x = 0", 5, 0, {1.5, 3, 1, 1}, 0.5);
        evaluationRow("bsec with b = 0 gives 0.001", 5, 0.7, {1.5, 0, 1, 1}, 1e-3);
        evaluationRow("bcot: b divides", 6, pi / 4, {1.5, 3, 1, 1}, 1 / 2.0001);
        evaluationRow("ax divides by 1.5 again", 7, 3, {1.5, 1, 1, 1}, 2);
        evaluationRow("ax^2 from start texts at x = 3 gives 6", 8, 3, {1, 1, 1, 1}, 6);
        evaluationRow("ax^3 keeps the sign of x", 9, -2, {3, 1, 1, 1}, -16);
        // d x^3 + a x^2 + b x + c = 8 + 8 + 6 + 4.
        evaluationRow("cubic puts each coefficient in its place", 10, 2, {3, 4.5, 6, 1.5}, 26);
        evaluationRow("a(e^bx) has base 1.71432", 11, 1, {1.5, 1.5, 1, 1}, 1.71432);
    }

    void evaluate()
    {
        QFETCH(double, code);
        QFETCH(double, x);
        QFETCH(QList<double>, typed);
        QFETCH(double, y);
        const auto value = plot::evaluate(
                code, x, {typed[0] / 1.5, typed[1] / 1.5, typed[2] / 1.5, typed[3] / 1.5});
        QVERIFY(value.has_value());
        // Sines, powers and the divisions by 1.5 round: a relative 1e-12 is allowed.
        QVERIFY2(std::abs(*value - y) <= 1e-12 * std::max(1.0, std::abs(y)),
                 qPrintable(QString::number(*value, 'g', 17)));
    }

    void evaluationErrors()
    {
        QVERIFY(!plot::evaluate(12, 1, {1, 1, 1, 1})); // no such entry
        // sin(-pi/2) is -1, so b sin(a x) = -0.0001 and the cosecant divides by 0.
        QVERIFY_THROWS_EXCEPTION(ui::RuntimeError,
                                 plot::evaluate(4, -std::numbers::pi / 2, {1, 0.0001, 1, 1}));
    }

    void selection_data()
    {
        QTest::addColumn<QString>("listText");
        QTest::addColumn<QString>("code");
        for (int i = 0; i < 11; ++i)
            QTest::newRow(qPrintable(plot::catalogue()[i].text))
                    << plot::catalogue()[i].text << QString::number(i + 1);
        const QString earlier = QStringLiteral("7"); // a text matching none keeps the code
        QTest::newRow("trailing blank matches none") << "bsin(ax) " << earlier;
        QTest::newRow("other case matches none") << "BCOS(AX)" << earlier;
    }

    void selection()
    {
        QFETCH(QString, listText);
        QFETCH(QString, code);
        FunctionList list;
        list.Text1.setText("7"); // the code of an earlier choice
        auto *combo = static_cast<QComboBox *>(list.l1.widget());
        combo->setCurrentIndex(combo->findText(listText));
        combo->setEditText(listText);
        plot::l1_Click({list.l1, list.Text1});
        QCOMPARE(list.Text1.text(), code);
    }

    void typingRaisesNoClick()
    {
        FunctionList list;
        int clicks = 0;
        list.l1.click.connect("l1_Click", [&] { ++clicks; });
        list.window.show();
        QLineEdit *edit = static_cast<QComboBox *>(list.l1.widget())->lineEdit();
        QTest::keyClicks(edit, "bsin(ax)");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(clicks, 0);
    }

    void strict_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("status"); // -1: any result but the value
        QTest::addColumn<double>("value");
        const QLocale c = QLocale::c(), german(QLocale::German, QLocale::Germany);
        const int ok = int(Status::Ok), nan = int(Status::NotANumber);
        strictRow("C: blanks around", "  -2.25 ", c, ok, -2.25);
        strictRow("C: 1e3", "1e3", c, ok, 1000);
        strictRow("German: 1,5", "1,5", german, ok, 1.5);
        strictRow("C: 1,5 is not 1.5", "1,5", c, -1, 1.5);
        strictRow("German: 1.5 is not 1.5", "1.5", german, -1, 1.5);
        strictRow("C: empty", "", c, nan);
        strictRow("C: blanks only", "   ", c, nan);
        for (const char *text : {"abc", "1..2", "inf", "-inf", "nan"})
            strictRow(text, text, c, nan);
        strictRow("C: 1e400", "1e400", c, int(Status::TooLarge));
    }

    void strict()
    {
        QFETCH(QString, text);
        QFETCH(QLocale, locale);
        QFETCH(int, status);
        QFETCH(double, value);
        const plot::StrictNumber number = plot::strictNumber(text, locale);
        if (status < 0) {
            QVERIFY(number.status != Status::Ok || number.value != value);
            return;
        }
        QCOMPARE(int(number.status), status);
        if (number.status == Status::Ok)
            QCOMPARE(number.value, value);
    }

    void lenient()
    {
        const QList<std::pair<QString, double>> rows {{"", 0},      {"abc", 0}, {"12abc", 12},
                                                      {"-30", -30}, {" 7", 7},  {"1e3", 1000},
                                                      {"1e999", 0}};
        for (const auto &[text, value] : rows)
            QVERIFY2(plot::lenientNumber(text) == value, qPrintable(text));
    }
};

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
