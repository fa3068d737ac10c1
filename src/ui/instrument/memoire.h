#pragma once

// TFormMemoire, "Lecture": the instrument's memory counts and the list of the
// acquisitions stored in it, one of which its "Lecture" button downloads.
// The menu's "Lecture" fills it (counts, then the directory read while it is
// shown); the download itself is this window's.

#include "data/varia.h"

#include <QDialog>

class DialogService;
struct ExchangeFailure;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTreeWidget;
class TFormRS232;

class TFormMemoire : public QDialog {
    Q_OBJECT
public:
    TFormMemoire(Context& context, DialogService& dialogs, QWidget* parent = nullptr);

    // The link is created after this window; the start-up hands it over.
    void AttachLink(TFormRS232& link);

    // Before the menu's "Lecture" talks to the instrument: no button, an
    // empty list, the bar at 0, the page disabled.
    void PrepareDirectoryRead();
    // Around the menu's exchange: the hourglass over this window, and the
    // window cannot be closed while the link runs.
    void BeginDirectoryRead();
    // After it: normal cursors, "Fermer" and the page enabled.
    void EndDirectoryRead();
    void ShowMemoryCounts(int measurements, int acquisitions);

    void LMDListBoxMesuresSelect();
    void ButtonCancelClick();
    void ButtonCloseClick();
    void ButtonReadClick();

    // True while this window or the menu's "Lecture" talks to the instrument.
    bool ExchangeRunning() const { return m_exchangeRunning; }

signals:
    // The download starts and ends talking to the instrument: the main window
    // stops its auto-detection timer in between.
    void ExchangeStarted();
    void ExchangeFinished();
    // A download is in the session, unsaved: the main window opens and shows it.
    void AcquisitionDownloaded();

public slots:
    // Escape and the title bar's close: refused while the link runs, except
    // that during a download they ask for its cancel, as "Annuler" does.
    void reject() override;

private:
    void CreateControls();
    void ClearDirectory();
    void AddDirectoryRow(int row, const QString& start, const QString& method);
    void SetBusyCursors(bool busy);
    // A message when the download failed; the copy "data.ovra" written and
    // the session shown when it succeeded.
    void FinishDownload(bool succeeded, const ExchangeFailure& failure);

    Context& m_context;
    DialogService& m_dialogs;
    TFormRS232* m_link = nullptr;
    bool m_exchangeRunning = false;

    QGroupBox* GroupBoxMemoire = nullptr;
    QLineEdit* EditNbMeas = nullptr;
    QLineEdit* EditNbAcq = nullptr;
    QTabWidget* PageControl = nullptr;
    QWidget* TabSheetMesures = nullptr;
    QTreeWidget* LMDListBoxMesures = nullptr;
    QPushButton* ButtonCancel = nullptr;
    QPushButton* ButtonRead = nullptr;
    QPushButton* ButtonClose = nullptr;
    QProgressBar* LMDProgressBar = nullptr;
    QStatusBar* LMDStatusBar = nullptr;
};
