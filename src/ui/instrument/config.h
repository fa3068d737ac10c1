#pragma once

// TFormConfig, "Configuration": the instrument's 64 parameters, shown, edited, sent, read and
// filed.

#include "data/varia.h"

#include <QDialog>

class DialogService;

class TFormConfig : public QDialog {
    Q_OBJECT
public:
    TFormConfig(Context& context, DialogService& dialogs, QWidget* parent = nullptr);

private:
    Context& m_context;
    DialogService& m_dialogs;
};
