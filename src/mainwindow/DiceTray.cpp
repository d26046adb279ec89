#include "mainwindow/DiceTray.h"

#include "engine/Game.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/SheetView.h"
#include "mainwindow/SpokenTexts.h"
#include "resources/Plaatjes.h"
#include "widgets/ClickLabel.h"
#include "widgets/Theme.h"
#include "widgets/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace kwintor {

namespace {

const QColor DieBackground(170, 170, 170);
// The tray stands at (11370, 690) twips in the window; its frames are placed relative to that.
constexpr int Left = 11370;
constexpr int Top = 690;

QFrame* addFrame(QWidget* parent, const QString& name, int top, int height) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(twipsRect(0, top - Top, 1350, height));
    return frame;
}

} // namespace

void DiceTray::follow(const GameFlow& flow) {
    connect(&flow, &GameFlow::throwBegun, this, [this, &flow] {
        showWorp(flow.state());
        // Named for the throw before it greys: a screen reader reads the button as it changes.
        setSpokenName(*m_schudKnop, throwButtonText(flow.state()));
        m_schudKnop->setEnabled(false);
        clearDice(flow.game().rolling());
    });
    connect(&flow, &GameFlow::dieSettled, this, [this, &flow](int die) { showDie(die, flow.state()); });
    connect(&flow, &GameFlow::thrown, this, [this] {
        DobbelHoeken();
        m_schudKnop->setFocus();
    });
}

DiceTray::DiceTray(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DiceTray"));
    setGeometry(twipsRect(Left, Top, 1350, 8490 - Top));
    m_frames = {addFrame(this, QStringLiteral("Frame13"), 690, 6000),
                addFrame(this, QStringLiteral("Frame16"), 6690, 600),
                addFrame(this, QStringLiteral("Frame15"), 7290, 600)};

    for (int die = 1; die <= DiceCount; ++die) {
        const int y = 450 + 1125 * (DiceCount - die);
        auto* shape = new HoldShape(m_frames[0]);
        shape->setObjectName(QStringLiteral("Shape(%1)").arg(die));
        shape->setGeometry(twipsRect(210, y - 90, 945, 945));
        shape->hide();
        m_shape[die] = shape;
        auto* picture = new ClickLabel(m_frames[0]);
        picture->setObjectName(QStringLiteral("DobbelsteenPic(%1)").arg(die));
        picture->setGeometry(twipsRect(300, y, 750, 750));
        kwintor::setBackground(picture, DieBackground);
        picture->onClick = [this, die] { emit dieClicked(die); };
        m_dobbelsteenPic[die] = picture;
        auto* mark = m_mark[die] = new AdviceMark(m_frames[0]);
        mark->setObjectName(QStringLiteral("Advies(%1)").arg(die));
        mark->move(1, twips(y + 375) - AdviceMark::Size / 2); // left of the die, at its middle
    }

    m_scoreLabel = new QLabel(QStringLiteral("0"), m_frames[1]);
    m_scoreLabel->setObjectName(QStringLiteral("ScoreLabel"));
    m_scoreLabel->setFont(arialFont(14.25, true));
    setTextColour(m_scoreLabel, QColor(0, 0, 64));
    m_scoreLabel->move(twips(585), twips(180));
    m_scoreLabel->setAlignment(Qt::AlignCenter);
    m_scoreLabel->adjustSize();
    m_worpPic = new QLabel(m_frames[2]);
    m_worpPic->setObjectName(QStringLiteral("WorpPic"));
    m_worpPic->setGeometry(twipsRect(120, 210, 1125, 300));
    kwintor::setBackground(m_worpPic, QColor(128, 128, 128));

    auto* backKnop = new QLabel(this);
    backKnop->setObjectName(QStringLiteral("BackKnop"));
    backKnop->setGeometry(twipsRect(0, 7980 - Top, 1350, 510));
    backKnop->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_schudKnop = new QPushButton(tr("Gooien"), this);
    m_schudKnop->setObjectName(QStringLiteral("SchudKnop"));
    m_schudKnop->setGeometry(twipsRect(11400 - Left, 8010 - Top, 1290, 460));
    m_schudKnop->setAutoDefault(false);
    connect(m_schudKnop, &QPushButton::clicked, this, &DiceTray::throwClicked);
}

void DiceTray::setColours(const QColor& corners, int diceColour) {
    m_corners = corners;
    m_diceColour = diceColour;
    DobbelHoeken();
}

void DiceTray::apply(const TrayView& view) {
    for (int die = 1; die <= DiceCount; ++die)
        m_shape[die]->setVisible(view.held[die]);
    showWorp(view.throwCount);
    m_scoreLabel->setText(view.sum);
    m_scoreLabel->adjustSize();
    for (int die = 1; die <= DiceCount; ++die)
        setSpokenName(*m_dobbelsteenPic[die], view.dieSpoken[die]);
    setSpokenName(*m_scoreLabel, view.sumSpoken);
    setSpokenName(*m_worpPic, view.counterSpoken);
    m_schudKnop->setEnabled(view.throwEnabled);
    setSpokenName(*m_schudKnop, view.throwSpoken);
    for (int die = 1; die <= DiceCount; ++die)
        m_mark[die]->setVisible(view.adviceMarked[die]);
    m_schudKnop->setToolTip(view.throwToolTip);
}

void DiceTray::showWorp(const GameState& state) { showWorp(state.WorpTeller); }

void DiceTray::showWorp(int throws) { m_worpPic->setPixmap(QPixmap::fromImage(Plaatjes::instance().Worp(throws))); }

void DiceTray::showDice(const GameState& state) {
    for (int die = 1; die <= DiceCount; ++die)
        showDie(die, state);
    DobbelHoeken();
}

void DiceTray::showDie(int die, const GameState& state) {
    const int value = state.DobbelWaarde[die];
    if (value == 0) {
        m_canvas[die] = QImage(50, 50, QImage::Format_RGB888);
        m_canvas[die].fill(DieBackground);
    } else {
        m_canvas[die] = Plaatjes::instance().Img(value + m_diceColour).copy();
    }
    m_dobbelsteenPic[die]->setPixmap(QPixmap::fromImage(m_canvas[die]));
}

bool DiceTray::adviceMarked(int die) const { return !m_mark[die]->isHidden(); }

void DiceTray::clearDice(const std::array<bool, DiceCount + 1>& rolling) {
    for (int die = 1; die <= DiceCount; ++die)
        if (rolling[die]) {
            m_dobbelsteenPic[die]->clear();
            m_canvas[die] = QImage();
        }
}

void DiceTray::DobbelHoeken() {
    static constexpr int corners[12][2] = {{0, 0},  {1, 0},  {0, 1},  {48, 0},  {49, 0},  {49, 1},
                                           {0, 48}, {0, 49}, {1, 49}, {49, 48}, {49, 49}, {48, 49}};
    for (int die = 1; die <= DiceCount; ++die) {
        QImage& canvas = m_canvas[die];
        if (canvas.isNull())
            continue;
        for (const auto& corner : corners)
            canvas.setPixelColor(corner[0], corner[1], m_corners);
        m_dobbelsteenPic[die]->setPixmap(QPixmap::fromImage(canvas));
    }
}

} // namespace kwintor
