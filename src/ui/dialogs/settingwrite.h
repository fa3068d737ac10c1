#pragma once

// Writing one value of the settings file from a window: a write that the
// platform refuses is told ("Impossible d'écrire dans ..."), and the window
// abandons the rest of the step that was writing.

#include "data/varia.h"
#include "settings/settings.h"

class DialogService;
class QWidget;

// False, after telling the user, when the value could not be written.
bool WriteSettingOrTell(const Context& context, DialogService& dialogs, QWidget* parent,
                        const SettingKey& key, const QString& value);
