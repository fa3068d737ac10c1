#pragma once

// TFormCommunication, "Communications": the serial port used to reach the instrument.

#include "data/varia.h"

#include <QDialog>

class DialogService;

class TFormCommunication : public QDialog {
    Q_OBJECT
public:
    TFormCommunication(Context& context, DialogService& dialogs, QWidget* parent = nullptr);

private:
    Context& m_context;
    DialogService& m_dialogs;
};
