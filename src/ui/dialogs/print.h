#pragma once

// TFormPrint, "Impression": the title of a printed report. Created once, so that it offers the last
// title typed again.

#include "data/varia.h"

#include <QDialog>

class DialogService;

class TFormPrint : public QDialog {
    Q_OBJECT
public:
    TFormPrint(Context& context, DialogService& dialogs, QWidget* parent = nullptr);

private:
    Context& m_context;
    DialogService& m_dialogs;
};
