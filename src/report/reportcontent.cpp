#include "report/reportcontent.h"

#include "report/reporttexts.h"

#include <QLocale>

namespace {

// Parameter indices of the instrument's identity and history.
constexpr int DeviceNumberIndex = 0;
constexpr int DeviceTypeIndex = 1;
constexpr int LaunchDateIndex = 4;
constexpr int LaunchHourIndex = 5;
constexpr int LastMaintenanceIndex = 6;
constexpr int NextMaintenanceIndex = 8;
constexpr int CommentIndex = 63;

QLocale NumberLocale() {
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

QString ReportNumber(double value, int decimals) {
    return NumberLocale().toString(value, 'f', decimals);
}

QString ReportNumber(qint64 value) {
    return QString::number(value);
}

std::vector<ReportField> HeadingFields(const ReportRequest& request) {
    const ReportSource& source = request.source;
    std::vector<ReportField> fields;
    fields.push_back({Report::tr("Fichier"),
                      source.saved
                          ? source.fileName
                          : Report::tr("session non enregistrée (téléchargement) : l'empreinte "
                                       "est celle des octets que son enregistrement écrirait")});
    fields.push_back({QStringLiteral("SHA-256"), QString::fromLatin1(source.sha256), true});
    fields.push_back({Report::tr("Rapport établi le"),
                      request.madeAt.toString(QLatin1String(ShortDateFormat) + QLatin1Char(' ') +
                                              QLatin1String(ShortTimeFormat))});
    fields.push_back({Report::tr("Programme"), QStringLiteral("OvraView2 " OVRA_VERSION)});
    return fields;
}

std::vector<ReportField> InstrumentFields(const Session& session) {
    const ParameterSet& p = session.Parameters;
    QString comment = p[CommentIndex];
    comment.replace(QLatin1Char('\t'), QLatin1Char('\n'));
    return {
        {Report::tr("Numéro"), p[DeviceNumberIndex]},
        {Report::tr("Type"), p[DeviceTypeIndex]},
        {Report::tr("Version logicielle"), session.SoftwareVersion},
        {Report::tr("Mise en service"),
         (p[LaunchDateIndex] + QLatin1Char(' ') + p[LaunchHourIndex]).trimmed()},
        {Report::tr("Dernière maintenance"), p[LastMaintenanceIndex]},
        {Report::tr("Prochaine maintenance"), p[NextMaintenanceIndex]},
        {Report::tr("Commentaire"), comment},
    };
}

std::vector<ReportField> AcquisitionFields(const Session& session) {
    return {
        {Report::tr("Début"), session.StartText},
        {Report::tr("Méthode"), session.Method},
        {Report::tr("Nombre de mesures"), ReportNumber(session.MeasurementCount)},
        {Report::tr("Volume prélevé (l)"), ReportNumber(session.Volume, 2)},
        // The instrument stores no unit with it; none is added here.
        {Report::tr("EAPV calculée par l'instrument"), ReportNumber(session.Eapv, 3)},
        {Report::tr("Spectres"),
         session.SpectraAvailable ? Report::tr("disponibles") : Report::tr("indisponibles")},
    };
}
