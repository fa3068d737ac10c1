#include "ui/instrument/clock.h"

#include "ui/dialogs/windowbars.h"

#include "config/encodings.h"
#include "link/linkmessages.h"
#include "link/rs232.h"
#include "ui/dialogs/dialogservice.h"

#include <QCheckBox>
#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>

namespace {

constexpr std::chrono::milliseconds ClockInterval{1000};
// Two digits, "/", two digits, "/", four digits, a space, two digits, ":",
// two digits; the mask admits any digits, the date is checked before use.
const char* const ClockMask = "99/99/9999 99:99;_";

QLineEdit* NewClockField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setInputMask(QLatin1String(ClockMask));
    field->setAlignment(Qt::AlignCenter);
    field->setMinimumWidth(
        field->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000 00:00")) + 24);
    return field;
}

} // namespace

TFormClock::TFormClock(Context& context, DialogService& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormClock"));
    setWindowTitle(tr("Horloge"));
    setAttribute(Qt::WA_QuitOnClose, false);
    CreateControls();

    TimerClock = new QTimer(this);
    TimerClock->setObjectName(QStringLiteral("TimerClock"));
    TimerClock->setInterval(ClockInterval);
    connect(TimerClock, &QTimer::timeout, this, &TFormClock::TimerClockTimer);
    connect(ButtonModify, &QPushButton::clicked, this, &TFormClock::ButtonModifyClick);
    connect(ButtonKeep, &QPushButton::clicked, this, &TFormClock::ButtonKeepClick);
    connect(ButtonClose, &QPushButton::clicked, this, &TFormClock::ButtonCloseClick);
}

void TFormClock::CreateControls() {
    GroupBoxSystem = new QGroupBox(tr(" Horloge PC "), this);
    GroupBoxSystem->setObjectName(QStringLiteral("GroupBoxSystem"));
    Edit_SystemClock = NewClockField(GroupBoxSystem, "Edit_SystemClock");
    Edit_SystemClock->setReadOnly(true);
    CheckBoxHourDate = new QCheckBox(tr("Utiliser l'horloge du PC"), GroupBoxSystem);
    CheckBoxHourDate->setObjectName(QStringLiteral("CheckBoxHourDate"));
    CheckBoxHourDate->setChecked(true);
    auto* system = new QVBoxLayout(GroupBoxSystem);
    system->addWidget(Edit_SystemClock);
    system->addWidget(CheckBoxHourDate);

    GroupBoxProbe = new QGroupBox(tr(" Horloge Sonde "), this);
    GroupBoxProbe->setObjectName(QStringLiteral("GroupBoxProbe"));
    Edit_ProbeClock = NewClockField(GroupBoxProbe, "Edit_ProbeClock");
    auto* probe = new QVBoxLayout(GroupBoxProbe);
    probe->addWidget(Edit_ProbeClock);
    probe->addStretch(1);

    ButtonModify = new QPushButton(tr("Modifier"), this);
    ButtonModify->setObjectName(QStringLiteral("ButtonModify"));
    ButtonModify->setDefault(true);
    ButtonKeep = new QPushButton(tr("Conserver"), this);
    ButtonKeep->setObjectName(QStringLiteral("ButtonKeep"));
    ButtonClose = new QPushButton(tr("Annuler"), this);
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));

    LMDProgressBar = NewWindowProgressBar(this);

    auto* clocks = new QHBoxLayout;
    clocks->addWidget(GroupBoxSystem, 1);
    clocks->addWidget(GroupBoxProbe, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonModify);
    buttons->addWidget(ButtonKeep);
    buttons->addWidget(ButtonClose);
    auto* content = new QVBoxLayout;
    content->setContentsMargins(9, 9, 9, 9);
    content->addLayout(clocks);
    content->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(content, 1);
    layout->addWidget(LMDProgressBar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormClock::AttachLink(TFormRS232& link) {
    m_link = &link;
    connect(&link, &TFormRS232::ProgressChanged, this, [this](int percent, ProgressBars bars) {
        if (bars.testFlag(ClockBar))
            LMDProgressBar->setValue(qBound(0, percent, 100));
    });
}

void TFormClock::ShowClocks(const QString& probeClock) {
    Edit_ProbeClock->setText(probeClock);
    TimerClockTimer();
}

void TFormClock::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    TimerClock->start();
    LMDProgressBar->setValue(0);
    // Enter sets the clock, as the default button says.
    ButtonModify->setFocus();
}

void TFormClock::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        TimerClock->stop();
}

void TFormClock::TimerClockTimer() {
    Edit_SystemClock->setText(m_context.Now().toString(QLatin1String(TFormRS232::ClockTextFormat)));
}

void TFormClock::reject() {
    if (!m_exchangeRunning)
        QDialog::reject();
}

void TFormClock::ButtonCloseClick() {
    close();
}

void TFormClock::ButtonModifyClick() {
    if (m_exchangeRunning)
        return;
    if (CheckBoxHourDate->isChecked())
        Edit_ProbeClock->setText(Edit_SystemClock->text());
    // The mask admits any digits: a date that does not exist is refused here,
    // before the instrument is even called, and the window stays for a
    // corrected one.
    const QString clock = Edit_ProbeClock->text();
    if (!ClockTextToDateTime(clock).isValid()) {
        m_dialogs.ShowMessage(this, NotADateMessage(clock), MessageIcon::Warning,
                              MessageButtons::Ok);
        Edit_ProbeClock->setFocus();
        return;
    }
    RunExchange(clock);
}

void TFormClock::ButtonKeepClick() {
    if (!m_exchangeRunning)
        RunExchange(QString());
}

void TFormClock::SetBusy(bool busy) {
    m_exchangeRunning = busy;
    // Disabled as well as under the hourglass: the waits of the link keep
    // the window alive, and a second click would start a second exchange.
    for (QPushButton* button : {ButtonModify, ButtonKeep, ButtonClose})
        button->setEnabled(!busy);
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void TFormClock::RunExchange(const QString& clock) {
    if (!m_link)
        return;
    emit ExchangeStarted();
    SetBusy(true);
    bool read = false;
    if (!m_link->Connect()) {
        m_dialogs.ShowMessage(this, ConnectionFailureText(m_context, *m_link), MessageIcon::Warning,
                              MessageButtons::Ok);
    } else {
        ExchangeFailure failure;
        if (!clock.isNull() && !m_link->WriteInstrumentClock(clock))
            failure = WordExchangeFailure(m_context, *m_link, tr("Erreur de communication"));
        else if (m_link->ReadParameters())
            read = true;
        else
            failure =
                WordExchangeFailure(m_context, *m_link, tr("Erreur de communication (TimeOut)"));
        // Said goodbye before the configuration window takes over, so that
        // its buttons never meet a connection still open.
        m_link->Disconnect();
        if (!read)
            m_dialogs.ShowMessage(this, failure.text,
                                  failure.cause == ExchangeFailure::Port ? MessageIcon::Error
                                                                         : MessageIcon::Information,
                                  MessageButtons::Ok);
    }
    if (read)
        emit ParametersRead();
    SetBusy(false);
    close();
    emit ExchangeFinished();
}
