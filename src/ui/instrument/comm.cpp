#include "ui/instrument/comm.h"

#include "link/rs232.h"
#include "ui/dialogs/settingwrite.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>

namespace {

constexpr std::chrono::milliseconds RefreshInterval{1000};
// Only shown: the line always runs at 57600 baud.
const char* const SpeedTexts[] = {"Custom", "110",    "300",    "600",   "1200",  "2400",
                                  "4800",   "9600",   "14400",  "19200", "38400", "56000",
                                  "57600",  "115200", "128000", "256000"};
const char* const CreationSpeed = "57600";

} // namespace

TFormCommunication::TFormCommunication(Context& context, DialogService& dialogs, TFormRS232& link,
                                       QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_dialogs(dialogs)
    , m_link(link)
    , m_portLister(&TFormCommunication::SystemPortNames) {
    setObjectName(QStringLiteral("FormCommunication"));
    setWindowTitle(tr("Communications"));
    setAttribute(Qt::WA_QuitOnClose, false);
    CreateControls();

    TimerRefresh = new QTimer(this);
    TimerRefresh->setObjectName(QStringLiteral("TimerRefresh"));
    TimerRefresh->setInterval(RefreshInterval);
    connect(TimerRefresh, &QTimer::timeout, this, &TFormCommunication::RefreshListePorts);
    connect(ButtonClose, &QPushButton::clicked, this, &TFormCommunication::ButtonCloseClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &TFormCommunication::ButtonCancelClick);

    FormCreate();
}

void TFormCommunication::CreateControls() {
    GroupBoxPort = new QGroupBox(tr(" Propriétés du port de communication "), this);
    GroupBoxPort->setObjectName(QStringLiteral("GroupBoxPort"));
    ComNumberComboBoxSerial = new QComboBox(GroupBoxPort);
    ComNumberComboBoxSerial->setObjectName(QStringLiteral("ComNumberComboBoxSerial"));
    ComNumberComboBoxSerial->setEditable(true);
    // A typed name is the choice itself, not an entry to add to the list.
    ComNumberComboBoxSerial->setInsertPolicy(QComboBox::NoInsert);
    ComNumberComboBoxSerial->setMinimumWidth(220);
    BaudRateComboBoxSerial = new QComboBox(GroupBoxPort);
    BaudRateComboBoxSerial->setObjectName(QStringLiteral("BaudRateComboBoxSerial"));
    for (const char* speed : SpeedTexts)
        BaudRateComboBoxSerial->addItem(QLatin1String(speed));
    BaudRateComboBoxSerial->setCurrentText(QLatin1String(CreationSpeed));
    BaudRateComboBoxSerial->setEnabled(false);

    auto* form = new QFormLayout(GroupBoxPort);
    form->addRow(tr("Numéro de port"), ComNumberComboBoxSerial);
    form->addRow(tr("Vitesse"), BaudRateComboBoxSerial);

    ButtonClose = new QPushButton(tr("OK"), this);
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    ButtonClose->setDefault(true);
    ButtonCancel = new QPushButton(tr("Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonClose);
    buttons->addWidget(ButtonCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBoxPort);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormCommunication::FormCreate() {
    // A stored speed that is not one of the list's leaves "57600" shown.
    const QString speed = ReadSetting(m_context, SettingKeys::BaudRateSerial);
    const int speedIndex = BaudRateComboBoxSerial->findText(speed);
    if (speedIndex >= 0)
        BaudRateComboBoxSerial->setCurrentIndex(speedIndex);
    // The system's port list is not asked for here: asking costs a good part
    // of the program's start-up, and the hidden window lists the ports again
    // each time it is shown, before anyone can see the list.
    const QString port = ReadSetting(m_context, SettingKeys::ComNumberSerial);
    ComNumberComboBoxSerial->setEditText(port);
    m_link.SetPortName(port);
    m_link.SetReadTimeouts(TFormRS232::WorkingReadTimeoutMs);
}

QStringList TFormCommunication::SystemPortNames() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_WIN
        names << info.portName();
#else
        names << info.systemLocation();
#endif
    }
    return names;
}

void TFormCommunication::SetPortLister(PortLister lister) {
    m_portLister = std::move(lister);
}

QStringList TFormCommunication::ListedPorts() const {
    QStringList listed;
    for (int i = 0; i < ComNumberComboBoxSerial->count(); ++i)
        listed << ComNumberComboBoxSerial->itemText(i);
    return listed;
}

void TFormCommunication::RefreshListePorts() {
    const QStringList ports = m_portLister ? m_portLister() : QStringList();
    if (ports == ListedPorts())
        return;
    ComNumberComboBoxSerial->clear();
    ComNumberComboBoxSerial->addItems(ports);
    ComNumberComboBoxSerial->setEditText(m_link.PortName());
}

void TFormCommunication::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    TimerRefresh->start();
    RefreshListePorts();
}

void TFormCommunication::hideEvent(QHideEvent* event) {
    TimerRefresh->stop();
    QDialog::hideEvent(event);
}

void TFormCommunication::ButtonCloseClick() {
    const QString port = ComNumberComboBoxSerial->currentText().trimmed();
    m_link.SetPortName(port);
    ComNumberComboBoxSerial->setEditText(port);
    const QString speed = BaudRateComboBoxSerial->currentIndex() >= 0
                              ? BaudRateComboBoxSerial->currentText()
                              : QString();
    // The port is in use for this run whatever the settings file says; a
    // refused write only means it is not remembered.
    if (WriteSettingOrTell(m_context, m_dialogs, this, SettingKeys::ComNumberSerial, port))
        WriteSettingOrTell(m_context, m_dialogs, this, SettingKeys::BaudRateSerial, speed);
    accept();
}

void TFormCommunication::ButtonCancelClick() {
    reject();
}

void TFormCommunication::reject() {
    ComNumberComboBoxSerial->setEditText(m_link.PortName());
    QDialog::reject();
}
