#include "platform/QtPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using kwintor::Platform;

// The real message box: what the keys answer, the captions and the plain text.
class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
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

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
