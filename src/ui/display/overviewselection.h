#pragma once

// The overview's selection: for each series the statistics of the selected
// measurements (n, sum, mean, standard deviation, minimum and maximum with
// where they occur, √sum) and the summed spectrum of the range with the
// energy windows' bounds.

#include <QWidget>

class OverviewModel;
class QChartView;
class QLabel;
class QTableWidget;

class OverviewSelection : public QWidget {
    Q_OBJECT
public:
    explicit OverviewSelection(OverviewModel& model, QWidget* parent = nullptr);

    void Retranslate();

private:
    void ShowSelection();
    void FillTable();
    void FillSpectrum();

    OverviewModel& m_model;
    QLabel* m_caption = nullptr;
    QTableWidget* m_table = nullptr;
    QChartView* m_spectrum = nullptr;
};
