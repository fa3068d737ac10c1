#pragma once

// A press, drag and release across a view of measurements, shared by the
// trends and the map: a short move is a click on one measurement (the main
// window goes to its step), a longer one selects the measurements between.

#include "ui/display/overviewmodel.h"

#include <cstdlib>

class MeasurementDrag {
public:
    // A hand's tremor during a click is not a selection.
    static constexpr int ClickTolerancePx = 4;

    void Press(int x, qint32 measurement) {
        m_active = measurement >= 0;
        m_startX = m_x = x;
        m_from = m_to = measurement;
    }
    void Move(int x, qint32 measurement) {
        if (!m_active || measurement < 0)
            return;
        m_x = x;
        m_to = measurement;
    }
    bool Active() const { return m_active; }
    bool IsRange() const { return m_active && std::abs(m_x - m_startX) >= ClickTolerancePx; }
    qint32 From() const { return m_from; }
    qint32 To() const { return m_to; }
    void Release(OverviewModel& model) {
        if (!m_active)
            return;
        m_active = false;
        if (IsRangeAt(m_x))
            model.Select(m_from, m_to);
        else
            model.RequestMeasurement(m_from);
    }

private:
    bool IsRangeAt(int x) const { return std::abs(x - m_startX) >= ClickTolerancePx; }

    bool m_active = false;
    int m_startX = 0;
    int m_x = 0;
    qint32 m_from = -1;
    qint32 m_to = -1;
};
