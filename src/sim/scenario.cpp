#include "scenario.h"

#include "spectra.h"

#include <QFile>

namespace sim {

namespace {

QByteArray Unescape(const QByteArray& text) {
    QByteArray out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            out.append(next == 't' ? '\t' : next);
        } else {
            out.append(text[i]);
        }
    }
    return out;
}

bool ParseMethod(const QByteArray& word, quint8& code) {
    if (word.compare("Rolle", Qt::CaseInsensitive) == 0)
        code = 0;
    else if (word.compare("Thomas", Qt::CaseInsensitive) == 0)
        code = 1;
    else if (word.compare("Test", Qt::CaseInsensitive) == 0)
        code = 2;
    else {
        bool ok = false;
        const int number = word.toInt(&ok);
        if (!ok || number < 0 || number > 255)
            return false;
        code = quint8(number);
    }
    return true;
}

struct Pending {
    AcquisitionPlan plan;
    std::vector<ChannelCounts> spectra;
};

void Finish(std::vector<Pending>& pending, InstrumentMemory& memory) {
    for (Pending& p : pending) {
        StoredAcquisition acquisition = GenerateAcquisition(p.plan);
        for (std::size_t m = 0; m < p.spectra.size() && m < acquisition.measurements.size(); ++m) {
            acquisition.measurements[m].spectrum = p.spectra[m];
            acquisition.measurements[m].header =
                MeasurementHeader(acquisition, int(m), p.spectra[m], p.plan.periodSeconds);
        }
        memory.acquisitions.push_back(acquisition);
    }
}

} // namespace

bool ParseScenario(const QByteArray& text, InstrumentMemory& memory, QString& error) {
    memory = InstrumentMemory();
    memory.parameters = FactoryParameters();
    std::vector<Pending> pending;
    const QList<QByteArray> lines = text.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QByteArray line = lines[n].trimmed();
        const auto fail = [&error, n](const QString& what) {
            error = QStringLiteral("line %1: %2").arg(n + 1).arg(what);
            return false;
        };
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> words = line.simplified().split(' ');
        const QByteArray keyword = words[0];
        if (keyword == "version") {
            memory.version = line.mid(keyword.size()).trimmed();
        } else if (keyword == "clock") {
            memory.clock = QDateTime::fromString(QString::fromLatin1(words.mid(1).join(' ')),
                                                 QStringLiteral("dd/MM/yyyy HH:mm:ss"));
            if (!memory.clock.isValid())
                return fail(QStringLiteral("clock wants dd/mm/yyyy hh:mm:ss"));
        } else if (keyword == "capacity") {
            memory.capacity = words.value(1).toInt();
        } else if (keyword == "parameter") {
            const int key = words.value(1).toInt();
            if (key < 1 || key > ParameterCount)
                return fail(QStringLiteral("parameter key must be 1 to 64"));
            const QByteArray rest = line.mid(keyword.size()).trimmed();
            const QByteArray value = Unescape(rest.mid(rest.indexOf(' ') + 1).trimmed());
            if (value.contains(';'))
                return fail(QStringLiteral("a parameter value cannot hold ';'"));
            memory.parameters[std::size_t(key - 1)] = rest.contains(' ') ? value : QByteArray();
        } else if (keyword == "acquisition") {
            const bool noStart = words.value(2) == "invalid";
            if (words.size() < (noStart ? 5 : 6))
                return fail(QStringLiteral("acquisition NUMBER DATE TIME METHOD COUNT [...]"));
            Pending p;
            int next = 2;
            if (noStart) {
                next = 3;
            } else {
                p.plan.start = QDateTime::fromString(QString::fromLatin1(words[2] + ' ' + words[3]),
                                                     QStringLiteral("dd/MM/yyyy HH:mm:ss"));
                if (!p.plan.start.isValid())
                    return fail(QStringLiteral("start wants dd/mm/yyyy hh:mm:ss or invalid"));
                next = 4;
            }
            bool ok = false;
            p.plan.number = quint16(words[1].toUShort(&ok));
            if (!ok)
                return fail(QStringLiteral("acquisition number must be 0 to 65535"));
            if (!ParseMethod(words.value(next), p.plan.methodCode))
                return fail(QStringLiteral("method must be Rolle, Thomas, Test or 0 to 255"));
            p.plan.measurements = words.value(next + 1).toInt(&ok);
            if (!ok || p.plan.measurements < 0 || p.plan.measurements > 65535)
                return fail(QStringLiteral("measurement count must be 0 to 65535"));
            for (int w = next + 2; w + 1 < words.size(); w += 2) {
                const QByteArray name = words[w];
                const double value = words[w + 1].toDouble(&ok);
                if (!ok)
                    return fail(QStringLiteral("%1 wants a number").arg(QString::fromLatin1(name)));
                if (name == "volume")
                    p.plan.volume = float(value);
                else if (name == "eapv")
                    p.plan.eapv = float(value);
                else if (name == "concentration")
                    p.plan.concentration = value;
                else if (name == "period")
                    p.plan.periodSeconds = int(value);
                else if (name == "seed")
                    p.plan.seed = quint32(value);
                else
                    return fail(QStringLiteral("unknown acquisition field %1")
                                    .arg(QString::fromLatin1(name)));
            }
            pending.push_back(p);
        } else if (keyword == "spectrum") {
            if (pending.empty())
                return fail(QStringLiteral("spectrum before any acquisition"));
            if (words.size() != ChannelCount + 1)
                return fail(QStringLiteral("spectrum wants 128 counts"));
            ChannelCounts counts{};
            for (int c = 0; c < ChannelCount; ++c) {
                bool ok = false;
                const uint count = words[c + 1].toUInt(&ok);
                if (!ok || count > 65535)
                    return fail(QStringLiteral("counts must be 0 to 65535"));
                counts[c] = quint16(count);
            }
            pending.back().spectra.push_back(counts);
        } else {
            return fail(QStringLiteral("unknown keyword %1").arg(QString::fromLatin1(keyword)));
        }
    }
    Finish(pending, memory);
    return true;
}

bool LoadScenario(const QString& path, InstrumentMemory& memory, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    if (!ParseScenario(file.readAll(), memory, error)) {
        error = path + QStringLiteral(", ") + error;
        return false;
    }
    return true;
}

} // namespace sim
