#include "memory.h"

#include "spectra.h"

namespace sim {

int InstrumentMemory::MeasurementTotal() const {
    int total = 0;
    for (const StoredAcquisition& acquisition : acquisitions)
        total += int(acquisition.measurements.size());
    return total;
}

std::array<QByteArray, ParameterCount> FactoryParameters() {
    std::array<QByteArray, ParameterCount> values;
    values.fill("0");
    const std::pair<int, const char*> set[] = {
        {0, "OVRA0042"},      {1, "3"},      {2, "258"},      {4, "15/03/11"},  {5, "14:05"},
        {6, "06/2010"},       {7, "2"},      {8, "06/2012"},  {9, "0"},         {10, "0.285"},
        {11, "10.00"},        {12, "12"},    {13, "6.2"},     {14, "6.6"},      {15, "0.002441"},
        {16, "30"},           {17, "120"},   {18, "20"},      {19, "60"},       {21, "5.500"},
        {22, "20"},           {23, "200"},   {24, "1.250"},   {25, "0.000001"}, {26, "-0.00012"},
        {27, "0.1024"},       {28, "-40.5"}, {29, "2"},       {30, "68"},       {31, "80"},
        {32, "88"},           {33, "102"},   {38, "250"},     {39, "0.0625"},   {40, "300.0"},
        {41, "0.0125"},       {42, "-2.5"},  {43, "512"},     {46, "0.0183"},   {47, "0.12"},
        {48, "1.05"},         {49, "-0.3"},  {50, "1013.25"}, {51, "20"},       {52, "5"},
        {63, "Cave\tMaison"},
    };
    for (const auto& [index, value] : set)
        values[std::size_t(index)] = value;
    return values;
}

InstrumentMemory GeneratedMemory(int acquisitions, int measurements, quint32 seed) {
    InstrumentMemory memory;
    memory.parameters = FactoryParameters();
    const QDateTime first(QDate(2011, 3, 15), QTime(9, 30, 0));
    for (int a = 0; a < acquisitions; ++a) {
        AcquisitionPlan plan;
        plan.number = quint16(a + 1);
        plan.start = first.addDays(a).addSecs(qint64(a) * 17 * 60);
        plan.methodCode = quint8(a % 3);
        plan.measurements = measurements;
        plan.concentration = 800 + 350 * (a % 4);
        plan.seed = seed;
        memory.acquisitions.push_back(GenerateAcquisition(plan));
    }
    return memory;
}

} // namespace sim
