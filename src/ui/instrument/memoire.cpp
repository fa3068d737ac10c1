#include "ui/instrument/memoire.h"

#include "ui/dialogs/windowbars.h"

#include "data/fichiers.h"
#include "link/linkmessages.h"
#include "link/rs232.h"
#include "ui/dialogs/dialogservice.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int ColumnAcquisitionWidth = 100;
constexpr int ColumnStartWidth = 140;
constexpr int ColumnMethodWidth = 70;
const char* const DownloadCopyName = "data.ovra";

} // namespace

TFormMemoire::TFormMemoire(Context& context, DialogService& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormMemoire"));
    setWindowTitle(tr("Lecture", "the window of the instrument's memory"));
    setAttribute(Qt::WA_QuitOnClose, false);
    CreateControls();

    connect(LMDListBoxMesures, &QTreeWidget::itemSelectionChanged, this,
            &TFormMemoire::LMDListBoxMesuresSelect);
    // A double-click reads the row; Enter does too, through the default button.
    connect(LMDListBoxMesures, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (ButtonRead->isEnabled())
            ButtonReadClick();
    });
    connect(ButtonRead, &QPushButton::clicked, this, &TFormMemoire::ButtonReadClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &TFormMemoire::ButtonCancelClick);
    connect(ButtonClose, &QPushButton::clicked, this, &TFormMemoire::ButtonCloseClick);
}

void TFormMemoire::CreateControls() {
    GroupBoxMemoire = new QGroupBox(tr(" Mémoire "), this);
    GroupBoxMemoire->setObjectName(QStringLiteral("GroupBoxMemoire"));
    EditNbMeas = new QLineEdit(GroupBoxMemoire);
    EditNbMeas->setObjectName(QStringLiteral("EditNbMeas"));
    EditNbAcq = new QLineEdit(GroupBoxMemoire);
    EditNbAcq->setObjectName(QStringLiteral("EditNbAcq"));
    auto* counts = new QFormLayout(GroupBoxMemoire);
    for (QLineEdit* edit : {EditNbMeas, EditNbAcq}) {
        edit->setReadOnly(true);
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(90);
    }
    counts->addRow(tr("Nombre total de mesures"), EditNbMeas);
    counts->addRow(tr("Nombre d'acquisitions"), EditNbAcq);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    TabSheetMesures = new QWidget(PageControl);
    TabSheetMesures->setObjectName(QStringLiteral("TabSheetMesures"));
    PageControl->addTab(TabSheetMesures, tr("    Mesures    "));

    LMDListBoxMesures = new QTreeWidget(TabSheetMesures);
    LMDListBoxMesures->setObjectName(QStringLiteral("LMDListBoxMesures"));
    LMDListBoxMesures->setColumnCount(3);
    LMDListBoxMesures->setHeaderLabels(
        {tr("Acquisition"), tr("Date/Heure de début"), tr("Méthode")});
    LMDListBoxMesures->setColumnWidth(0, ColumnAcquisitionWidth);
    LMDListBoxMesures->setColumnWidth(1, ColumnStartWidth);
    LMDListBoxMesures->setColumnWidth(2, ColumnMethodWidth);
    LMDListBoxMesures->header()->setStretchLastSection(true);
    LMDListBoxMesures->header()->setSectionsMovable(false);
    LMDListBoxMesures->setRootIsDecorated(false);
    LMDListBoxMesures->setUniformRowHeights(true);
    LMDListBoxMesures->setAllColumnsShowFocus(true);
    LMDListBoxMesures->setSelectionMode(QAbstractItemView::SingleSelection);
    LMDListBoxMesures->setSelectionBehavior(QAbstractItemView::SelectRows);
    LMDListBoxMesures->setMinimumWidth(ColumnAcquisitionWidth + ColumnStartWidth +
                                       ColumnMethodWidth + 24);

    ButtonCancel = new QPushButton(tr("Annuler"), TabSheetMesures);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonRead = new QPushButton(tr("Lecture"), TabSheetMesures);
    ButtonRead->setObjectName(QStringLiteral("ButtonRead"));
    // Enter on a selected row reads it.
    ButtonRead->setDefault(true);
    auto* tabButtons = new QHBoxLayout;
    tabButtons->addStretch(1);
    tabButtons->addWidget(ButtonCancel);
    tabButtons->addWidget(ButtonRead);
    auto* tab = new QVBoxLayout(TabSheetMesures);
    tab->addWidget(LMDListBoxMesures, 1);
    tab->addLayout(tabButtons);

    ButtonClose = new QPushButton(tr("Fermer"), this);
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(ButtonClose);

    LMDProgressBar = NewWindowProgressBar(this);
    LMDStatusBar = NewWindowStatusBar(this);

    auto* content = new QVBoxLayout;
    content->addWidget(GroupBoxMemoire);
    content->addWidget(PageControl, 1);
    content->addLayout(closeRow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    content->setContentsMargins(9, 9, 9, 9);
    layout->addLayout(content, 1);
    layout->addWidget(LMDProgressBar);
    layout->addWidget(LMDStatusBar);
    resize(420, 440);

    PageControl->setEnabled(false);
    ButtonRead->setEnabled(false);
    ButtonCancel->setEnabled(false);
    ButtonClose->setEnabled(false);
}

void TFormMemoire::AttachLink(TFormRS232& link) {
    m_link = &link;
    connect(&link, &TFormRS232::DirectoryCleared, this, &TFormMemoire::ClearDirectory);
    connect(&link, &TFormRS232::DirectoryRowAdded, this, &TFormMemoire::AddDirectoryRow);
    connect(&link, &TFormRS232::ProgressChanged, this, [this](int percent, ProgressBars bars) {
        if (bars.testFlag(MemoryBar))
            LMDProgressBar->setValue(qBound(0, percent, 100));
    });
    connect(&link, &TFormRS232::RemainingTimeChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            LMDStatusBar->clearMessage();
        else
            LMDStatusBar->showMessage(text);
    });
}

void TFormMemoire::PrepareDirectoryRead() {
    ButtonRead->setEnabled(false);
    ButtonClose->setEnabled(false);
    ButtonCancel->setEnabled(false);
    ClearDirectory();
    LMDProgressBar->setValue(0);
    LMDStatusBar->clearMessage();
    PageControl->setEnabled(false);
}

void TFormMemoire::BeginDirectoryRead() {
    m_exchangeRunning = true;
    SetBusyCursors(true);
}

void TFormMemoire::EndDirectoryRead() {
    m_exchangeRunning = false;
    SetBusyCursors(false);
    ButtonClose->setEnabled(true);
    PageControl->setEnabled(true);
    // Ready for the keyboard: arrows pick a row, Enter reads it.
    LMDListBoxMesures->setFocus();
}

void TFormMemoire::ShowMemoryCounts(int measurements, int acquisitions) {
    EditNbMeas->setText(QString::number(measurements));
    EditNbAcq->setText(QString::number(acquisitions));
}

void TFormMemoire::ClearDirectory() {
    LMDListBoxMesures->clear();
    // No current row until the user picks one: a list given the focus would
    // otherwise frame its first row, which looks selected while "Lecture"
    // waits for a real selection.
    LMDListBoxMesures->setCurrentIndex(QModelIndex());
}

void TFormMemoire::AddDirectoryRow(int row, const QString& start, const QString& method) {
    new QTreeWidgetItem(LMDListBoxMesures, {QString::number(row), start, method});
    // Seen row by row while the directory arrives.
    LMDListBoxMesures->repaint();
}

void TFormMemoire::SetBusyCursors(bool busy) {
    if (busy) {
        setCursor(Qt::WaitCursor);
        // "Annuler" is the one control that still answers during a download.
        ButtonCancel->setCursor(Qt::ArrowCursor);
    } else {
        unsetCursor();
        ButtonCancel->unsetCursor();
    }
}

void TFormMemoire::LMDListBoxMesuresSelect() {
    // While the link runs, a new selection must not offer a second download.
    ButtonRead->setEnabled(!m_exchangeRunning && !LMDListBoxMesures->selectedItems().isEmpty());
}

void TFormMemoire::ButtonCancelClick() {
    m_context.CancelRequested = true;
}

void TFormMemoire::ButtonCloseClick() {
    close();
}

void TFormMemoire::reject() {
    if (!m_exchangeRunning) {
        QDialog::reject();
        return;
    }
    if (ButtonCancel->isEnabled())
        ButtonCancelClick();
}

void TFormMemoire::ButtonReadClick() {
    const QList<QTreeWidgetItem*> selected = LMDListBoxMesures->selectedItems();
    if (!m_link || m_exchangeRunning || selected.isEmpty())
        return;
    const int index = LMDListBoxMesures->indexOfTopLevelItem(selected.first());

    m_exchangeRunning = true;
    emit ExchangeStarted();
    ButtonRead->setEnabled(false);
    ButtonClose->setEnabled(false);
    SetBusyCursors(true);

    if (!m_link->Connect()) {
        // The window stays open for another try or "Fermer".
        SetBusyCursors(false);
        m_exchangeRunning = false;
        ButtonClose->setEnabled(true);
        LMDListBoxMesuresSelect();
        m_dialogs.ShowMessage(this, ConnectionFailureText(m_context, *m_link), MessageIcon::Warning,
                              MessageButtons::Ok);
        emit ExchangeFinished();
        return;
    }

    ButtonCancel->setEnabled(true);
    ButtonCancel->setFocus();
    m_context.Session.SpectraAvailable = true;
    const bool succeeded = m_link->ReadAcquisition(index);
    // Read before "SL": saying goodbye runs receives of its own.
    const ExchangeFailure failure =
        succeeded ? ExchangeFailure() : DescribeExchangeFailure(m_context, *m_link);
    m_link->Disconnect();
    SetBusyCursors(false);
    ButtonCancel->setEnabled(false);
    m_exchangeRunning = false;

    FinishDownload(succeeded, failure);
    // Closed by the program, whatever the user may close or not.
    done(QDialog::Rejected);
    emit ExchangeFinished();
}

void TFormMemoire::FinishDownload(bool succeeded, const ExchangeFailure& failure) {
    if (!succeeded) {
        // Nothing of a failed download reaches a file: "data.ovra" keeps the
        // last good one.
        m_dialogs.ShowMessage(this, failure.text,
                              failure.cause == ExchangeFailure::Port ? MessageIcon::Error
                                                                     : MessageIcon::Warning,
                              MessageButtons::Ok);
        return;
    }
    const QString copy = JoinPath(m_context.ProgramDirectory, QLatin1String(DownloadCopyName));
    const FileOutcome written = WriteMeasurementFile(copy, m_context.Session);
    m_context.Session.SessionState = SessionUnsaved;
    emit AcquisitionDownloaded();
    // The download is shown even without its copy: it is in memory and
    // "Enregistrer Sous" can still keep it.
    if (!written.Ok())
        m_dialogs.ShowMessage(this,
                              tr("La lecture a réussi, mais sa copie n'a pas pu être "
                                 "enregistrée.\n%1\nEnregistrez les données avec « Enregistrer "
                                 "Sous ».")
                                  .arg(written.message),
                              MessageIcon::Warning, MessageButtons::Ok);
}
