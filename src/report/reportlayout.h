#pragma once

// Flows the parts of a report onto pages: a block stays whole on one page, a
// table continues over as many pages as its rows need with its header
// repeated. The pages are planned first, so that every page can say "k / n".

#include <QRectF>

#include <functional>
#include <vector>

class QPainter;
class QPagedPaintDevice;

// A part that is never cut: a heading, a section, a chart.
struct ReportBlock {
    qreal height = 0;
    std::function<void(QPainter&, const QRectF&)> paint;
};

// Rows of equal height under a header.
struct ReportTable {
    qreal headerHeight = 0;
    qreal rowHeight = 0;
    int rowCount = 0;
    std::function<void(QPainter&, const QRectF&)> paintHeader;
    std::function<void(QPainter&, int row, const QRectF&)> paintRow;
};

class ReportLayout {
public:
    // `body` is the part of each page the parts go in; `gap` separates them.
    ReportLayout(const QRectF& body, qreal gap);

    // `keepWithNext`: room the next part needs on the same page, so that a
    // heading is never left alone at the foot of a page.
    void AddBlock(ReportBlock block, qreal keepWithNext = 0);
    void AddTable(ReportTable table);
    // The next part starts a page of its own.
    void PageBreak();

    int PageCount() const { return int(m_pages.size()); }

    // Paints every page, then `footer` on it with its number (1-based) and the
    // page count. False when the device refused a new page.
    using Footer = std::function<void(QPainter&, int page, int pageCount)>;
    bool Paint(QPagedPaintDevice& device, QPainter& painter, const Footer& footer) const;

private:
    // Where one part, or the rows [firstRow, endRow) of a table, lands.
    struct Placement {
        int part = 0;
        bool table = false;
        qreal top = 0;
        int firstRow = 0;
        int endRow = 0;
    };
    qreal Room() const { return m_body.bottom() - m_cursor; }
    void NewPage();
    // Before the next part: the gap, or nothing at the top of a page.
    void Advance();

    QRectF m_body;
    qreal m_gap;
    qreal m_cursor;
    std::vector<ReportBlock> m_blocks;
    std::vector<ReportTable> m_tables;
    std::vector<std::vector<Placement>> m_pages;
};
