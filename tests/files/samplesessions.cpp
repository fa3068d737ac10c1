#include "samplesessions.h"

#include <cstdint>

namespace {

ParameterSet PlausibleParameters() {
    // clang-format off
    const char* const values[ParameterCount] = {
        "OV-0412",      "2",            "258",          "0",            // 0-3
        "14/03/11",     "09:12",        "06/2010",      "2",            // 4-7
        "06/2012",      "0",            "0.312",        "5.00",         // 8-11
        "12",           "5.8",          "6.1",          "0.0121",       // 12-15
        "30",           "120",          "60",           "300",          // 16-19
        "0",            "5.500",        "1500",         "3000",         // 20-23
        "1.150",        "0.000000012",  "-0.000004500", "0.061200000",  // 24-27
        "-21.300000000", "1",           "40",           "100",          // 28-31
        "0",            "0",            "0",            "0",            // 32-35
        "0",            "0",            "20",           "0.258000000",  // 36-39
        "352.100000000", "0.012400000", "-0.510000000", "640",          // 40-43
        "0",            "0",            "1.020000000",  "0.150000000",  // 44-47
        "0.004100000",  "-0.020000000", "1013.25",      "20.0",         // 48-51
        "5",            "0",            "0",            "0",            // 52-55
        "0",            "0",            "0",            "0",            // 56-59
        "0",            "0",            "0",            "",             // 60-63
    };
    // clang-format on
    ParameterSet set;
    for (int i = 0; i < ParameterCount; ++i)
        set[i] = QString::fromLatin1(values[i]);
    // A comment with a line break (stored as TAB) and a letter outside ASCII.
    set[63] = QStringLiteral("Sous-sol \u00e9cole\tPoint 3");
    return set;
}

// Exact integer arithmetic only, so the spectra come out the same on every
// platform and the sample files can be written again byte for byte.
class Pseudorandom {
public:
    explicit Pseudorandom(std::uint32_t seed)
        : m_state(seed) {}
    int Below(int limit) {
        m_state = m_state * 1664525u + 1013904223u;
        return int((m_state >> 8) % std::uint32_t(limit));
    }

private:
    std::uint32_t m_state;
};

int IntegerRoot(int value) {
    int root = 0;
    while ((root + 1) * (root + 1) <= value)
        ++root;
    return root;
}

// An alpha line: a narrow peak (sigma about 2 channels, weights in thousandths)
// with the tail toward low energies that the sample's own absorption gives.
int PeakCount(int channel, int peak, int amplitude) {
    static const int shape[] = {1000, 882, 607, 325, 135, 44, 11, 2};
    const int distance = channel > peak ? channel - peak : peak - channel;
    int count = distance < 8 ? amplitude * shape[distance] / 1000 : 0;
    if (channel < peak - 1)
        count += amplitude * 5 / ((peak - channel) * (peak - channel) + 40);
    return count;
}

// Polonium-218 (6.00 MeV) near channel 77 and polonium-214 (7.69 MeV) near
// channel 98 on the 0-10 MeV scale of the 128 channels.
void AddMeasurement(std::vector<qint32>& spectra, int amplitude218, int amplitude214,
                    Pseudorandom& random) {
    for (int channel = 0; channel < ChannelCount; ++channel) {
        const int mean =
            PeakCount(channel, 77, amplitude218) + PeakCount(channel, 98, amplitude214);
        const int spread = IntegerRoot(mean) + 1;
        int count = mean + random.Below(2 * spread + 1) - spread + random.Below(3);
        spectra.push_back(count < 0 ? 0 : count);
    }
}

struct SampleShape {
    const char* name;
    const char* method;
    const char* start;
    double volume;
    double eapv;
    bool spectraAvailable;
    std::vector<std::pair<int, int>> amplitudes; // polonium-218, polonium-214 per measurement
    char separator;
};

const std::vector<SampleShape>& Shapes() {
    static const std::vector<SampleShape> shapes = {
        {"rolle3",
         "Rolle",
         "15/03/2011 14:30",
         12.34,
         0.567,
         true,
         {{820, 260}, {640, 470}, {410, 520}},
         '.'},
        {"rolle4",
         "Rolle",
         "16/03/2011 09:05",
         18.75,
         0.842,
         true,
         {{910, 300}, {700, 515}, {455, 560}, {300, 480}},
         '.'},
        {"thomas5",
         "Thomas",
         "02/04/2011 08:15",
         25.5,
         1.234,
         true,
         {{1200, 380}, {980, 640}, {760, 705}, {520, 650}, {360, 540}},
         ','},
        {"test3",
         "Test",
         "20/04/2011 16:45",
         0.0,
         0.0,
         true,
         {{150, 60}, {145, 62}, {152, 58}},
         '.'},
        {"single", "Rolle", "21/04/2011 10:00", 0.0, 0.0, true, {{700, 240}}, '.'},
        {"nomeasure", "Rolle", "22/04/2011 11:20", 0.0, 0.0, true, {}, '.'},
        {"unavailable",
         "Rolle",
         "23/04/2011 13:40",
         12.34,
         0.567,
         false,
         {{0, 0}, {0, 0}, {0, 0}},
         '.'},
    };
    return shapes;
}

// FNV-1a: Qt's own string hash differs between processors and runs.
std::uint32_t NameSeed(const char* name) {
    std::uint32_t hash = 2166136261u;
    for (const char* p = name; *p; ++p)
        hash = (hash ^ std::uint8_t(*p)) * 16777619u;
    return hash;
}

const SampleShape* FindShape(const QString& name) {
    for (const SampleShape& shape : Shapes()) {
        if (name == QLatin1String(shape.name))
            return &shape;
    }
    return nullptr;
}

} // namespace

QStringList SampleNames() {
    QStringList names;
    for (const SampleShape& shape : Shapes())
        names << QString::fromLatin1(shape.name);
    return names;
}

char SampleDecimalSeparator(const QString& name) {
    const SampleShape* shape = FindShape(name);
    return shape ? shape->separator : '.';
}

Session SampleSession(const QString& name) {
    Session session;
    const SampleShape* shape = FindShape(name);
    if (!shape)
        return session;
    session.SoftwareVersion = QStringLiteral("OV2.07");
    session.Parameters = PlausibleParameters();
    session.StartText = QString::fromLatin1(shape->start);
    session.Method = QString::fromLatin1(shape->method);
    session.MeasurementCount = qint32(shape->amplitudes.size());
    session.Volume = shape->volume;
    session.Eapv = shape->eapv;
    session.SpectraAvailable = shape->spectraAvailable;
    Pseudorandom random(NameSeed(shape->name));
    for (const auto& [amplitude218, amplitude214] : shape->amplitudes)
        AddMeasurement(session.Spectra, amplitude218, amplitude214, random);
    return session;
}
