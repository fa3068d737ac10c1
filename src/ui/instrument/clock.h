#pragma once

// TFormClock, "Horloge": the instrument's clock, kept or set before an initialisation.

#include "data/varia.h"

#include <QDialog>

class DialogService;

class TFormClock : public QDialog {
    Q_OBJECT
public:
    TFormClock(Context& context, DialogService& dialogs, QWidget* parent = nullptr);

private:
    Context& m_context;
    DialogService& m_dialogs;
};
