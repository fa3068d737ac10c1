#pragma once

// TFormClock, "Horloge": the first stage of an initialisation. The
// instrument's clock is kept ("Conserver") or set ("Modifier", by default to
// the computer's clock), then the instrument's parameters are read and the
// configuration window takes over. The main window opens it with both
// clocks filled and runs the hand-over.

#include "data/varia.h"

#include <QDialog>

class DialogService;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class TFormRS232;

class TFormClock : public QDialog {
    Q_OBJECT
public:
    TFormClock(Context& context, DialogService& dialogs, QWidget* parent = nullptr);

    // The link is created after this window; the start-up hands it over.
    void AttachLink(TFormRS232& link);

    // Before showing: the instrument's clock as read, the computer's as now.
    void ShowClocks(const QString& probeClock);

    void TimerClockTimer();
    void ButtonModifyClick();
    void ButtonKeepClick();
    void ButtonCloseClick();

    bool ExchangeRunning() const { return m_exchangeRunning; }

signals:
    // Around the exchange of "Modifier" and "Conserver": the main window
    // stops its auto-detection timer in between.
    void ExchangeStarted();
    void ExchangeFinished();
    // The parameters were read: the configuration window takes over. Sent
    // before this window closes, so that the main window stays disabled.
    void ParametersRead();

public slots:
    // Escape and the title bar's close: refused while the link runs.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls();
    // One connection: the clock set when `clock` is not null, then the
    // parameters read; the window closes whatever the outcome.
    void RunExchange(const QString& clock);
    void SetBusy(bool busy);

    Context& m_context;
    DialogService& m_dialogs;
    TFormRS232* m_link = nullptr;
    bool m_exchangeRunning = false;

    QGroupBox* GroupBoxSystem = nullptr;
    QLineEdit* Edit_SystemClock = nullptr;
    QCheckBox* CheckBoxHourDate = nullptr;
    QGroupBox* GroupBoxProbe = nullptr;
    QLineEdit* Edit_ProbeClock = nullptr;
    QPushButton* ButtonModify = nullptr;
    QPushButton* ButtonKeep = nullptr;
    QPushButton* ButtonClose = nullptr;
    QProgressBar* LMDProgressBar = nullptr;
    QTimer* TimerClock = nullptr;
};
