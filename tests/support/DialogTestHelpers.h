#pragma once

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace kwintor::test {

// The named child; a missing one stops the run with its name.
template <typename T = QWidget>
T* child(QObject* parent, const QString& name) {
    if (auto* found = parent->findChild<T*>(name))
        return found;
    qFatal("no child %s", qPrintable(name));
}

inline void click(QWidget* parent, const QString& button) {
    QTest::mouseClick(child<QPushButton>(parent, button), Qt::LeftButton);
}

// Shows the dialog and checks its title, its fixed client size, the focus going once round by
// Tab (from where it starts back to there) and what Escape does.
inline void checkWindow(QDialog& dialog, const QString& title, QSize size, const QStringList& tabs,
                        bool escapeCloses = false) {
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(dialog.size(), size);
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QStringList order{QApplication::focusWidget()->objectName()};
    while (order.size() < tabs.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, tabs);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.isVisible(), !escapeCloses);
}

} // namespace kwintor::test
