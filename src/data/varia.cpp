#include "data/varia.h"

#include <QDir>

const std::array<QString, ParameterCount>& ParameterNames() {
    static const std::array<QString, ParameterCount> names = [] {
        std::array<QString, ParameterCount> n;
        const char* const table[ParameterCount] = {
            "#DEVICE",       "DEVICE_TYPE",   "CONFIG",        "RESERVE",
            "LAUNCH_DATE",   "LAUNCH_HOUR",   "LAST_MAINT",    "INT_MAINT",
            "NEXT_MAINT",    "LANGUAGE",      "COEF_GEO",      "VOL_MIN",
            "LIGHT_MAX",     "VMIN_BAT",      "VLOW_BAT",      "BATT_COEF",
            "MINBAT_DELAY",  "SLEEP_DELAY",   "RESULT_DELAY",  "IRDA_DELAY",
            "RESERVE",       "THRESH_ENERGY", "THRESH_COUNT1", "THRESH_COUNT2",
            "THRESH_COEF_A", "COEF_TEMP_A3",  "COEF_TEMP_A2",  "COEF_TEMP_A1",
            "COEF_TEMP_A0",  "RESERVED",      "CH_MIN",        "CH_MAX",
            "RESERVE",       "RESERVE",       "RESERVE",       "RESERVE",
            "RESERVE",       "RESERVE",       "DEAD_TIME",     "COEF_PATM_A1",
            "COEF_PATM_A0",  "COEF_PDIFF_A1", "COEF_PDIFF_A0", "MOTOR_RC",
            "RESERVE",       "RESERVE",       "Q_COEF_A1",     "Q_COEF_A0",
            "Q_COEF_B1",     "Q_COEF_B0",     "P_NORM",        "T_NORM",
            "FLOW_PERIOD",   "RESERVE",       "RESERVE",       "RESERVE",
            "RESERVE",       "RESERVE",       "RESERVE",       "RESERVE",
            "RESERVE",       "RESERVE",       "RESERVE",       "COMMENTS",
        };
        for (int i = 0; i < ParameterCount; ++i)
            n[i] = QString::fromLatin1(table[i]);
        return n;
    }();
    return names;
}

QString JoinPath(const QString& directory, const QString& fileName) {
    return directory + QDir::separator() + fileName;
}
