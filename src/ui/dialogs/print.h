#pragma once

// TFormPrint, "Impression": the title of a printed report, and the printing
// of the report sheet. Created once, so that it offers the last title typed
// again and keeps the printer chosen last.

#include "data/varia.h"

#include <QDialog>
#include <QPrinter>

#include <memory>

class DialogService;
class QLineEdit;
class QPushButton;

class TFormPrint : public QDialog {
    Q_OBJECT
public:
    static constexpr int TitleMaxLength = 256;

    TFormPrint(Context& context, DialogService& dialogs, QWidget* parent = nullptr);

    // The title of the next report: empty at start, kept between reports.
    const QString& PrintTitle() const { return m_printTitle; }
    // Made on first use: finding the system's printers costs the start of
    // the program a good part of its time, for a window seldom used.
    QPrinter& Printer();

    // Prints one landscape sheet: the picture of the form's client area at
    // `percent` of the largest size that fits, centred, the title centred at
    // the top and the footer at the bottom left. The printer's orientation is
    // restored afterwards. False when no page could be begun, the printer
    // refused the job, or the picture could not be taken (the text lines are
    // then printed without it).
    bool FicheImprime(QWidget& form, int percent, const QString& title, const QString& footer);

    void PrintButtonClick();

private:
    Context& m_context;
    DialogService& m_dialogs;
    QString m_printTitle;
    std::unique_ptr<QPrinter> m_printer;

    QLineEdit* PrintTitleEdit = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

// The picture of a window's client area as the window paints it: for a main
// window, the area below its menu bar.
QImage TakeClientPicture(QWidget& form);
