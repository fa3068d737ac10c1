// Writes the sample files of tests/data from the sessions of samplesessions.cpp:
//   ovra_make_samples DIRECTORY            every sample written with a "." separator
//   LC_ALL=fr_FR.UTF-8 ovra_make_samples DIRECTORY thomas5
// Each sample is written only when the regional separator is its own, so the
// two runs above give the whole set.

#include "samplesessions.h"

#include "data/fichiers.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    if (args.isEmpty()) {
        err << "usage: ovra_make_samples DIRECTORY [NAME...]\n";
        return 2;
    }
    const QDir directory(args.takeFirst());
    const QStringList names = args.isEmpty() ? SampleNames() : args;
    const QString separator = QLocale::system().decimalPoint();
    int status = 0;
    for (const QString& name : names) {
        if (separator != QLatin1Char(SampleDecimalSeparator(name))) {
            err << name << ": skipped, its separator is \"" << SampleDecimalSeparator(name)
                << "\"\n";
            continue;
        }
        const QString path = directory.filePath(name + QStringLiteral(".ovra"));
        const FileOutcome outcome = WriteMeasurementFile(path, SampleSession(name));
        if (!outcome.Ok()) {
            err << outcome.message << '\n';
            status = 1;
        }
    }
    return status;
}
