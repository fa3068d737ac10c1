#include "ui/display/energywindows.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <limits>

bool LoadCursorPositions(const ParameterSet& parameters, EnergyWindowTable& table) {
    const WindowBoundsLoad load = LoadWindowBounds(parameters, table);
    static_cast<WindowBoundsTable&>(table) = load.table;
    return load.ok;
}

QString RoiTitle(const EnergyWindowTable& table) {
    return WindowTitle(table, 1);
}

qint32 CalculROIs(const Session& session, const EnergyWindowTable& table, int index, int k) {
    // A file may hold any 32-bit counts; a sum that no longer fits is held at the limit.
    return qint32(std::clamp<qint64>(WindowCountOf(session, table, index, k),
                                     std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

void CalculStepROIs(const Session& session, EnergyWindowTable& table, int step, int groupSize) {
    for (int k = 1; k <= table.WindowCount; ++k) {
        qint64 sum = 0;
        for (int n = 0; n < groupSize; ++n)
            sum += CalculROIs(session, table, step * groupSize + n, k);
        table.WindowCounts[k - 1] = qint32(std::clamp<qint64>(
            sum, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
    }
}

int CursorColumn(double channel, double axisMin, double axisMax, int plotLeft, int plotWidth) {
    if (!(axisMax > axisMin))
        return plotLeft;
    // Halves go to the even neighbour, as everywhere on screen.
    return int(std::nearbyint((channel - axisMin) * plotWidth / (axisMax - axisMin))) + plotLeft;
}

void Draw_Cursor(QPainter& painter, const QRect& plot, int x, const QColor& colour) {
    if (!(plot.left() < x && x < plot.left() + plot.width()))
        return;
    const QColor inverted = QColor::fromRgb(colour.rgb() ^ 0x00FFFFFFu);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(inverted, 1, Qt::SolidLine));
    painter.drawLine(x, plot.top(), x, plot.bottom());
    painter.restore();
}
