#include "ui/display/energywindows.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

std::optional<int> DecimalInteger(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

bool LoadCursorPositions(const ParameterSet& parameters, EnergyWindowTable& table) {
    const std::optional<int> count = DecimalInteger(parameters[WindowCountParameter]);
    if (!count) {
        table.WindowCount = 0;
        return false;
    }
    const int windows = std::clamp(*count, 0, MaxWindowCount);
    std::array<int, 2 * MaxWindowCount> bounds = table.WindowBounds;
    for (int j = 1; j <= 2 * windows; ++j) {
        const std::optional<int> bound = DecimalInteger(parameters[WindowCountParameter + j]);
        if (!bound) {
            table.WindowCount = 0;
            return false;
        }
        bounds[j - 1] = std::clamp(*bound, 0, ChannelCount - 1);
    }
    table.WindowCount = windows;
    table.WindowBounds = bounds;
    return true;
}

QString RoiTitle(const EnergyWindowTable& table) {
    return QStringLiteral("Ch %1-%2").arg(table.WindowBounds[0]).arg(table.WindowBounds[1]);
}

qint32 CalculROIs(const Session& session, const EnergyWindowTable& table, int index, int k) {
    if (k < 1 || k > MaxWindowCount || index < 0 || index >= session.SpectrumCount())
        return 0;
    const int lo = std::max(table.WindowBounds[2 * k - 2], 0);
    const int hi = std::min(table.WindowBounds[2 * k - 1], ChannelCount - 1);
    if (hi < lo)
        return 0;
    const qint32* spectrum = session.SpectrumAt(index);
    qint64 sum = 0;
    for (int channel = lo; channel <= hi; ++channel)
        sum += spectrum[channel];
    // A file may hold any 32-bit counts; a sum that no longer fits is held at the limit.
    return qint32(std::clamp<qint64>(sum, std::numeric_limits<qint32>::min(),
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
