#include "advisor/ValueTable.h"
#include "dialogs/AnalyseForm.h"
#include "dialogs/ComputerForm.h"
#include "dialogs/Config.h"
#include "dialogs/ScoreForm.h"
#include "dialogs/SpelerForm.h"
#include "dialogs/StatistiekForm.h"
#include "dialogs/Titel.h"
#include "dialogs/UitslagForm.h"
#include "dialogs/WinkansForm.h"
#include "mainwindow/Announcer.h"
#include "mainwindow/DiceTray.h"
#include "mainwindow/SheetTexts.h"
#include "platform/Language.h"
#include "support/MainFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <QTreeWidget>

using namespace kwintor;
using test::MainFixture;

namespace {

// A language of its own that marks every text it is asked for: a text shown without the marks
// never went through the translation.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("⟦%1⟧").arg(QString::fromUtf8(source));
    }
};

// Every window of the program with data in it, in whatever language is installed: the main
// window in the middle of a game with the help panel open, each dialog and the title window.
struct Windows {
    explicit Windows(const ValueTable& table) {
        f.open();
        f.throwDice({3, 3, 3, 5, 2});
        f.place(1, RowDrieGelijke);
        f.throwDice({6, 6, 6, 6, 1});
        f.main->HelpHelp_Click();
        f.main->files().recordScore(245, defaultPlayerName(1).toStdString());

        const GameState& s = f.state();
        PlayerKinds kinds{PlayerKind::Person,    PlayerKind::Person, PlayerKind::Sterk, PlayerKind::Gemiddeld,
                          PlayerKind::Makkelijk, PlayerKind::Person, PlayerKind::Person};
        GameState end = s;
        end.AantalSpelers = 4;
        for (int p = 1; p <= 4; ++p) {
            end.SpelerNaam[p] = defaultPlayerName(p).toStdString();
            for (int row = 0; row < CellCount; ++row)
                end.cells[p][row].scored = isCategoryRow(row);
            end.TotaalAB[p] = 150 + 20 * p;
        }
        const std::vector<Decision> decisions{
            {1, 13, 2, {6, 6, 6, 1, 2}, Decision::Kind::Hold, 0, -1, 1u << 12, 63, 200},
            {1, 13, 3, {5, 6, 4, 6, 6}, Decision::Kind::Place, 0, RowDrieGelijke, 1u << 6, 63, 200},
            {2, 1, 1, {2, 3, 4, 5, 6}, Decision::Kind::Place, 0, RowGroteStraat, 0, 0, 0}};
        const PlayedGame game{end, kinds, decisions};
        auto review = std::make_unique<AnalyseForm>(game, 0, f.platform, f.main.get());
        review->setTable(table);

        std::vector<HistoryEntry> history{{"2026-12-07 20:00", s.SpelerNaam[1], 245, 12.5, 36}};
        dialogs.push_back(std::make_unique<SpelerForm>(2, s.SpelerNaam, f.main.get()));
        dialogs.push_back(std::make_unique<ComputerForm>(4, end.SpelerNaam, kinds, f.main.get()));
        dialogs.push_back(std::make_unique<ScoreForm>(f.main->files().scores(), f.platform, f.main.get()));
        dialogs.push_back(std::make_unique<StatistiekForm>(f.main->files().scores(), history, f.main.get()));
        dialogs.push_back(std::make_unique<Config>(f.main->files().settings(), f.main.get()));
        dialogs.push_back(std::make_unique<UitslagForm>(end, kinds, f.main.get()));
        dialogs.push_back(std::move(review));
        dialogs.push_back(std::make_unique<AnalyseForm>(game, 0, f.platform, f.main.get()));
        for (auto& dialog : dialogs)
            dialog->show();
        titel = std::make_unique<Titel>(f.platform, f.platform);
        titel->show();
        winkans = std::make_unique<WinkansForm>();
        QStringList names;
        for (int p = 1; p <= 4; ++p)
            names << defaultPlayerName(p);
        winkans->setChances(names, {0.374, 0.251, 0.2, 0.175});
        winkans->setRounds(names, {{0.25, 0.25, 0.25, 0.25}, {0.3, 0.3, 0.2, 0.2}});
        winkans->setStatus(WinkansForm::Status::Computing);
        winkans->show();
    }

    QList<QWidget*> all() const {
        QList<QWidget*> windows{f.main.get(), titel.get(), winkans.get()};
        for (const auto& dialog : dialogs)
            windows << dialog.get();
        return windows;
    }

    MainFixture f;
    std::vector<std::unique_ptr<QDialog>> dialogs;
    std::unique_ptr<Titel> titel;
    std::unique_ptr<WinkansForm> winkans;
};

QString where(const QWidget* widget) {
    return widget->window()->objectName() + u'/' + widget->objectName() + u'(' + widget->metaObject()->className() +
           u')';
}

bool wordless(const QString& text) {
    // Numbers, times, dice, addresses and the player's own data carry no words to translate.
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    return !text.contains(letter) || text.contains(u'@') || text.startsWith(QLatin1String("www."));
}

} // namespace

// Every text a person sees or hears is Dutch by default, English for an English desktop, and goes
// through the translation in every window; none is cut off in either language.
class TestLanguages : public QObject {
    Q_OBJECT
    ValueTable m_table;
    std::unique_ptr<QTranslator> m_translator;

    void speak(const QString& code) {
        if (m_translator)
            QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
        if (code == QLatin1String("pseudo"))
            m_translator = std::make_unique<MarkingTranslator>();
        else if (code != QLatin1String(language::Dutch)) {
            m_translator = std::make_unique<QTranslator>();
            QVERIFY(m_translator->load(QStringLiteral(":/i18n/kwintor_%1.qm").arg(code)));
        }
        if (m_translator)
            QCoreApplication::installTranslator(m_translator.get());
        language::setCurrent(code);
    }

private slots:
    void initTestCase() { m_table.compute(2); }
    void cleanup() { speak(QLatin1String(language::Dutch)); }

    void theDesktopsLanguageChooses_data() {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Dutch") << QStringList{"nl-NL"} << "nl";
        QTest::newRow("Flemish") << QStringList{"nl_BE.UTF-8"} << "nl";
        QTest::newRow("English") << QStringList{"en-GB", "en"} << "en";
        QTest::newRow("German gets English") << QStringList{"de-DE", "de"} << "en";
        QTest::newRow("German, then Dutch") << QStringList{"de-DE", "nl"} << "nl";
        QTest::newRow("the C locale") << QStringList{"C"} << "nl";
        QTest::newRow("POSIX") << QStringList{"POSIX"} << "nl";
        QTest::newRow("nothing set") << QStringList{} << "nl";
    }
    void theDesktopsLanguageChooses() {
        QFETCH(QStringList, preferred);
        QFETCH(QString, chosen);
        QCOMPARE(language::available(), (QStringList{"nl", "en"}));
        QCOMPARE(language::choose(preferred, language::available()), chosen);
    }

    // The marking language finds any text that escaped the translation: captions, buttons,
    // headers, menus, tooltips, what a screen reader is told, the questions and what is said.
    void noTextEscapesTheTranslation() {
        speak(QStringLiteral("pseudo"));
        Windows windows(m_table);
        QStringList escaped;
        auto check = [&](const QWidget* widget, const QString& what, const QString& text) {
            if (!wordless(text) && !text.contains(u'⟦'))
                escaped << where(widget) + u' ' + what + QStringLiteral(": ") + text;
        };
        for (QWidget* window : windows.all()) {
            check(window, QStringLiteral("title"), window->windowTitle());
            QList<QWidget*> widgets = window->findChildren<QWidget*>();
            widgets << window;
            for (QWidget* w : widgets) {
                check(w, QStringLiteral("tooltip"), w->toolTip());
                check(w, QStringLiteral("name"), w->accessibleName());
                check(w, QStringLiteral("description"), w->accessibleDescription());
                if (auto* label = qobject_cast<QLabel*>(w); label && w->objectName() != QLatin1String("KlokLabel"))
                    check(w, QStringLiteral("text"), label->text());
                if (auto* button = qobject_cast<QAbstractButton*>(w))
                    check(w, QStringLiteral("text"), button->text());
                if (auto* box = qobject_cast<QComboBox*>(w))
                    for (int i = 0; i < box->count(); ++i)
                        check(w, QStringLiteral("item"), box->itemText(i));
                if (auto* tree = qobject_cast<QTreeWidget*>(w))
                    for (int c = 0; c < tree->columnCount(); ++c)
                        check(w, QStringLiteral("header"), tree->headerItem()->text(c));
                for (QAction* action : w->actions())
                    check(w, QStringLiteral("action"), action->text());
            }
        }
        MainFixture& f = windows.f;
        for (QAction* menu : f.main->menuBar()->actions())
            check(f.main.get(), QStringLiteral("menu"), menu->text());
        check(f.main.get(), QStringLiteral("said"), f.main->announcer().last());
        f.platform.answers.enqueue(Platform::Answer::No);
        f.main->BestandNieuw_Click();
        f.main->HelpSpelregels_Click();
        for (const auto& message : f.platform.messages) {
            check(f.main.get(), QStringLiteral("question"), message.text);
            check(f.main.get(), QStringLiteral("question title"), message.title);
        }
        QVERIFY(f.platform.messages.size() >= 2);
        QVERIFY2(escaped.isEmpty(), qPrintable(escaped.join(u'\n')));
    }

    void nothingIsCutOff_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("Dutch") << "nl";
        QTest::newRow("English") << "en";
    }
    // No label, button, header, table cell or menu title is wider than the room it has, nor
    // elided.
    void nothingIsCutOff() {
        QFETCH(QString, code);
        speak(code);
        Windows windows(m_table);
        QStringList cut;
        auto fits = [&](const QWidget* widget, const QString& text, int width, const QFontMetrics& metrics) {
            for (const QString& line : text.split(u'\n'))
                if (metrics.horizontalAdvance(line) > width || line.contains(u'…'))
                    cut << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                               .arg(where(widget), line)
                               .arg(metrics.horizontalAdvance(line))
                               .arg(width);
        };
        // A label may be wider than the frame it stands in: the frame cuts it off.
        auto room = [](const QWidget* w, int width) {
            const QWidget* parent = w->parentWidget();
            return parent && !w->isWindow() ? std::min(width, parent->width() - w->x()) : width;
        };
        for (QWidget* window : windows.all()) {
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(window))
                    continue;
                if (auto* label = qobject_cast<QLabel*>(w);
                    label && !label->wordWrap() && label->objectName() != QLatin1String("HelpLabel"))
                    fits(w, label->text().remove(u'&'), room(w, label->contentsRect().width() - 2 * label->margin()),
                         label->fontMetrics());
                if (auto* button = qobject_cast<QPushButton*>(w))
                    fits(w, button->text().remove(u'&'), button->width() - 4, button->fontMetrics());
                if (auto* box = qobject_cast<QComboBox*>(w))
                    fits(w, box->currentText(), box->width() - 24, box->fontMetrics());
                if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
                    for (int c = 0; c < tree->columnCount(); ++c) {
                        fits(w, tree->headerItem()->text(c), tree->header()->sectionSize(c) - 4,
                             tree->header()->fontMetrics());
                        for (int i = 0; i < tree->topLevelItemCount(); ++i)
                            fits(w, tree->topLevelItem(i)->text(c), tree->columnWidth(c) - 6, tree->fontMetrics());
                    }
                }
            }
        }
        // Each menu's title stands on the bar, not behind its overflow button.
        QMenuBar* bar = windows.f.main->menuBar();
        for (QAction* menu : bar->actions())
            if (menu->menu() && bar->actionGeometry(menu).right() > bar->width())
                cut << QStringLiteral("menu %1 off the bar").arg(menu->text());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }

    // English where the player speaks it: the captions the issue names, the throw button, the
    // numbers with a decimal point, a question and what the screen reader hears.
    void englishIsSpokenThroughout() {
        speak(QStringLiteral("en"));
        Windows windows(m_table);
        MainFixture& f = windows.f;
        QStringList captions;
        for (int row = RowEnen; row <= RowZessen; ++row)
            captions << f.text(QStringLiteral("LabelB(%1)").arg(row));
        for (int i = 0; i <= RowKans - RowDrieGelijke; ++i)
            captions << f.text(QStringLiteral("LabelO(%1)").arg(i));
        QCOMPARE(captions.join(u'|'), "Ones|Twos|Threes|Fours|Fives|Sixes|Three of a kind|Four of a kind|"
                                      "Small straight|Large straight|Full house|Chance");
        QCOMPARE(f.main->tray().throwButton().text(), "Roll");
        QStringList menus;
        for (QAction* menu : f.main->menuBar()->actions())
            if (menu->menu())
                menus << menu->text().remove(u'&');
        QCOMPARE(menus, (QStringList{"File", "Players", "Tools", "Help"}));
        QTRY_COMPARE(f.main->announcer().last(),
                     "Roll 1 of 3: three, three, three, five, two. Sum 16. Player 1 scores 16 "
                     "in Three of a kind. Roll 1 of 3: six, six, six, six, one. Sum 25.");
        auto* statistics = qobject_cast<StatistiekForm*>(windows.dialogs[3].get());
        QCOMPARE(statistics->findChild<QTreeWidget*>("List1")->topLevelItem(0)->text(4), "245.0");
        f.platform.answers.enqueue(Platform::Answer::No);
        f.main->BestandNieuw_Click();
        QCOMPARE(f.platform.messages.last().text, "Do you want to play the game again?");
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
