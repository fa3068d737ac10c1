#pragma once

// What the overview's views show: the measurement table of the session shown
// in the main window, the current step and the selected range. The views read
// it and ask it for changes; it never reaches the main window, which it talks
// to only through StepRequested and SetCurrentStep.

#include "analysis/measurementtable.h"

#include <QColor>
#include <QObject>

class OverviewModel : public QObject {
    Q_OBJECT
public:
    explicit OverviewModel(QObject* parent = nullptr);

    // Takes the session as the main window shows it; the session must outlive
    // the next Load or Clear.
    void Load(const Session& session, const WindowBoundsTable& windows, int groupSize,
              int currentStep);
    void Clear();

    const Session* ShownSession() const { return m_session; }
    const MeasurementTable& Table() const { return m_table; }
    qint32 MeasurementCount() const { return m_table.MeasurementCount(); }
    int GroupSize() const { return m_groupSize; }
    // The phase of a measurement's step, as the main window names it.
    QString PhaseOf(qint32 measurement) const;

    int CurrentStep() const { return m_currentStep; }
    // The 0-based measurements of the current step.
    qint32 CurrentFirst() const { return qint32(m_currentStep) * m_groupSize; }
    qint32 CurrentLast() const { return CurrentFirst() + m_groupSize - 1; }
    void SetCurrentStep(int step);

    // A click on measurement m: the main window is asked to show its step.
    void RequestMeasurement(qint32 measurement);

    bool HasSelection() const { return m_selectionFirst >= 0; }
    qint32 SelectionFirst() const { return m_selectionFirst; }
    qint32 SelectionLast() const { return m_selectionLast; }
    // Both ends in either order, held inside the table.
    void Select(qint32 from, qint32 to);
    void ClearSelection();

    // Series 0 (the total) and the windows 1 … 4, each in its own colour;
    // window 1 is red like its swatch in the main window.
    static QColor SeriesColour(int series);
    // "Total" or the window's "Ch lo-hi".
    QString SeriesName(int series) const;

signals:
    void Loaded();
    void CurrentStepChanged(int step);
    void SelectionChanged();
    void StepRequested(int step);

private:
    const Session* m_session = nullptr;
    MeasurementTable m_table;
    int m_groupSize = 1;
    int m_currentStep = 0;
    qint32 m_selectionFirst = -1;
    qint32 m_selectionLast = -1;
};
