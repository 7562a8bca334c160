#include "shell/gui/AboutBox.h"

#include "foundation/gui/OKCancelDialogs.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <cmath>

namespace {

constexpr int ClientWidth = 355;
constexpr int ClientHeight = 249;

// A decaying tone drawn as the waveform a wave window would show.
QPainterPath DecayingTone(const QRectF& area)
{
    QPainterPath path;
    const int steps = 400;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double envelope = std::exp(-3.2 * t) * (1 - std::exp(-40 * t));
        const double y = area.center().y() - envelope * std::sin(t * 2 * M_PI * 11) * area.height() / 2;
        const QPointF point(area.left() + t * area.width(), y);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

} // namespace

const char* TAboutBox::VersionText()
{
    return "9.1";
}

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner)
{
    setObjectName("AboutBox");
    SetDialogWindowFlags(this);
    setWindowTitle(QString("About Quarbel ") + VersionText());
    setFixedSize(ClientWidth, ClientHeight);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(grey);
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    OKButton->setGeometry(ClientWidth - 88, ClientHeight - 36, 75, 25);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the main window.
    if (QWidget* owner = parentWidget()) {
        QRect frame = frameGeometry();
        frame.moveCenter(owner->frameGeometry().center());
        move(frame.topLeft());
    }
}

void TAboutBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = width(), h = height();

    // A dark panel over the upper part, like a wave window's volume diagram.
    const QRectF panel(w * 0.04, h * 0.05, w * 0.92, h * 0.62);
    QLinearGradient sky(panel.topLeft(), panel.bottomLeft());
    sky.setColorAt(0, QColor(20, 30, 70));
    sky.setColorAt(1, QColor(60, 20, 90));
    painter.fillRect(panel, sky);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawRect(panel);

    // The tone, once as a wide glow and once sharp.
    const QRectF wave = panel.adjusted(w * 0.03, h * 0.20, -w * 0.03, -h * 0.04);
    const QPainterPath tone = DecayingTone(wave);
    painter.setPen(QPen(QColor(255, 0, 255, 70), 6));
    painter.drawPath(tone);
    painter.setPen(QPen(QColor(255, 230, 120), 1.6));
    painter.drawPath(tone);

    // The program icon and the title.
    const QIcon icon = parentWidget() ? parentWidget()->windowIcon() : windowIcon();
    const QRectF iconArea(panel.left() + w * 0.03, panel.top() + h * 0.04, 32, 32);
    if (!icon.isNull())
        icon.paint(&painter, iconArea.toRect());
    QFont title("Helvetica");
    title.setPixelSize(static_cast<int>(h * 0.12));
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(iconArea.right() + w * 0.03, panel.top() + h * 0.02, w * 0.6, h * 0.16),
                     Qt::AlignLeft | Qt::AlignVCenter, "Quarbel");

    // The version line.
    QFont terminal("Terminal", 11);
    terminal.setStyleHint(QFont::TypeWriter);
    painter.setFont(terminal);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(w * 0.05, h * 0.80), QString("version ") + VersionText());
}
