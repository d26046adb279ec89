#include "platform/QtPlatform.h"
#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

using namespace kwintor;
using kwintor::test::ScriptedPlatform;

// What the desktop gives the game: dice, waits between animation steps, questions.
class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    // Every face 1..6 comes up, nothing else does; two copies started together throw different dice.
    void theDiceShowEveryFaceAndDifferPerStart() {
        QtPlatform first, second;
        QList<int> a, b, seen(7);
        for (int k = 0; k < 600; ++k) {
            a << first.randomFace();
            b << second.randomFace();
            QVERIFY(a.last() >= 1 && a.last() <= 6);
            ++seen[a.last()];
        }
        QVERIFY2(!seen.mid(1).contains(0), "a face never came up in 600 throws"); // by chance once in 10^47
        QVERIFY(a != b);
    }

    void aWaitEndsOnTheFirstReadingAtOrPastTheWantedTime_data() {
        QTest::addColumn<double>("start");   // clock at the start, seconds since midnight
        QTest::addColumn<double>("step");    // how far the clock moves per wait; 0: all that is left
        QTest::addColumn<double>("seconds"); // the wait asked
        QTest::addColumn<int>("waits");
        QTest::newRow("across midnight, steps of 0.03") << 86399.95 << 0.03 << 0.1 << 4;
        QTest::newRow("across midnight, one wait") << 86399.95 << 0.0 << 0.1 << 1;
        QTest::newRow("less than no time") << 43200.0 << 0.01 << -1.0 << 0;
    }
    void aWaitEndsOnTheFirstReadingAtOrPastTheWantedTime() {
        QFETCH(double, start);
        QFETCH(double, step);
        QFETCH(double, seconds);
        QFETCH(int, waits);
        ScriptedPlatform platform;
        platform.setClock(start);
        platform.step = step;
        platform.onWait = [&platform] { // a wait that never ends must fail, not hang
            if (platform.waits.size() > 1000)
                throw std::runtime_error("endless wait");
        };
        QVERIFY_THROWS_NO_EXCEPTION(platform.Pauze(seconds));
        QCOMPARE(platform.waits.size(), waits);
        for (int k = 0; k < waits; ++k) // each wait asks for what is left
            QVERIFY(qAbs(platform.waits[k] - (seconds - k * step)) < 1e-6);
    }

    // The window stays live during a real wait: a timer due meanwhile fires.
    void aRealWaitRunsTheEventLoop() {
        QtPlatform platform;
        bool fired = false;
        QTimer::singleShot(0, [&] { fired = true; });
        platform.Pauze(0.05);
        QVERIFY(fired);
    }

    void keysAnswerTheQuestion_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Platform::Answer>("answer");
        QTest::newRow("Enter answers Ja") << int(Qt::Key_Return) << Platform::Answer::Yes;
        QTest::newRow("Escape answers Nee") << int(Qt::Key_Escape) << Platform::Answer::No;
    }
    void keysAnswerTheQuestion() {
        QFETCH(int, key);
        QFETCH(Platform::Answer, answer);
        kwintor::QtPlatform platform;
        QStringList captions;
        QString text;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton* button : box->buttons())
                captions << button->text();
            text = box->text();
            format = box->textFormat();
            QTest::keyClick(box, Qt::Key(key));
        });
        QCOMPARE(platform.messageBox(nullptr, QStringLiteral("Score van 12 voor <b>Ann</b>?"), Platform::Buttons::YesNo,
                                     QStringLiteral(" Score")),
                 answer);
        captions.sort();
        QCOMPARE(captions, (QStringList{"Ja", "Nee"}));
        QCOMPARE(text, QStringLiteral("Score van 12 voor <b>Ann</b>?"));
        QCOMPARE(format, Qt::PlainText); // a name is shown as typed, never as markup
    }
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
