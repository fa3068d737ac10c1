#include "demonstration.h"

#include "simulatedport.h"
#include "spectra.h"

#include "link/portselect.h"
#include "link/qtserialport.h"

namespace sim {

namespace {

constexpr int LineBaudRate = 57600;

struct DemonstrationRun {
    int daysAgo;
    QTime start;
    quint8 methodCode; // 0 Rolle, 1 Thomas, 2 Test
    int measurements;
    double concentration; // Bq/m3
    int periodSeconds;
};

// Cellars and living rooms of a campaign: a few hundred to a few thousand
// becquerels per cubic metre, counted long enough for peaks that stand out.
const DemonstrationRun Runs[] = {
    {41, QTime(8, 30), 0, 3, 850, 900},    {40, QTime(14, 15), 1, 3, 2400, 900},
    {33, QTime(9, 0), 2, 8, 1400, 600},    {27, QTime(10, 45), 0, 3, 5200, 900},
    {26, QTime(16, 20), 1, 3, 620, 900},   {19, QTime(18, 0), 0, 24, 1500, 1800},
    {12, QTime(8, 50), 1, 12, 3300, 1200}, {8, QTime(11, 10), 2, 4, 900, 900},
    {5, QTime(9, 40), 0, 3, 1900, 900},    {2, QTime(13, 25), 1, 3, 7400, 900},
};

} // namespace

InstrumentMemory DemonstrationMemory(const QDate& today) {
    InstrumentMemory memory;
    memory.parameters = FactoryParameters();
    quint16 number = 101;
    quint32 seed = 11;
    for (const DemonstrationRun& run : Runs) {
        AcquisitionPlan plan;
        plan.number = number++;
        plan.start = QDateTime(today.addDays(-run.daysAgo), run.start);
        plan.methodCode = run.methodCode;
        plan.measurements = run.measurements;
        plan.concentration = run.concentration;
        plan.periodSeconds = run.periodSeconds;
        plan.seed = seed++;
        memory.acquisitions.push_back(GenerateAcquisition(plan));
    }
    return memory;
}

std::unique_ptr<SerialPort> MakeInstrumentPort() {
    return std::make_unique<PortSelector>([] { return std::make_unique<QtSerialPortBackend>(); },
                                          [] {
                                              auto port = std::make_unique<SimulatedPort>(
                                                  DemonstrationMemory(QDate::currentDate()));
                                              // Paced as the real line, so that progress and the
                                              // remaining time look as they will with the
                                              // instrument.
                                              port->SetBaud(LineBaudRate);
                                              return port;
                                          });
}

} // namespace sim
