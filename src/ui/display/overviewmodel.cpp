#include "ui/display/overviewmodel.h"

#include <algorithm>
#include <array>

OverviewModel::OverviewModel(QObject* parent)
    : QObject(parent) {
}

void OverviewModel::Load(const Session& session, const WindowBoundsTable& windows, int groupSize,
                         int currentStep) {
    m_session = &session;
    m_table = BuildMeasurementTable(session, windows);
    m_groupSize = std::max(groupSize, 1);
    m_currentStep = currentStep;
    m_selectionFirst = m_selectionLast = -1;
    emit Loaded();
}

void OverviewModel::Clear() {
    m_session = nullptr;
    m_table = MeasurementTable();
    m_currentStep = 0;
    m_selectionFirst = m_selectionLast = -1;
    emit Loaded();
}

QString OverviewModel::PhaseOf(qint32 measurement) const {
    return MeasurementPhase(m_table.Method, measurement / m_groupSize);
}

void OverviewModel::SetCurrentStep(int step) {
    if (step == m_currentStep)
        return;
    m_currentStep = step;
    emit CurrentStepChanged(step);
}

void OverviewModel::RequestMeasurement(qint32 measurement) {
    // The trailing remainder of a grouped acquisition is no step of the main window.
    const qint32 steps = MeasurementCount() / m_groupSize;
    const qint32 step = measurement / m_groupSize;
    if (measurement >= 0 && step < steps)
        emit StepRequested(int(step));
}

void OverviewModel::Select(qint32 from, qint32 to) {
    if (MeasurementCount() < 1)
        return;
    const qint32 last = MeasurementCount() - 1;
    m_selectionFirst = std::clamp(std::min(from, to), qint32(0), last);
    m_selectionLast = std::clamp(std::max(from, to), qint32(0), last);
    emit SelectionChanged();
}

void OverviewModel::ClearSelection() {
    if (!HasSelection())
        return;
    m_selectionFirst = m_selectionLast = -1;
    emit SelectionChanged();
}

QColor OverviewModel::SeriesColour(int series) {
    static const std::array<QColor, 1 + MaxWindowCount> colours{
        QColor(73, 163, 182), QColor(255, 0, 0), QColor(0, 90, 200), QColor(0, 150, 60),
        QColor(220, 130, 0)};
    return colours[std::size_t(std::clamp(series, 0, MaxWindowCount))];
}

QString OverviewModel::SeriesName(int series) const {
    return series == 0 ? tr("Total") : WindowTitle(m_table.Windows, series);
}
