// A German session (LANGUAGE=de, LANG=de_DE.UTF-8): numbers as Germans type them, errors in German.
#include "app/form1.h"
#include "main/translations.h"

#include <QTest>

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void plotWithTypedD_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("quoted"); // in the error's words; none: the plot goes through
        QTest::newRow("1.5 is no German number") << QStringLiteral("1.5") << "\"1.5\"";
        QTest::newRow("1,5 is one and a half") << QStringLiteral("1,5") << QString();
    }

    void plotWithTypedD()
    {
        QFETCH(QString, typed);
        QFETCH(QString, quoted);
        installTranslations();
        Form1 form;
        form.Text1.setText("2");
        form.T6[3].setText(typed);
        form.Cp.click.raise();
        const std::unique_ptr<QWidget> box(QApplication::activeModalWidget());
        QStringList words; // the error's, and Qt's own on its buttons, in German
        for (const QObject *child : box ? box->findChildren<QObject *>() : QObjectList())
            words << child->property("text").toString();
        QVERIFY(quoted.isEmpty() ? !box : words.join(' ').contains(quoted));
        const QString details = QCoreApplication::translate("QMessageBox", "Show Details...");
        QVERIFY(!box || (words.contains(details) && details != "Show Details..."));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
