#pragma once

// TFormAbout, "A propos...": the program's name, version, logo and a word
// about it. Shown beside the main window, which stays disabled meanwhile.

#include <QDialog>

class QLabel;

class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* LMDLabelNom = nullptr;
    QLabel* LMDLabelVersion = nullptr;
};
