#include "ui/dialogs/settingwrite.h"

#include "ui/dialogs/dialogservice.h"

bool WriteSettingOrTell(const Context& context, DialogService& dialogs, QWidget* parent,
                        const SettingKey& key, const QString& value) {
    if (WriteSetting(context, key, value))
        return true;
    dialogs.ShowError(parent, SettingsWriteRefused(context));
    return false;
}
