#include "report/reportblocks.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int WrapFlags = Qt::TextWordWrap;

qreal SectionHeadingHeight(const ReportStyle& style) {
    return style.line * 1.8;
}

void PaintSectionHeading(QPainter& painter, const ReportStyle& style, const QString& heading,
                         const QRectF& area) {
    const QRectF band(area.left(), area.top(), area.width(), SectionHeadingHeight(style));
    painter.setFont(style.section);
    painter.setPen(Qt::black);
    painter.drawText(band.adjusted(0, 0, 0, -style.Mm(1)), Qt::AlignLeft | Qt::AlignBottom,
                     heading);
    painter.setPen(QPen(Qt::darkGray, style.Mm(0.2)));
    painter.drawLine(band.bottomLeft(), band.bottomRight());
}

} // namespace

ReportBlock TitleBlock(const ReportStyle& style, const QString& title) {
    ReportBlock block;
    block.height = style.line * 2.2;
    block.paint = [style, title](QPainter& painter, const QRectF& area) {
        painter.setFont(style.title);
        painter.setPen(Qt::black);
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, title);
    };
    return block;
}

ReportBlock SectionHeadingBlock(const ReportStyle& style, const QString& heading) {
    ReportBlock block;
    block.height = SectionHeadingHeight(style);
    block.paint = [style, heading](QPainter& painter, const QRectF& area) {
        PaintSectionHeading(painter, style, heading, area);
    };
    return block;
}

ReportBlock FieldsBlock(const ReportStyle& style, const QPaintDevice& device,
                        const QString& heading, const std::vector<ReportField>& fields) {
    const QFontMetricsF labels(style.bold, &device);
    qreal labelWidth = 0;
    for (const ReportField& field : fields)
        labelWidth = std::max(labelWidth, labels.horizontalAdvance(field.label));
    labelWidth += style.Mm(4);
    const qreal valueWidth = style.body.width() - labelWidth;

    // Each row as tall as its wrapped value.
    std::vector<qreal> heights;
    qreal height = SectionHeadingHeight(style) + style.line * 0.4;
    for (const ReportField& field : fields) {
        const QFontMetricsF values(field.mono ? style.mono : style.text, &device);
        const QRectF bound =
            values.boundingRect(QRectF(0, 0, valueWidth, 1e6), WrapFlags, field.value);
        heights.push_back(std::max(style.line, bound.height() + (style.line - values.height())));
        height += heights.back();
    }
    ReportBlock block;
    block.height = height;
    block.paint = [style, heading, fields, heights, labelWidth](QPainter& painter,
                                                                const QRectF& area) {
        PaintSectionHeading(painter, style, heading, area);
        qreal top = area.top() + SectionHeadingHeight(style) + style.line * 0.4;
        painter.setPen(Qt::black);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            painter.setFont(style.bold);
            painter.drawText(QRectF(area.left(), top, labelWidth, heights[i]),
                             Qt::AlignLeft | Qt::AlignTop, fields[i].label);
            painter.setFont(fields[i].mono ? style.mono : style.text);
            painter.drawText(
                QRectF(area.left() + labelWidth, top, area.width() - labelWidth, heights[i]),
                Qt::AlignLeft | Qt::AlignTop | WrapFlags, fields[i].value);
            top += heights[i];
        }
    };
    return block;
}

ReportBlock ParagraphBlock(const ReportStyle& style, const QPaintDevice& device,
                           const QString& text) {
    const QFontMetricsF metrics(style.text, &device);
    const QRectF bound =
        metrics.boundingRect(QRectF(0, 0, style.body.width(), 1e6), WrapFlags, text);
    ReportBlock block;
    block.height = bound.height() + style.line * 0.3;
    block.paint = [style, text](QPainter& painter, const QRectF& area) {
        painter.setFont(style.text);
        painter.setPen(Qt::black);
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | WrapFlags, text);
    };
    return block;
}
