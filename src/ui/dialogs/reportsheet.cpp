#include "ui/dialogs/reportsheet.h"

#include <cstdlib>

namespace {

// Positive denominators only; the signs ride on the numerator.
struct Quotient {
    qint64 whole;
    qint64 twiceRemainder; // compared with the denominator: below, at or above the half
};

Quotient Divide(qint64 numerator, qint64 denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    qint64 whole = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) { // floor, so that the remainder is never negative
        --whole;
        remainder += denominator;
    }
    return {whole, 2 * remainder};
}

} // namespace

int RoundQuotientHalfAway(qint64 numerator, qint64 denominator) {
    if (denominator == 0)
        return 0;
    const bool negative = (numerator < 0) != (denominator < 0);
    const Quotient q = Divide(std::llabs(numerator), std::llabs(denominator));
    const qint64 magnitude = q.whole + (q.twiceRemainder >= std::llabs(denominator) ? 1 : 0);
    return int(negative ? -magnitude : magnitude);
}

int RoundQuotientHalfEven(qint64 numerator, qint64 denominator) {
    if (denominator == 0)
        return 0;
    const Quotient q = Divide(numerator, denominator);
    const qint64 half = std::llabs(denominator);
    if (q.twiceRemainder > half || (q.twiceRemainder == half && (q.whole & 1)))
        return int(q.whole + 1);
    return int(q.whole);
}

QRect FitReportPicture(const QSize& picture, const QSize& page, int percent) {
    const qint64 iw = picture.width(), ih = picture.height();
    const qint64 W = page.width(), H = page.height();
    if (iw <= 0 || ih <= 0 || W <= 0 || H <= 0)
        return QRect();
    qint64 w, h;
    if (iw * H > W * ih) { // wider in proportion than the page
        w = W;
        h = RoundQuotientHalfAway(ih * W, iw);
    } else {
        w = RoundQuotientHalfAway(iw * H, ih);
        h = H;
    }
    const int reducedWidth = RoundQuotientHalfEven(percent * w, 100);
    const int reducedHeight = RoundQuotientHalfEven(percent * h, 100);
    return QRect(RoundQuotientHalfEven(W - reducedWidth, 2),
                 RoundQuotientHalfEven(H - reducedHeight, 2), reducedWidth, reducedHeight);
}

QPoint ReportTitlePosition(const QSize& page, int titleWidth) {
    return {RoundQuotientHalfEven(page.width() - titleWidth, 2),
            RoundQuotientHalfEven(page.height(), 50)};
}

QPoint ReportFooterPosition(const QSize& page) {
    return {RoundQuotientHalfEven(page.width(), 50),
            page.height() - 3 * RoundQuotientHalfEven(page.height(), 50)};
}
