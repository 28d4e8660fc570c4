// The plot's story as a screen reader hears it, without a window: plots, clears, and a state kept
// at a clear and given back when it is undone.
#include "access/plotstory.h"

#include <QTest>

class TestStory : public QObject
{
    Q_OBJECT

private slots:
    void told_data()
    {
        QTest::addColumn<QString>("events"); // a letter for a plot told so, "clear", "undo"
        QTest::addColumn<QString>("told");   // the description, lines joined by "/"
        // clang-format off
        QTest::newRow("nothing yet") << "" << "Empty: only the axes are drawn.";
        QTest::newRow("a plot repeated at once is counted") << "A A B" << "A, drawn 2 times./B.";
        QTest::newRow("a repeat after another is told again") << "A B A" << "A./B./A.";
        QTest::newRow("the latest three are told") << "A B C D E" << "Earlier plots not listed: 2./C./D./E.";
        QTest::newRow("a clear") << "A clear" << "Empty: only the axes are drawn.";
        QTest::newRow("a clear undone") << "A B B clear undo" << "A./B, drawn 2 times.";
        QTest::newRow("the count goes on after an undo") << "A clear undo A" << "A, drawn 2 times.";
        // clang-format on
    }

    void told()
    {
        QFETCH(QString, events);
        QFETCH(QString, told);
        PlotStory story;
        PlotStory::State kept; // what the last clear found
        for (const QString &event : events.split(' ', Qt::SkipEmptyParts)) {
            if (event == "clear") {
                kept = story.state();
                story.cleared();
            } else if (event == "undo") {
                story.restore(kept);
            } else {
                story.plotted(event, std::nullopt);
            }
        }
        QCOMPARE(story.description(), told.replace('/', '\n'));
    }

    // The readout's scale is the latest plot's, none after a clear, and back with its undo.
    void mapping()
    {
        PlotStory story;
        QVERIFY(!story.mapping());
        story.plotted("A", plot::GraphMapping {1, 2, 3});
        story.plotted("B", plot::GraphMapping {4, 5, 6});
        QCOMPARE(story.mapping()->cx, 4.0f);
        const PlotStory::State kept = story.state();
        story.cleared();
        QVERIFY(!story.mapping());
        story.restore(kept);
        QCOMPARE(story.mapping()->s, 6.0);
    }
};

QTEST_APPLESS_MAIN(TestStory)
#include "tst_story.moc"
