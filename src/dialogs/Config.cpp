#include "dialogs/Config.h"

#include "dialogs/DialogParts.h"
#include "resources/Plaatjes.h"
#include "widgets/Speaker.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace kwintor {

namespace {

// Bar positions 0, 1, 2 are the grey, red and green dice: offsets 0, 6, 12 into the faces.
constexpr int FacesPerColour = 6;
constexpr int DiceColours = 3;

} // namespace

Config::Config(const Settings& settings, QWidget* parent)
    : FormDialog(parent, tr(" Instellingen"), twips(5100) - 6, twips(3315) - 31), m_settings(settings) {
    Form_Load();
}

void Config::Form_Load() {
    QFrame* frame1 = addFrame1(*this, 4905, 2820);
    m_speaker = new Speaker(frame1);

    addBackdrop(frame1, QStringLiteral("Label1"), twipsRect(150, 240, 1500, 915), backdropBlack);
    for (int i = 1; i <= 3; ++i) {
        const int top = 270 + 285 * (i - 1);
        m_scrollColor[i] =
            addScrollBar(frame1, QStringLiteral("ScrollColor(%1)").arg(i), twipsRect(180, top, 1440, 285), 0, 255);
        m_kleurLabel[i] =
            addCaption(frame1, QStringLiteral("KleurLabel(%1)").arg(i), QStringLiteral("0"), 1740, top + 45);
        static const char* const Components[] = {"", QT_TR_NOOP("Achtergrondkleur, rood"),
                                                 QT_TR_NOOP("Achtergrondkleur, groen"),
                                                 QT_TR_NOOP("Achtergrondkleur, blauw")};
        m_scrollColor[i]->setAccessibleName(tr(Components[i]));
    }
    addCaption(frame1, QStringLiteral("Label2"), tr("Achtergrondkleur"), 2100, 315);

    addBackdrop(frame1, QStringLiteral("Label3"), twipsRect(150, 1500, 1500, 330), backdropDark);
    m_hScroll1 = addScrollBar(frame1, QStringLiteral("HScroll1"), twipsRect(180, 1530, 1440, 270), 0, DiceColours - 1);
    addCaption(frame1, QStringLiteral("Label4"), tr("Dobbelsteenkleur"), 1710, 1545);
    m_hScroll1->setAccessibleName(tr("Dobbelsteenkleur"));
    m_hScroll1->setAccessibleDescription(tr("0 grijs, 1 rood, 2 groen"));

    m_image1 = new QLabel(frame1);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setGeometry(twipsRect(150, 1920, 750, 750));
    m_image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_image1->setPixmap(QPixmap::fromImage(Plaatjes::instance().sampleDie()));

    const OkCancel buttons = addOkCancel(frame1, backdropBlack);
    m_cancelKnop = buttons.cancel;
    m_okKnop = buttons.ok;

    for (int i = 1; i <= 3; ++i)
        connect(m_scrollColor[i], &QScrollBar::valueChanged, this, [this, i] { ScrollColor_Change(i); });
    connect(m_hScroll1, &QScrollBar::valueChanged, this, &Config::HScroll1_Change);

    setTabOrder(m_cancelKnop, m_okKnop);
    setTabOrder(m_okKnop, m_scrollColor[1]);
    setTabOrder(m_scrollColor[1], m_scrollColor[2]);
    setTabOrder(m_scrollColor[2], m_scrollColor[3]);
    setTabOrder(m_scrollColor[3], m_hScroll1);
    m_cancelKnop->setFocus();

    // The bars open at the stored colour, which the main window already shows.
    m_scrollColor[1]->setValue(m_settings.AchtergrondRood);
    m_scrollColor[2]->setValue(m_settings.AchtergrondGroen);
    m_scrollColor[3]->setValue(m_settings.AchtergrondBlauw);
    for (int i = 1; i <= 3; ++i) {
        m_kleurLabel[i]->setText(QString::number(m_scrollColor[i]->value()));
        m_kleurLabel[i]->adjustSize();
    }
    // The settings file only ever gives 0, 6 or 12; a bar at 0 reports nothing, so show its die here.
    const int position = m_settings.DobbelsteenKleur / FacesPerColour;
    if (position == 0)
        HScroll1_Change(0);
    else
        m_hScroll1->setValue(position);
}

void Config::ScrollColor_Change(int index) {
    m_kleurLabel[index]->setText(QString::number(m_scrollColor[index]->value()));
    m_kleurLabel[index]->adjustSize();
    emit previewColour(m_scrollColor[1]->value(), m_scrollColor[2]->value(), m_scrollColor[3]->value());
}

void Config::HScroll1_Change(int value) {
    // The dice colour takes effect at once: neither OK nor Cancel touches it afterwards.
    const int kleur = value * FacesPerColour;
    m_settings.DobbelsteenKleur = static_cast<std::uint8_t>(kleur);
    m_image1->setPixmap(QPixmap::fromImage(Plaatjes::instance().Img(kleur + 1)));
    static const char* const Colours[] = {QT_TR_NOOP("grijs"), QT_TR_NOOP("rood"), QT_TR_NOOP("groen")};
    const QString colour = tr(Colours[std::clamp(value, 0, 2)]);
    m_image1->setAccessibleName(tr("Voorbeeldsteen, %1").arg(colour));
    if (m_hScroll1->hasFocus())
        m_speaker->say(tr("Dobbelsteenkleur %1").arg(colour));
}

void Config::OkKnop_Click() {
    m_settings.AchtergrondRood = m_scrollColor[1]->value();
    m_settings.AchtergrondGroen = m_scrollColor[2]->value();
    m_settings.AchtergrondBlauw = static_cast<std::uint8_t>(m_scrollColor[3]->value());
    accept();
}

void Config::reject() {
    emit previewColour(m_settings.AchtergrondRood, m_settings.AchtergrondGroen, m_settings.AchtergrondBlauw);
    QDialog::reject();
}

} // namespace kwintor
