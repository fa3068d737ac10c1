#pragma once

// The report's texts, French in the source and translated by the program's
// language module: Report::tr("…").

#include <QCoreApplication>

struct Report {
    Q_DECLARE_TR_FUNCTIONS(Report)
};
