#include "report/reportlayout.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

ReportLayout::ReportLayout(const QRectF& body, qreal gap)
    : m_body(body)
    , m_gap(gap)
    , m_cursor(body.top()) {
    m_pages.emplace_back();
}

void ReportLayout::NewPage() {
    m_pages.emplace_back();
    m_cursor = m_body.top();
}

void ReportLayout::Advance() {
    if (!m_pages.back().empty())
        m_cursor += m_gap;
}

void ReportLayout::PageBreak() {
    if (!m_pages.back().empty())
        NewPage();
}

void ReportLayout::AddBlock(ReportBlock block, qreal keepWithNext) {
    Advance();
    // A block taller than a page still gets a page of its own, cut at its foot.
    if (block.height + keepWithNext > Room() && !m_pages.back().empty())
        NewPage();
    Placement placement;
    placement.part = int(m_blocks.size());
    placement.top = m_cursor;
    m_pages.back().push_back(placement);
    m_cursor += block.height;
    m_blocks.push_back(std::move(block));
}

void ReportLayout::AddTable(ReportTable table) {
    const int part = int(m_tables.size());
    int row = 0;
    Advance();
    // Even a table without rows shows its header.
    do {
        if (table.headerHeight + table.rowHeight > Room() && !m_pages.back().empty())
            NewPage();
        const qreal rowsRoom = Room() - table.headerHeight;
        // At least one row per page, so that a row taller than a page cannot
        // stall the flow.
        const int fitting = std::max(1, int(rowsRoom / table.rowHeight));
        Placement placement;
        placement.part = part;
        placement.table = true;
        placement.top = m_cursor;
        placement.firstRow = row;
        placement.endRow = std::min(table.rowCount, row + fitting);
        m_pages.back().push_back(placement);
        m_cursor += table.headerHeight + (placement.endRow - row) * table.rowHeight;
        row = placement.endRow;
        if (row < table.rowCount)
            NewPage();
    } while (row < table.rowCount);
    m_tables.push_back(std::move(table));
}

bool ReportLayout::Paint(QPagedPaintDevice& device, QPainter& painter, const Footer& footer) const {
    const int count = PageCount();
    for (int page = 0; page < count; ++page) {
        if (page > 0 && !device.newPage())
            return false;
        for (const Placement& placement : m_pages[std::size_t(page)]) {
            if (!placement.table) {
                const ReportBlock& block = m_blocks[std::size_t(placement.part)];
                block.paint(painter,
                            QRectF(m_body.left(), placement.top, m_body.width(), block.height));
                continue;
            }
            const ReportTable& table = m_tables[std::size_t(placement.part)];
            QRectF line(m_body.left(), placement.top, m_body.width(), table.headerHeight);
            table.paintHeader(painter, line);
            line.translate(0, table.headerHeight);
            line.setHeight(table.rowHeight);
            for (int row = placement.firstRow; row < placement.endRow; ++row) {
                table.paintRow(painter, row, line);
                line.translate(0, table.rowHeight);
            }
        }
        footer(painter, page + 1, count);
    }
    return true;
}
