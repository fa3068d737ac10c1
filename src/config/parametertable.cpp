#include "config/parametertable.h"

#include <QCoreApplication>

namespace {

constexpr ParameterEntry Hidden(int index, const char* name) {
    return {index,
            name,
            NoTab,
            NoGroup,
            nullptr,
            nullptr,
            FieldFormat::None,
            -1,
            0,
            ParameterEncoding::AsText};
}

constexpr ParameterEntry Shown(int index, const char* name, ConfigGroup group, const char* field,
                               const char* label, FieldFormat format, int decimals, int length,
                               ParameterEncoding encoding = ParameterEncoding::AsText) {
    // The group decides the tab; the CONFIG word alone sits on its tab outside the boxes.
    return {index, name, NoTab, group, field, label, format, decimals, length, encoding};
}

using F = FieldFormat;
using E = ParameterEncoding;

// clang-format off
constexpr ParameterEntry Rows[ParameterCount] = {
    Shown(0, "#DEVICE", GroupIdentification, "Header01", QT_TRANSLATE_NOOP("TFormConfig", "Numéro d'instrument"), F::Text, -1, 10),
    Shown(1, "DEVICE_TYPE", GroupIdentification, "Header02", QT_TRANSLATE_NOOP("TFormConfig", "Type d'instrument"), F::Integer, -1, 3),
    Shown(2, "CONFIG", NoGroup, "Header03", QT_TRANSLATE_NOOP("TFormConfig", "Valeur décimale "), F::ConfigWord, -1, 0, E::ConfigBits),
    Hidden(3, "RESERVE"),
    Shown(4, "LAUNCH_DATE", GroupHistorique, "Header05", QT_TRANSLATE_NOOP("TFormConfig", "le  "), F::DateMask, -1, 10),
    Shown(5, "LAUNCH_HOUR", GroupHistorique, "Header06", QT_TRANSLATE_NOOP("TFormConfig", "à"), F::TimeMask, -1, 5),
    Shown(6, "LAST_MAINT", GroupMaintenance, "Header07", QT_TRANSLATE_NOOP("TFormConfig", "Dernière maintenance"), F::MonthMask, -1, 7),
    Shown(7, "INT_MAINT", GroupMaintenance, "Header08", QT_TRANSLATE_NOOP("TFormConfig", "Intervalle (années)"), F::Integer, -1, 1),
    Shown(8, "NEXT_MAINT", GroupMaintenance, "Header09", QT_TRANSLATE_NOOP("TFormConfig", "Prochaine Maintenance"), F::MonthMask, -1, 7),
    Shown(9, "LANGUAGE", GroupAccessibilite, "Header10", QT_TRANSLATE_NOOP("TFormConfig", "Affichage à l'écran en "), F::List, -1, 0, E::LanguageItem),
    Shown(10, "COEF_GEO", GroupGeometrie, "Header11", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient de rendement"), F::Fixed, 3, 8),
    Shown(11, "VOL_MIN", GroupMesureVolume, "Header12", QT_TRANSLATE_NOOP("TFormConfig", "Volume minimum (l)"), F::Fixed, 2, 8),
    Shown(12, "LIGHT_MAX", GroupEconomie, "Header13", QT_TRANSLATE_NOOP("TFormConfig", "Eclairage max de l'écran (%)"), F::Integer, -1, 2, E::LightPercent),
    Shown(13, "VMIN_BAT", GroupSurveillance, "Header14", QT_TRANSLATE_NOOP("TFormConfig", "Tension minimum (V)"), F::Decimal, -1, 4),
    Shown(14, "VLOW_BAT", GroupSurveillance, "Header15", QT_TRANSLATE_NOOP("TFormConfig", "Tension basse (V)"), F::Decimal, -1, 4),
    Shown(15, "BATT_COEF", GroupCalculs, "Header16", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient batterie"), F::Decimal, 6, 10),
    Shown(16, "MINBAT_DELAY", GroupEconomie, "Header17", QT_TRANSLATE_NOOP("TFormConfig", "Arrêt sur batterie basse (s)"), F::Integer, -1, 3),
    Shown(17, "SLEEP_DELAY", GroupEconomie, "Header18", QT_TRANSLATE_NOOP("TFormConfig", "Mise en veille (s)"), F::Integer, -1, 3),
    Shown(18, "RESULT_DELAY", GroupEconomie, "Header19", QT_TRANSLATE_NOOP("TFormConfig", "Affichage des résultats (s)"), F::Integer, -1, 3),
    Shown(19, "IRDA_DELAY", GroupEconomie, "Header20", QT_TRANSLATE_NOOP("TFormConfig", "Déconnexion automatique (s)"), F::Integer, -1, 3),
    Hidden(20, "RESERVE"),
    Shown(21, "THRESH_ENERGY", GroupRolle, "Header22", QT_TRANSLATE_NOOP("TFormConfig", "Seuil d'énergie"), F::Fixed, 3, 8),
    Shown(22, "THRESH_COUNT1", GroupRolle, "Header23", QT_TRANSLATE_NOOP("TFormConfig", "Premier comptage Alpha"), F::Integer, -1, 5),
    Shown(23, "THRESH_COUNT2", GroupRolle, "Header24", QT_TRANSLATE_NOOP("TFormConfig", "Second comptage Alpha"), F::Integer, -1, 5),
    Shown(24, "THRESH_COEF_A", GroupRolle, "Header25", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient d'évaluation"), F::Fixed, 3, 5),
    Shown(25, "COEF_TEMP_A3", GroupTemperature, "Header26", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient a3"), F::Decimal, 9, 16),
    Shown(26, "COEF_TEMP_A2", GroupTemperature, "Header27", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient a2"), F::Decimal, 9, 16),
    Shown(27, "COEF_TEMP_A1", GroupTemperature, "Header28", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient a1"), F::Decimal, 9, 16),
    Shown(28, "COEF_TEMP_A0", GroupTemperature, "Header29", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient a0"), F::Decimal, 9, 16),
    Hidden(29, "RESERVED"),
    Shown(30, "CH_MIN", GroupSpectrometrie, "Header31", QT_TRANSLATE_NOOP("TFormConfig", "Canal Minimum"), F::Integer, -1, 3),
    Shown(31, "CH_MAX", GroupSpectrometrie, "Header32", QT_TRANSLATE_NOOP("TFormConfig", "Canal Maximum"), F::Integer, -1, 3),
    Hidden(32, "RESERVE"), Hidden(33, "RESERVE"), Hidden(34, "RESERVE"),
    Hidden(35, "RESERVE"), Hidden(36, "RESERVE"), Hidden(37, "RESERVE"),
    Shown(38, "DEAD_TIME", GroupSpectrometrie, "Header39", QT_TRANSLATE_NOOP("TFormConfig", "Temps mort (ms)"), F::SpinBox, -1, 4),
    Shown(39, "COEF_PATM_A1", GroupPressionAtmospherique, "Header40", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient a1"), F::Decimal, 9, 16),
    Shown(40, "COEF_PATM_A0", GroupPressionAtmospherique, "Header41", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient a0"), F::Decimal, 9, 16),
    Shown(41, "COEF_PDIFF_A1", GroupPressionDifferentielle, "Header42", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient a1"), F::Decimal, 9, 16),
    Shown(42, "COEF_PDIFF_A0", GroupPressionDifferentielle, "Header43", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient a0"), F::Decimal, 9, 16),
    Shown(43, "MOTOR_RC", GroupMesureVolume, "Header44", QT_TRANSLATE_NOOP("TFormConfig", "Commande moteur (0-999)"), F::Integer, -1, 3),
    Hidden(44, "RESERVE"), Hidden(45, "RESERVE"),
    Shown(46, "Q_COEF_A1", GroupDebit, "Header47", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient a1"), F::Decimal, 9, 16),
    Shown(47, "Q_COEF_A0", GroupDebit, "Header48", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient a0"), F::Decimal, 9, 16),
    Shown(48, "Q_COEF_B1", GroupDebit, "Header49", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient b1"), F::Decimal, 9, 16),
    Shown(49, "Q_COEF_B0", GroupDebit, "Header50", QT_TRANSLATE_NOOP("TFormConfig", "Coefficient b0"), F::Decimal, 9, 16),
    Shown(50, "P_NORM", GroupConditionsStandards, "Header51", QT_TRANSLATE_NOOP("TFormConfig", "Pression normale (mbar)"), F::Decimal, -1, 7),
    Shown(51, "T_NORM", GroupConditionsStandards, "Header52", QT_TRANSLATE_NOOP("TFormConfig", "Température normale (°C)"), F::Decimal, -1, 4),
    Shown(52, "FLOW_PERIOD", GroupMesureVolume, "Header53", QT_TRANSLATE_NOOP("TFormConfig", "Période de mesure (s)"), F::Integer, -1, 1),
    Hidden(53, "RESERVE"), Hidden(54, "RESERVE"), Hidden(55, "RESERVE"), Hidden(56, "RESERVE"),
    Hidden(57, "RESERVE"), Hidden(58, "RESERVE"), Hidden(59, "RESERVE"), Hidden(60, "RESERVE"),
    Hidden(61, "RESERVE"), Hidden(62, "RESERVE"),
    Shown(63, "COMMENTS", GroupCommentaires, "Header64", nullptr, F::MultiLine, -1, 31, E::CommentLines),
};
// clang-format on

} // namespace

const char* const SoftVersionLabel = QT_TRANSLATE_NOOP("TFormConfig", "Version logicielle");

const std::array<ConfigTabInfo, ConfigTabCount>& ConfigTabs() {
    static const std::array<ConfigTabInfo, ConfigTabCount> tabs = {{
        {"TabSheetGeneral", QT_TRANSLATE_NOOP("TFormConfig", "     Général     ")},
        {"TabSheetMesures", QT_TRANSLATE_NOOP("TFormConfig", " EAPV ")},
        {"TabSheetBatterie", QT_TRANSLATE_NOOP("TFormConfig", " Prélèvement ")},
        {"TabSheetSpectro", QT_TRANSLATE_NOOP("TFormConfig", " Batterie ")},
        {"TabSheetConfiguration", QT_TRANSLATE_NOOP("TFormConfig", " Configuration ")},
    }};
    return tabs;
}

const std::array<ConfigGroupInfo, ConfigGroupCount>& ConfigGroups() {
    static const std::array<ConfigGroupInfo, ConfigGroupCount> groups = {{
        {TabGeneral, "GroupBoxIdentification",
         QT_TRANSLATE_NOOP("TFormConfig", " Identification ")},
        {TabGeneral, "GroupBoxMaintenance", QT_TRANSLATE_NOOP("TFormConfig", " Maintenance ")},
        {TabGeneral, "GroupBoxHistorique", QT_TRANSLATE_NOOP("TFormConfig", " Historique ")},
        {TabGeneral, "GroupBoxAccessibilite", QT_TRANSLATE_NOOP("TFormConfig", " Accessibilité  ")},
        {TabGeneral, "GroupBoxCommentaires", QT_TRANSLATE_NOOP("TFormConfig", " Commentaires ")},
        {TabMesures, "GroupBoxGeometrie",
         QT_TRANSLATE_NOOP("TFormConfig", " Paramètres géométriques ")},
        {TabMesures, "GroupBoxRolle", QT_TRANSLATE_NOOP("TFormConfig", " Méthode de Rolle ")},
        {TabMesures, "GroupBoxSpectrometrie", QT_TRANSLATE_NOOP("TFormConfig", " Spectrométrie ")},
        {TabBatterie, "GroupBoxPressionDifferentielle",
         QT_TRANSLATE_NOOP("TFormConfig", " Pression différentielle ")},
        {TabBatterie, "GroupBoxTemperature", QT_TRANSLATE_NOOP("TFormConfig", " Température ")},
        {TabBatterie, "GroupBoxPressionAtmospherique",
         QT_TRANSLATE_NOOP("TFormConfig", " Pression atmosphérique ")},
        {TabBatterie, "GroupBoxDebit", QT_TRANSLATE_NOOP("TFormConfig", " Calcul du débit ")},
        {TabBatterie, "GroupBoxConditionsStandards",
         QT_TRANSLATE_NOOP("TFormConfig", " Conditions standards ")},
        {TabBatterie, "GroupBoxMesureVolume",
         QT_TRANSLATE_NOOP("TFormConfig", " Mesure du volume ")},
        {TabSpectro, "GroupBoxCalculs", QT_TRANSLATE_NOOP("TFormConfig", " Calculs ")},
        {TabSpectro, "GroupBoxSurveillance", QT_TRANSLATE_NOOP("TFormConfig", " Surveillance ")},
        {TabSpectro, "GroupBoxEconomie", QT_TRANSLATE_NOOP("TFormConfig", " Economie ")},
        {TabConfiguration, "GroupBoxConfigHigh", ""},
        {TabConfiguration, "GroupBoxConfigLow", ""},
    }};
    return groups;
}

const std::array<ParameterEntry, ParameterCount>& ParameterTable() {
    static const std::array<ParameterEntry, ParameterCount> table = [] {
        std::array<ParameterEntry, ParameterCount> rows{};
        for (int i = 0; i < ParameterCount; ++i) {
            rows[i] = Rows[i];
            if (rows[i].group != NoGroup)
                rows[i].tab = ConfigGroups()[rows[i].group].tab;
            else if (rows[i].index == ConfigIndex)
                rows[i].tab = TabConfiguration;
        }
        return rows;
    }();
    return table;
}

QString ParameterFieldName(int index) {
    return QStringLiteral("Header%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

bool ParameterHidden(int index) {
    return index < 0 || index >= ParameterCount || ParameterTable()[index].Hidden();
}

const std::array<const char*, 2>& LanguageItems() {
    static const std::array<const char*, 2> items = {QT_TRANSLATE_NOOP("TFormConfig", "Francais"),
                                                     QT_TRANSLATE_NOOP("TFormConfig", "Anglais")};
    return items;
}
