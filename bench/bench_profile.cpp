// Profile files that are large: loading and saving the parameter set of a
// 10 MB ".par", and the start's reads of a 100,000-line ovra.ini (the
// parameter set, the recent files, the language). One JSON line each, best
// of a few runs; a run longer than a few seconds is not repeated.

#include "benchreport.h"

#include "config/parameterfile.h"
#include "settings/recentfiles.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

namespace {

constexpr int Runs = 3;
constexpr qint64 LongRunNanoseconds = 5'000'000'000;

// A section of `lines` notes before the parameters, which come last: every
// lookup that scans the file passes all of it.
QByteArray ProfileBytes(int lines, int noteLength) {
    QByteArray bytes = "[LANGUAGE]\r\nLangue=Francais\r\n[RecentFiles]\r\nFile1=/data/a.ovra\r\n";
    bytes += "[Notes]\r\n";
    const QByteArray note(noteLength, 'n');
    for (int i = 0; i < lines; ++i)
        bytes += "note" + QByteArray::number(i) + '=' + note + "\r\n";
    bytes += "[Parameters]\r\n";
    for (int i = 1; i <= ParameterCount; ++i)
        bytes += QByteArray::number(i) + "=value " + QByteArray::number(i) + "\r\n";
    return bytes;
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

qint64 Best(const std::function<bool()>& run) {
    qint64 best = std::numeric_limits<qint64>::max();
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!run())
            return -1;
        best = std::min(best, timer.nsecsElapsed());
        if (best > LongRunNanoseconds)
            break;
    }
    return best;
}

void Report(const char* figure, qint64 nanoseconds, const QString& path) {
    ReportFigure("profile", figure, "ms", double(nanoseconds) / 1e6,
                 {{"bytes", double(QFileInfo(path).size())}});
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;

    const QString par = dir.filePath(QStringLiteral("large.par"));
    if (!WriteBytes(par, ProfileBytes(200'000, 40)))
        return 1;
    const qint64 load = Best([&] { return LoadParameterFile(par).missing.empty(); });
    ParameterSet values = LoadParameterFile(par).values;
    int round = 0;
    const qint64 save = Best([&] {
        // Every value changes, so that each run writes the 64 keys.
        ++round;
        for (QString& value : values)
            value = QStringLiteral("saved %1").arg(round);
        return SaveParameterFile(par, values);
    });

    Context context;
    context.ProgramDirectory = dir.path();
    if (!WriteBytes(SettingsFileName(context), ProfileBytes(100'000, 10)))
        return 1;
    const qint64 start = Best([&] {
        return LoadSettingsParameters(context).missing.empty() &&
               ReadRecentFiles(context).size() == 1 &&
               ReadSetting(context, SettingKeys::Langue) == QLatin1String("Francais");
    });
    if (load < 0 || save < 0 || start < 0)
        return 1;
    Report("par_load_10mb", load, par);
    Report("par_save_10mb", save, par);
    Report("settings_start_reads_100k_lines", start, SettingsFileName(context));
    return 0;
}
