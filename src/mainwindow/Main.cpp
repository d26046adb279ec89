#include "mainwindow/Main.h"

#include "platform/Platform.h"

namespace kwintor {

Main::Main(Platform& platform, QWidget* parent) : QMainWindow(parent), m_platform(platform) {
    setWindowTitle(QStringLiteral(" Kwintor"));
}

Main::~Main() = default;

void Main::ZetAchtergrond(int, int, int) {}
void Main::DobbelHoeken() {}
void Main::refreshSheet() {}
void Main::SchudKnop_Click() {}
void Main::DobbelsteenPic_Click(int) {}
void Main::SP_Click(int, int) {}
void Main::Form_Load() {}

} // namespace kwintor
