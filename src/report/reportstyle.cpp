#include "report/reportstyle.h"

#include <QFontMetricsF>

namespace {

QFont Font(const char* family, qreal points, QFont::StyleHint hint, bool bold = false) {
    QFont font{QString::fromLatin1(family)};
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Margins that leave room for binding and a punched edge.
constexpr qreal SideMarginMm = 20;
constexpr qreal TopMarginMm = 15;
constexpr qreal FooterMm = 12;

} // namespace

ReportStyle::ReportStyle(const QPaintDevice& device)
    : title(Font("DejaVu Sans", 16, QFont::SansSerif, true))
    , section(Font("DejaVu Sans", 11.5, QFont::SansSerif, true))
    , text(Font("DejaVu Sans", 9, QFont::SansSerif))
    , bold(Font("DejaVu Sans", 9, QFont::SansSerif, true))
    , small(Font("DejaVu Sans", 7.5, QFont::SansSerif))
    , smallBold(Font("DejaVu Sans", 7.5, QFont::SansSerif, true))
    , mono(Font("DejaVu Sans Mono", 8.5, QFont::Monospace))
    , m_dotsPerMm(device.logicalDpiY() / 25.4) {
    line = QFontMetricsF(text, &device).lineSpacing() * 1.15;
    smallLine = QFontMetricsF(small, &device).lineSpacing() * 1.1;
    const QRectF page(0, 0, device.width(), device.height());
    body = page.adjusted(Mm(SideMarginMm), Mm(TopMarginMm), -Mm(SideMarginMm),
                         -Mm(TopMarginMm + FooterMm));
    footer = QRectF(body.left(), body.bottom() + Mm(FooterMm) - smallLine, body.width(), smallLine);
}
