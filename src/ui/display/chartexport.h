#pragma once

// The spectrum chart as an image file: what the window shows (the plot, its
// axes and the energy window's cursor lines) laid out again at the chosen
// size, as PNG or, for a file ending in ".svg", as SVG.

#include <QSize>
#include <QString>

class SpectrumChart;

// False with the reason when the file could not be written; a file already
// there is replaced only by a complete image.
bool ExportChartImage(SpectrumChart& chart, const QString& path, const QSize& size, QString& error);
