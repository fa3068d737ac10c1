#include "ui/dialogs/print.h"

#include "ui/dialogs/reportsheet.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

TFormPrint::TFormPrint(Context& context, DialogService& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormPrint"));
    setWindowTitle(tr("Impression"));
    setAttribute(Qt::WA_QuitOnClose, false);
    // Only the close icon: no help button, no resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* label = new QLabel(tr("Entrer un titre ou un commentaire"), this);
    label->setObjectName(QStringLiteral("LabelPrintTitle"));
    PrintTitleEdit = new QLineEdit(this);
    PrintTitleEdit->setObjectName(QStringLiteral("PrintTitleEdit"));
    PrintTitleEdit->setMaxLength(TitleMaxLength);
    PrintTitleEdit->setMinimumWidth(380);
    label->setBuddy(PrintTitleEdit);

    CancelButton = new QPushButton(tr("Annuler"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    PrintButton = new QPushButton(tr("Imprimer"), this);
    PrintButton->setObjectName(QStringLiteral("PrintButton"));
    PrintButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CancelButton);
    buttons->addWidget(PrintButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(PrintTitleEdit);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(PrintButton, &QPushButton::clicked, this, &TFormPrint::PrintButtonClick);
}

QPrinter& TFormPrint::Printer() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void TFormPrint::PrintButtonClick() {
    m_printTitle = PrintTitleEdit->text();
    accept();
}

QImage TakeClientPicture(QWidget& form) {
    QRect client = form.rect();
    if (auto* main = qobject_cast<QMainWindow*>(&form); main && main->centralWidget())
        client = main->centralWidget()->geometry();
    // The window paints itself and its visible children over its background
    // brush; the energy window's cursor lines, drawn in exclusive-or after the
    // chart, land in this picture as on screen.
    QImage picture = form.grab(client).toImage();
    picture.setDevicePixelRatio(1.0);
    return picture;
}

bool TFormPrint::FicheImprime(QWidget& form, int percent, const QString& title,
                              const QString& footer) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QPrinter& printer = Printer();
    const QPageLayout::Orientation remembered = printer.pageLayout().orientation();
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer)) {
        printer.setPageOrientation(remembered);
        QGuiApplication::restoreOverrideCursor();
        return false;
    }
    const QSize page(printer.width(), printer.height());

    const QImage picture = TakeClientPicture(form);
    const bool pictured = !picture.isNull();
    if (pictured) {
        // A plain copy: no smoothing, the pixels as the screen showed them.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(FitReportPicture(picture.size(), page, percent), picture);
    }

    // Placed by the top of the text, as the printer's own text output does.
    const QFontMetrics metrics = painter.fontMetrics();
    const QPoint titleAt = ReportTitlePosition(page, metrics.horizontalAdvance(title));
    painter.drawText(titleAt + QPoint(0, metrics.ascent()), title);
    painter.drawText(ReportFooterPosition(page) + QPoint(0, metrics.ascent()), footer);
    // The job is handed to the printer here; a refusal shows only now.
    const bool finished = painter.end();

    printer.setPageOrientation(remembered);
    QGuiApplication::restoreOverrideCursor();
    return pictured && finished;
}
