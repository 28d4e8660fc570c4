#include "app/form1.h"
#include "main/translations.h"

#include <QMessageBox>
#include <QtTest>

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void plotWithTypedD_data() // in a German session: LANGUAGE=de, LANG=de_DE.UTF-8
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("quoted"); // none: the plot goes through
        QTest::newRow("empty d= box") << QString() << "\"d=\"";
        QTest::newRow("1.5 is no German number") << QStringLiteral("1.5") << "\"1.5\"";
        QTest::newRow("1,5 is one and a half") << QStringLiteral("1,5") << QString();
    }
    void plotWithTypedD()
    {
        QFETCH(QString, typed);
        QFETCH(QString, quoted);
        installTranslations();
        QTranslator own;
        QVERIFY(own.load(":/i18n/curvanta_de.qm"));
        Form1 form;
        form.Text1.setText("2");
        form.T6[3].setText(typed);
        form.Cp.click.raise();
        const std::unique_ptr<QWidget> box(QApplication::activeModalWidget());
        QCOMPARE(bool(box), !quoted.isEmpty());
        if (auto *message = qobject_cast<QMessageBox *>(box.get())) {
            QCOMPARE(message->text(), own.translate("ui::RuntimeError", "Type mismatch"));
            QVERIFY(message->informativeText().contains(quoted));
            QStringList texts; // Qt's own buttons speak German too
            for (const QObject *child : message->findChildren<QObject *>())
                texts << child->property("text").toString();
            QVERIFY(texts.contains(QMessageBox::tr("Show Details..."))
                    && !texts.contains("Show Details..."));
        }
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
