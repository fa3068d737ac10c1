// ovra-sim: the OVRA instrument on a pseudo-terminal. Prints the device path
// on its first line of output, then serves until it is told to stop (SIGINT
// or SIGTERM), across as many connections as the program makes.

#include "ptyserver.h"
#include "sim/instrument.h"
#include "sim/line.h"
#include "sim/scenario.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <unistd.h>

namespace {

constexpr int LineBaudRate = 57600;

// The write end of the pipe that turns a stop signal into an event. A signal
// handler can reach nothing else.
int g_stopPipe[2] = {-1, -1};

void OnStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_stopPipe[1], &byte, 1);
}

void InstallStopHandler(QCoreApplication& app) {
    if (::pipe(g_stopPipe) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    auto* notifier = new QSocketNotifier(g_stopPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
}

int Fail(const QString& message) {
    QTextStream(stderr) << "ovra-sim: " << message << '\n';
    return 2;
}

int UsageError(const QString& message) {
    QTextStream(stderr) << "ovra-sim: " << message
                        << "\nTry 'ovra-sim --help' for more information.\n";
    return 2;
}

// The option's value as a whole number in [minimum, maximum]; a value that
// is no such number is an error, never a silent 0.
bool NumberOption(const QCommandLineParser& parser, const QCommandLineOption& option,
                  qint64 minimum, qint64 maximum, qint64& value, QString& error) {
    if (!parser.isSet(option) && option.defaultValues().isEmpty())
        return true;
    const QString text = parser.value(option);
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (!ok || number < minimum || number > maximum) {
        error = QStringLiteral("--%1 must be a number from %2 to %3, not \"%4\"")
                    .arg(option.names().first())
                    .arg(minimum)
                    .arg(maximum)
                    .arg(text);
        return false;
    }
    value = number;
    return true;
}

// "K" or "K:TIMES"
bool ParseAtCount(const QString& text, int& at, int& count) {
    const QStringList parts = text.split(QLatin1Char(':'));
    bool ok = false;
    at = parts.value(0).toInt(&ok);
    if (!ok || at < 1)
        return false;
    count = parts.size() > 1 ? parts[1].toInt(&ok) : 1;
    return ok && count >= 1 && parts.size() <= 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ovra-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OVRA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The OVRA instrument on a pseudo-terminal. Prints the device path, then serves until "
        "SIGINT or SIGTERM."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption scenario(QStringLiteral("scenario"),
                                      QStringLiteral("What the instrument holds (scenario file)."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption acquisitions(QStringLiteral("acquisitions"),
                                          QStringLiteral("Generated acquisitions (default 3)."),
                                          QStringLiteral("N"), QStringLiteral("3"));
    const QCommandLineOption measurements(
        QStringLiteral("measurements"),
        QStringLiteral("Measurements per generated acquisition (default 10)."), QStringLiteral("N"),
        QStringLiteral("10"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the counting noise."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption link(
        QStringLiteral("link"),
        QStringLiteral("Make a symbolic link to the device here (not over an existing file)."),
        QStringLiteral("PATH"));
    const QCommandLineOption force(
        QStringLiteral("force"),
        QStringLiteral("With --link: replace a symbolic link that is there (another "
                       "simulator's); never a file or a folder."));
    const QCommandLineOption pace(
        QStringLiteral("pace"), QStringLiteral("Carry bytes at the real line rate of 57600 baud."));
    const QCommandLineOption baud(QStringLiteral("baud"),
                                  QStringLiteral("Carry bytes at this line rate instead."),
                                  QStringLiteral("RATE"));
    const QCommandLineOption transcript(
        QStringLiteral("transcript"),
        QStringLiteral("Write every byte, with its time, to this file."), QStringLiteral("FILE"));
    const QCommandLineOption eraseStep(
        QStringLiteral("erase-step"),
        QStringLiteral("Milliseconds between erase progress packets (default 20)."),
        QStringLiteral("MS"), QStringLiteral("20"));
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Never answer."));
    const QCommandLineOption identification(QStringLiteral("identification"),
                                            QStringLiteral("Identify as TEXT instead of TARVEL."),
                                            QStringLiteral("TEXT"));
    const QCommandLineOption spectrumError(
        QStringLiteral("spectrum-checksum-error"),
        QStringLiteral("Wrong spectrum checksum at measurement K."), QStringLiteral("K"));
    const QCommandLineOption headerError(QStringLiteral("header-checksum-error"),
                                         QStringLiteral("Wrong header checksum at measurement K."),
                                         QStringLiteral("K"));
    const QCommandLineOption lostEcho(
        QStringLiteral("lost-echo"),
        QStringLiteral("Ignore the \"RP\" request of measurement K (TIMES times, default once)."),
        QStringLiteral("K[:TIMES]"));
    const QCommandLineOption deadAfter(QStringLiteral("dead-after"),
                                       QStringLiteral("The line goes dead after sending N bytes."),
                                       QStringLiteral("N"));
    const QCommandLineOption hangUp(
        QStringLiteral("hang-up"),
        QStringLiteral("A dead line is a pulled cable: the device disappears."));
    const QCommandLineOption valueLength(
        QStringLiteral("value-length"),
        QStringLiteral("Give parameter KEY (1-64, default 64) a value of N characters."),
        QStringLiteral("N[:KEY]"));
    const QCommandLineOption reformat(
        QStringLiteral("reformat-values"),
        QStringLiteral("Store written numbers in the firmware's own form (\"030\" -> \"30\")."));
    parser.addOptions({scenario, acquisitions, measurements, seed, link, force, pace, baud,
                       transcript, eraseStep, silent, identification, spectrumError, headerError,
                       lostEcho, deadAfter, hangUp, valueLength, reformat});
    if (!parser.parse(QCoreApplication::arguments()))
        return UsageError(parser.errorText());
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        return UsageError(
            QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));

    constexpr qint64 Many = 1000000;
    qint64 acquisitionCount = 0, measurementCount = 0, seedValue = 0, baudRate = 0;
    qint64 eraseStepMs = 0, spectrumErrorAt = 0, headerErrorAt = 0, deadAfterBytes = -1;
    QString numberError;
    if (!NumberOption(parser, acquisitions, 0, 65535, acquisitionCount, numberError) ||
        !NumberOption(parser, measurements, 1, 65535, measurementCount, numberError) ||
        !NumberOption(parser, seed, 0, 4294967295LL, seedValue, numberError) ||
        !NumberOption(parser, baud, 1, 10000000, baudRate, numberError) ||
        !NumberOption(parser, eraseStep, 0, 60000, eraseStepMs, numberError) ||
        !NumberOption(parser, spectrumError, 1, Many, spectrumErrorAt, numberError) ||
        !NumberOption(parser, headerError, 1, Many, headerErrorAt, numberError) ||
        !NumberOption(parser, deadAfter, 0, 1LL << 40, deadAfterBytes, numberError))
        return UsageError(numberError);

    sim::InstrumentMemory memory;
    if (parser.isSet(scenario)) {
        QString error;
        if (!sim::LoadScenario(parser.value(scenario), memory, error))
            return Fail(error);
    } else {
        memory =
            sim::GeneratedMemory(int(acquisitionCount), int(measurementCount), uint(seedValue));
    }
    if (parser.isSet(valueLength)) {
        const QStringList parts = parser.value(valueLength).split(QLatin1Char(':'));
        bool lengthOk = false;
        bool keyOk = true;
        const int length = parts.value(0).toInt(&lengthOk);
        const int key = parts.size() > 1 ? parts[1].toInt(&keyOk) : ParameterCount;
        if (!lengthOk || !keyOk || parts.size() > 2 || length < 0 || length > 1000 || key < 1 ||
            key > ParameterCount)
            return Fail(QStringLiteral("--value-length wants N[:KEY] with KEY 1 to 64"));
        memory.parameters[std::size_t(key - 1)] = QByteArray(length, 'x');
    }

    sim::InstrumentFaults faults;
    faults.silent = parser.isSet(silent);
    if (parser.isSet(identification))
        faults.identification = parser.value(identification).toLatin1();
    faults.spectrumChecksumErrorAt = int(spectrumErrorAt);
    faults.headerChecksumErrorAt = int(headerErrorAt);
    if (parser.isSet(lostEcho) &&
        !ParseAtCount(parser.value(lostEcho), faults.lostEchoAt, faults.lostEchoCount))
        return Fail(QStringLiteral("--lost-echo wants K[:TIMES]"));
    if (parser.isSet(deadAfter))
        faults.deadAfterBytes = deadAfterBytes;
    faults.deadLineHangsUp = parser.isSet(hangUp);
    faults.reformatValues = parser.isSet(reformat);

    sim::Instrument instrument(memory);
    instrument.SetFaults(faults);
    instrument.SetEraseStepMs(int(eraseStepMs));

    sim::Transcript log;
    QFile transcriptFile;
    if (parser.isSet(transcript)) {
        transcriptFile.setFileName(parser.value(transcript));
        if (!transcriptFile.open(QIODevice::WriteOnly | QIODevice::Truncate |
                                 QIODevice::Unbuffered))
            return Fail(QStringLiteral("%1: %2").arg(transcriptFile.fileName(),
                                                     transcriptFile.errorString()));
        log.SetOutput(&transcriptFile);
    }

    sim::PtyServer server(instrument, log);
    if (parser.isSet(baud))
        server.SetBaud(int(baudRate));
    else if (parser.isSet(pace))
        server.SetBaud(LineBaudRate);
    QString error;
    if (!server.Start(error))
        return Fail(error);

    const QString linkPath = parser.value(link);
    if (!linkPath.isEmpty()) {
        // Another simulator may be serving through it: taking it over would
        // cut that one off, and removing it at the end would leave neither.
        // A file or a folder there is someone's data: --force replaces only
        // a link, which holds nothing but the name of a device.
        const QFileInfo existing(linkPath);
        if (existing.exists() || existing.isSymLink()) {
            if (!existing.isSymLink())
                return Fail(QStringLiteral("%1 exists and is not a symbolic link; it is left "
                                           "alone, even with --force (choose another --link path)")
                                .arg(linkPath));
            if (!parser.isSet(force))
                return Fail(QStringLiteral("%1 exists; give --force to replace it").arg(linkPath));
            QFile::remove(linkPath);
        }
        if (!QFile::link(server.DevicePath(), linkPath))
            return Fail(QStringLiteral("cannot make the link %1").arg(linkPath));
    }
    InstallStopHandler(app);
    QObject::connect(&server, &sim::PtyServer::HungUp, &app,
                     [] { QTextStream(stderr) << "ovra-sim: cable pulled, the device is gone\n"; });

    QTextStream out(stdout);
    out << server.DevicePath() << Qt::endl;
    QTextStream(stderr) << "ovra-sim: " << memory.acquisitions.size() << " acquisitions, "
                        << memory.MeasurementTotal() << " measurements on " << server.DevicePath()
                        << (linkPath.isEmpty() ? QString()
                                               : QStringLiteral(" (") + linkPath + QLatin1Char(')'))
                        << '\n';

    const int code = app.exec();
    // Only while it still leads here: a simulator started with --force may
    // have put its own in its place.
    if (!linkPath.isEmpty() && QFileInfo(linkPath).symLinkTarget() == server.DevicePath())
        QFile::remove(linkPath);
    return code;
}
