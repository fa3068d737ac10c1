#pragma once

// The report's measures and fonts, in the pixels of the device it is drawn on.

#include <QFont>
#include <QPaintDevice>
#include <QRectF>

struct ReportStyle {
    explicit ReportStyle(const QPaintDevice& device);

    qreal Mm(qreal millimetres) const { return millimetres * m_dotsPerMm; }

    QFont title;
    QFont section;
    QFont text;
    QFont bold;
    QFont small;
    QFont smallBold; // the tables' headers
    QFont mono;
    qreal line;      // the height of a line of `text`
    qreal smallLine; // of `small`
    QRectF body;     // where the parts of a page go
    QRectF footer;   // the footer line under them

private:
    qreal m_dotsPerMm;
};
