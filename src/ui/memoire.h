#pragma once

// TFormMemoire, "Lecture": the instrument's memory and the acquisitions stored in it, one of which
// is downloaded.

#include "data/varia.h"

#include <QDialog>

class DialogService;

class TFormMemoire : public QDialog {
    Q_OBJECT
public:
    TFormMemoire(Context& context, DialogService& dialogs, QWidget* parent = nullptr);

private:
    Context& m_context;
    DialogService& m_dialogs;
};
