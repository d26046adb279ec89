#include "dialogs/WinkansForm.h"

#include "dialogs/ChanceChart.h"
#include "dialogs/DialogParts.h"

#include <QCloseEvent>
#include <QLabel>

namespace kwintor {

namespace {
constexpr int ClientWidth = twips(5700);
constexpr int ClientHeight = twips(6300);
} // namespace

WinkansForm::WinkansForm(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("WinkansForm"));
    setWindowTitle(tr(" Winkans"));
    setFont(sansFont(8.25));
    setFixedSize(ClientWidth, ClientHeight);
    setAutoFillBackground(true);
    // The game keeps the keys: W there reads these figures too.
    setAttribute(Qt::WA_ShowWithoutActivating);

    for (int p = 0; p < 6; ++p) {
        auto* line = new QLabel(this);
        line->setObjectName(QStringLiteral("Kans(%1)").arg(p + 1));
        line->setFont(sansFont(9.75, true));
        line->setTextFormat(Qt::PlainText);
        line->setFocusPolicy(Qt::TabFocus); // each line is read on its own
        line->setGeometry(twipsRect(120, 90 + p * 300, 5460, 285));
        line->hide();
        m_lines[static_cast<std::size_t>(p)] = line;
    }
    auto* uitleg = new QLabel(tr("De kans dat een speler het hoogste eindtotaal haalt, als vanaf nu iedere speler "
                                 "speelt zoals Sterk: steeds de zet met het hoogste verwachte eindtotaal van de eigen "
                                 "kolom."),
                              this);
    uitleg->setObjectName(QStringLiteral("Uitleg"));
    uitleg->setWordWrap(true);
    uitleg->setGeometry(twipsRect(120, 1950, 5460, 600));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Status"));
    m_status->setFont(sansFont(8.25, true));
    m_status->setGeometry(twipsRect(120, 2580, 5460, 240));
    m_chart = new ChanceChart(this);
    m_chart->setObjectName(QStringLiteral("Grafiek"));
    m_chart->setGeometry(twipsRect(120, 2880, 5460, 3300));
    m_chart->setFocusPolicy(Qt::TabFocus);
    setRounds({}, {});
}

void WinkansForm::setChances(const QStringList& names, const std::vector<double>& chances) {
    for (int p = 0; p < 6; ++p) {
        QLabel* line = m_lines[static_cast<std::size_t>(p)];
        const bool shown = p < names.size() && static_cast<std::size_t>(p) < chances.size();
        if (shown) {
            //: One player's chance to win: "Anna: 37,4 %".
            const QString text = tr("%1: %2").arg(names[p], percentText(chances[static_cast<std::size_t>(p)]));
            line->setText(text);
            line->setAccessibleName(text);
        }
        line->setVisible(shown);
    }
}

void WinkansForm::setRounds(const QStringList& names, const std::vector<std::vector<double>>& rounds) {
    m_chart->setValues(names, rounds, tr("Winkans na elke ronde"), tr("Ronde"), 0);
}

void WinkansForm::setStatus(Status status) {
    switch (status) {
    case Status::Ready: m_status->clear(); break;
    case Status::Computing: m_status->setText(tr("Wordt berekend...")); break;
    case Status::WaitingForTable: m_status->setText(tr("De tabel van de adviseur wordt nog gemaakt.")); break;
    }
    m_status->setAccessibleName(m_status->text());
}

void WinkansForm::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

} // namespace kwintor
