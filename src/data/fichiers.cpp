#include "data/fichiers.h"

#include "data/checkedwrite.h"
#include "data/filenumbers.h"
#include "data/linereader.h"
#include "data/windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <charconv>
#include <optional>

namespace {

constexpr char Tab = '\t';
constexpr char LineEnd[] = "\r\n";

// The instrument numbers measurements with 16 bits; a file whose spectra are
// unavailable carries no line per measurement to bound its count otherwise.
constexpr qint32 UnavailableMeasurementLimit = 65535;

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

FileOutcome Outcome(FileOutcome::Kind kind, const QString& message = QString(), int line = 0) {
    FileOutcome outcome;
    outcome.kind = kind;
    outcome.message = message;
    outcome.line = line;
    return outcome;
}

// The value of a key line: the text after its first TAB, without the line's
// final character (the closing TAB); without a TAB, the line without its final character.
QByteArrayView KeyValue(QByteArrayView line) {
    const qsizetype tab = line.indexOf(Tab);
    const qsizetype begin = tab + 1;
    const qsizetype length = line.size() - begin - 1;
    return length > 0 ? line.sliced(begin, length) : QByteArrayView();
}

// Most counts are a few plain digits: converted here without the general
// conversion's blanks and signs, which is what makes large files quick.
bool ParsePlainCount(QByteArrayView field, qint32& value) {
    if (field.isEmpty() || field.size() > 9)
        return false;
    qint32 result = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return false;
        result = result * 10 + (c - '0');
    }
    value = result;
    return true;
}

class MeasurementFileReader {
public:
    MeasurementFileReader(const QString& path, QIODevice& device)
        : m_path(path)
        , m_lines(device) {}

    FileOutcome Read(Session& fresh);

private:
    enum class Head { Missing, OnLastLine, Found };
    // Reads lines until one contains `head` (case-sensitive). Anything but
    // Found rejects the file, also a head that stands on the last line.
    Head FindHead(const char* head);
    // The next line, or nothing when the file has ended.
    std::optional<QByteArrayView> NextLine();
    bool ReadSpectrumLine(QByteArrayView line, qint32* counts);
    // The next line's value as a number; on failure m_error names the line.
    bool ReadCount(qint32& value);
    bool ReadDecimal(double& value);

    FileOutcome ConversionError(qint64 line, const QString& what) const {
        return Outcome(FileOutcome::Failed,
                       QCoreApplication::translate("fichiers", "Fichier %1, ligne %2 : %3")
                           .arg(Shown(m_path), QString::number(line), what),
                       int(qMin<qint64>(line, std::numeric_limits<int>::max())));
    }
    FileOutcome NotAccepted() const {
        if (m_lines.Failed())
            return Outcome(
                FileOutcome::Failed,
                QCoreApplication::translate("fichiers", "Erreur de lecture du fichier %1 : %2")
                    .arg(Shown(m_path), m_lines.ErrorString()));
        return Outcome(FileOutcome::Rejected);
    }
    QString MissingLine() const {
        return QCoreApplication::translate("fichiers",
                                           "le fichier s'arrête là où une valeur est attendue");
    }

    QString m_path;
    LineReader m_lines;
    std::optional<FileOutcome> m_error;
};

std::optional<QByteArrayView> MeasurementFileReader::NextLine() {
    QByteArrayView line;
    if (m_lines.ReadLine(line))
        return line;
    return std::nullopt;
}

MeasurementFileReader::Head MeasurementFileReader::FindHead(const char* head) {
    QByteArrayView line;
    while (m_lines.ReadLine(line)) {
        if (line.contains(QByteArrayView(head)))
            return m_lines.AtEnd() ? Head::OnLastLine : Head::Found;
    }
    return Head::Missing;
}

// Fills the channels from 127 down to 0, each from the line's last field,
// cutting the line after the field's TAB: a line with more than 128 counts
// contributes its last 128.
bool MeasurementFileReader::ReadSpectrumLine(QByteArrayView line, qint32* counts) {
    for (int channel = ChannelCount - 1; channel >= 0; --channel) {
        if (line.isEmpty()) {
            m_error = ConversionError(
                m_lines.LineNumber(),
                QCoreApplication::translate("fichiers", "le spectre compte moins de %1 valeurs")
                    .arg(ChannelCount));
            return false;
        }
        const QByteArrayView field = LastField(line);
        if (!ParsePlainCount(field, counts[channel]) && !ParseFileInteger(field, counts[channel])) {
            m_error = ConversionError(
                m_lines.LineNumber(),
                field.isEmpty()
                    ? QCoreApplication::translate("fichiers", "valeur du canal %1 vide")
                          .arg(channel)
                    : QCoreApplication::translate("fichiers", "« %1 » n'est pas un nombre entier")
                          .arg(DecodeWindows1252(field)));
            return false;
        }
        // Cut just after the TAB before the field: the next field is the line's last.
        line.truncate(field.data() - line.data());
    }
    return true;
}

FileOutcome MeasurementFileReader::Read(Session& fresh) {
    if (FindHead("VERSION") != Head::Found)
        return NotAccepted();
    fresh.SoftwareVersion = DecodeWindows1252(NextLine().value_or(QByteArrayView()));

    if (FindHead("PARAMETRES") != Head::Found)
        return NotAccepted();
    for (QString& parameter : fresh.Parameters)
        parameter = DecodeWindows1252(KeyValue(NextLine().value_or(QByteArrayView())));

    if (FindHead("MESURES") != Head::Found)
        return NotAccepted();
    fresh.StartText = DecodeWindows1252(KeyValue(NextLine().value_or(QByteArrayView())));
    fresh.Method = DecodeWindows1252(KeyValue(NextLine().value_or(QByteArrayView())));
    if (!ReadCount(fresh.MeasurementCount) || !ReadDecimal(fresh.Volume) ||
        !ReadDecimal(fresh.Eapv))
        return *m_error;
    const qint64 countLine = m_lines.LineNumber() - 2;
    const qint32 count = fresh.MeasurementCount;

    switch (FindHead("SPECTRES")) {
    case Head::Missing:
        return NotAccepted();
    case Head::OnLastLine:
        // A session with spectra and no measurement is written with "SPECTRES"
        // as its last line; a file this program wrote must read back.
        if (count != 0 || m_lines.Failed())
            return NotAccepted();
        fresh.SpectraAvailable = true;
        return Outcome(FileOutcome::Accepted);
    case Head::Found:
        break;
    }
    if (count < 0)
        return ConversionError(
            countLine,
            QCoreApplication::translate("fichiers", "nombre de mesures négatif (%1)").arg(count));

    const QByteArrayView first = NextLine().value_or(QByteArrayView());
    if (first.contains(QByteArrayView("indisponibles"))) {
        if (count > UnavailableMeasurementLimit)
            return ConversionError(
                countLine, QCoreApplication::translate(
                               "fichiers", "%1 mesures dépassent la capacité de l'instrument")
                               .arg(count));
        fresh.SpectraAvailable = false;
        fresh.Spectra.assign(std::size_t(count) * ChannelCount, 0);
        return m_lines.Failed() ? NotAccepted() : Outcome(FileOutcome::Accepted);
    }
    // Every count takes at least one byte, so the rest of the file bounds how
    // many spectra it can hold: a wrong count never allocates beyond that.
    const qint64 available = first.size() + 1 + m_lines.BytesLeft();
    if (qint64(count) * ChannelCount > available)
        return ConversionError(
            countLine,
            QCoreApplication::translate("fichiers", "le fichier ne peut pas contenir %1 mesures")
                .arg(count));
    fresh.SpectraAvailable = true;
    fresh.Spectra.assign(std::size_t(count) * ChannelCount, 0);
    for (qint32 m = 0; m < count; ++m) {
        std::optional<QByteArrayView> line = m == 0 ? first : NextLine();
        if (!line) {
            if (m_lines.Failed())
                return NotAccepted();
            return ConversionError(
                m_lines.LineNumber() + 1,
                QCoreApplication::translate("fichiers", "le spectre de la mesure %1 manque")
                    .arg(m + 1));
        }
        if (!ReadSpectrumLine(*line, fresh.Spectra.data() + std::size_t(m) * ChannelCount))
            return *m_error;
    }
    return m_lines.Failed() ? NotAccepted() : Outcome(FileOutcome::Accepted);
}

bool MeasurementFileReader::ReadCount(qint32& value) {
    const auto line = NextLine();
    if (!line) {
        m_error = ConversionError(m_lines.LineNumber() + 1, MissingLine());
        return false;
    }
    if (ParseFileInteger(KeyValue(*line), value))
        return true;
    m_error =
        ConversionError(m_lines.LineNumber(),
                        QCoreApplication::translate("fichiers", "« %1 » n'est pas un nombre entier")
                            .arg(DecodeWindows1252(KeyValue(*line))));
    return false;
}

bool MeasurementFileReader::ReadDecimal(double& value) {
    const auto line = NextLine();
    if (!line) {
        m_error = ConversionError(m_lines.LineNumber() + 1, MissingLine());
        return false;
    }
    if (ParseFileDecimal(KeyValue(*line), value))
        return true;
    m_error = ConversionError(
        m_lines.LineNumber(),
        QCoreApplication::translate("fichiers", "« %1 » n'est pas un nombre décimal")
            .arg(DecodeWindows1252(KeyValue(*line))));
    return false;
}

} // namespace

QByteArrayView LastField(QByteArrayView line) {
    if (line.isEmpty())
        return {};
    const qsizetype tab = LastTabBeforeFinal(line);
    return line.sliced(tab + 1, line.size() - 1 - (tab + 1));
}

qsizetype LastTabBeforeFinal(QByteArrayView line) {
    if (line.size() < 2)
        return -1;
    return line.first(line.size() - 1).lastIndexOf(Tab);
}

FileOutcome ReadMeasurementFile(const QString& path, Session& session) {
    // A device or a pipe may never end a line: only a file of known size is read.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return Outcome(
            FileOutcome::Failed,
            QCoreApplication::translate("fichiers", "%1 n'est pas un fichier").arg(Shown(path)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Outcome(
            FileOutcome::Failed,
            QCoreApplication::translate("fichiers", "Impossible d'ouvrir le fichier %1 : %2")
                .arg(Shown(path), DeviceErrorText(file)));
    return ReadMeasurementFile(file, path, session);
}

FileOutcome ReadMeasurementFile(QIODevice& device, const QString& name, Session& session) {
    Session fresh;
    const FileOutcome outcome = MeasurementFileReader(name, device).Read(fresh);
    if (outcome.Ok()) {
        session.SoftwareVersion = std::move(fresh.SoftwareVersion);
        session.Parameters = std::move(fresh.Parameters);
        session.StartText = std::move(fresh.StartText);
        session.Method = std::move(fresh.Method);
        session.MeasurementCount = fresh.MeasurementCount;
        session.Volume = fresh.Volume;
        session.Eapv = fresh.Eapv;
        session.SpectraAvailable = fresh.SpectraAvailable;
        session.Spectra = std::move(fresh.Spectra);
    }
    return outcome;
}

namespace {

void AppendText(QByteArray& out, QStringView text) {
    AppendWindows1252(out, text);
    out.append(LineEnd);
}

void AppendKeyLine(QByteArray& out, QByteArrayView key, QStringView value) {
    out.append(key);
    out.append(Tab);
    AppendWindows1252(out, value);
    out.append(Tab);
    out.append(LineEnd);
}

// The regional decimal separator, the one the original files were written
// with, when it is one a reader can take back: "," or ".". Others (the
// Arabic and Persian U+066B has no Windows-1252 byte) would make a file its
// own reader refuses, so they are written as ".".
QByteArray RegionalDecimalSeparator() {
    const QString separator = QLocale::system().decimalPoint();
    if (separator == QLatin1String(","))
        return QByteArrayLiteral(",");
    return QByteArrayLiteral(".");
}

QByteArray MeasurementFileBytes(const Session& session) {
    const std::size_t countsWritten =
        session.SpectraAvailable ? std::size_t(session.MeasurementCount) * ChannelCount : 0;
    QByteArray out;
    out.reserve(qsizetype(4096 + countsWritten * 7));

    out.append("VERSION\r\n");
    AppendText(out, session.SoftwareVersion);
    out.append("\r\nPARAMETRES\r\n");
    for (int i = 0; i < ParameterCount; ++i)
        AppendKeyLine(out, EncodeWindows1252(ParameterNames()[i]), session.Parameters[i]);
    out.append("\r\nMESURES\r\n");
    AppendKeyLine(out,
                  "D\xE9"
                  "but",
                  session.StartText);
    AppendKeyLine(out,
                  "M\xE9"
                  "thode",
                  session.Method);

    const QByteArray separator = RegionalDecimalSeparator();
    out.append("Nombre\t");
    AppendInteger(out, session.MeasurementCount);
    out.append("\t\r\nVolume\t");
    AppendFixed(out, session.Volume, 2, separator);
    out.append("\t\r\nEapv\t");
    AppendFixed(out, session.Eapv, 3, separator);
    out.append("\t\r\n\r\nSPECTRES\r\n");

    if (!session.SpectraAvailable) {
        out.append("indisponibles\r\n");
        return out;
    }
    // Straight into the buffer: a count takes at most 11 characters and its TAB.
    constexpr qsizetype LineBytesAtMost = ChannelCount * 12 + 2;
    const qint32* count = session.Spectra.data();
    for (qint32 m = 0; m < session.MeasurementCount; ++m) {
        const qsizetype start = out.size();
        out.resize(start + LineBytesAtMost);
        char* p = out.data() + start;
        for (int c = 0; c < ChannelCount; ++c) {
            p = std::to_chars(p, p + 11, *count++).ptr;
            *p++ = Tab;
        }
        *p++ = '\r';
        *p++ = '\n';
        out.resize(p - out.constData());
    }
    return out;
}

// A session whose count and spectra disagree is refused rather than read
// past the spectra or written as a file that does not read back.
std::optional<FileOutcome> WriteRefusal(const QString& name, const Session& session) {
    const qint64 needed = qint64(session.MeasurementCount) * ChannelCount;
    if (session.MeasurementCount >= 0 &&
        (!session.SpectraAvailable || needed <= qint64(session.Spectra.size())))
        return std::nullopt;
    return Outcome(
        FileOutcome::Failed,
        QCoreApplication::translate(
            "fichiers", "Impossible d'écrire le fichier %1 : %2 mesures annoncées, %3 spectres")
            .arg(Shown(name), QString::number(session.MeasurementCount),
                 QString::number(session.SpectrumCount())));
}

FileOutcome WriteOutcomeOf(const QString& name, const WriteOutcome& written) {
    if (written.ok)
        return Outcome(FileOutcome::Accepted);
    return Outcome(FileOutcome::Failed,
                   QCoreApplication::translate("fichiers", "Impossible d'écrire le fichier %1 : %2")
                       .arg(Shown(name), written.reason));
}

} // namespace

FileOutcome WriteMeasurementFile(const QString& path, const Session& session) {
    if (const std::optional<FileOutcome> refused = WriteRefusal(path, session))
        return *refused;
    return WriteOutcomeOf(path, WriteFileChecked(path, MeasurementFileBytes(session)));
}

FileOutcome WriteMeasurementFile(QIODevice& device, const Session& session, const QString& name) {
    if (const std::optional<FileOutcome> refused = WriteRefusal(name, session))
        return *refused;
    return WriteOutcomeOf(name, WriteAllBytes(device, MeasurementFileBytes(session)));
}
