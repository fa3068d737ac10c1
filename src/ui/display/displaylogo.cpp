#include "ui/display/displaylogo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap OvraLogoPixmap(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF frame(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const qreal w = frame.width();
    const qreal h = frame.height();

    QLinearGradient background(frame.topLeft(), frame.bottomLeft());
    background.setColorAt(0.0, QColor(38, 92, 128));
    background.setColorAt(1.0, QColor(18, 48, 74));
    painter.setPen(QPen(QColor(12, 32, 52), 1));
    painter.setBrush(background);
    painter.drawRoundedRect(frame, w * 0.08, w * 0.08);

    // Two alpha peaks over a baseline: the picture the instrument is about.
    const qreal base = frame.top() + h * 0.56;
    QPainterPath peaks(QPointF(frame.left() + w * 0.08, base));
    peaks.cubicTo(QPointF(w * 0.30, base), QPointF(w * 0.30, h * 0.14),
                  QPointF(w * 0.38, h * 0.14));
    peaks.cubicTo(QPointF(w * 0.45, h * 0.14), QPointF(w * 0.44, base), QPointF(w * 0.54, base));
    peaks.cubicTo(QPointF(w * 0.64, base), QPointF(w * 0.66, h * 0.30),
                  QPointF(w * 0.72, h * 0.30));
    peaks.cubicTo(QPointF(w * 0.78, h * 0.30), QPointF(w * 0.78, base), QPointF(w * 0.92, base));
    QPen peakPen(QColor(73, 163, 182).lighter(150), qMax<qreal>(1.5, h * 0.035));
    painter.setPen(peakPen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(peaks);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
    painter.drawLine(QPointF(frame.left() + w * 0.08, base), QPointF(w * 0.92, base));

    QFont name = painter.font();
    name.setBold(true);
    name.setPixelSize(qMax(8, int(h * 0.28)));
    name.setLetterSpacing(QFont::PercentageSpacing, 110);
    painter.setFont(name);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(frame.left(), base + h * 0.02, w, h * 0.40), Qt::AlignCenter,
                     QStringLiteral("OVRA"));
    return pixmap;
}

DisplayLogo::DisplayLogo(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("ImageLogo"));
    setFixedSize(LogoWidth + ShadowOffset, LogoHeight + ShadowOffset);
}

void DisplayLogo::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(192, 192, 192));
    painter.drawRoundedRect(QRectF(ShadowOffset, ShadowOffset, LogoWidth, LogoHeight), 7, 7);
    painter.drawPixmap(0, 0, OvraLogoPixmap(QSize(LogoWidth, LogoHeight)));
}
