#include "ui/instrument/comm.h"

#include "link/portselect.h"
#include "link/rs232.h"
#include "ui/dialogs/settingwrite.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <chrono>

namespace {

constexpr std::chrono::milliseconds RefreshInterval{1000};
// Only shown: the line always runs at 57600 baud.
const char* const SpeedTexts[] = {"Custom", "110",    "300",    "600",   "1200",  "2400",
                                  "4800",   "9600",   "14400",  "19200", "38400", "56000",
                                  "57600",  "115200", "128000", "256000"};
const char* const CreationSpeed = "57600";
// Columns of the port list: the name (the combo box's text) and what the
// system says of the port.
constexpr int NameColumn = 0;
constexpr int DescriptionColumn = 1;

} // namespace

TFormCommunication::TFormCommunication(Context& context, DialogService& dialogs, TFormRS232& link,
                                       QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_dialogs(dialogs)
    , m_link(link)
    , m_portLister(&TFormCommunication::OfferedPortNames)
    , m_portDescriber(&TFormCommunication::SystemPortDescription) {
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
    auto* ports = new QStandardItemModel(0, 2, ComNumberComboBoxSerial);
    ComNumberComboBoxSerial->setModel(ports);
    ComNumberComboBoxSerial->setModelColumn(NameColumn);
    auto* portView = new QTreeView(ComNumberComboBoxSerial);
    portView->setObjectName(QStringLiteral("PortListView"));
    portView->setHeaderHidden(true);
    portView->setRootIsDecorated(false);
    portView->setItemsExpandable(false);
    portView->setAllColumnsShowFocus(true);
    portView->setSelectionBehavior(QAbstractItemView::SelectRows);
    portView->header()->setStretchLastSection(true);
    ComNumberComboBoxSerial->setView(portView);
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

QStringList TFormCommunication::OfferedPortNames() {
    return SystemPortNames() << QLatin1String(SimulatedPortName);
}

QString TFormCommunication::SystemPortDescription(const QString& name) {
    if (IsSimulatedPortName(name))
        return tr("Instrument simulé (démonstration)");
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (info.systemLocation() != name && info.portName() != name)
            continue;
        QStringList parts;
        for (const QString& part : {info.description(), info.manufacturer()}) {
            if (!part.trimmed().isEmpty() && !parts.contains(part.trimmed()))
                parts << part.trimmed();
        }
        if (!info.serialNumber().trimmed().isEmpty())
            parts << tr("n° %1").arg(info.serialNumber().trimmed());
        return parts.join(QStringLiteral(" — "));
    }
    return QString();
}

void TFormCommunication::SetPortLister(PortLister lister) {
    m_portLister = std::move(lister);
}

void TFormCommunication::SetPortDescriber(PortDescriber describer) {
    m_portDescriber = std::move(describer);
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
    auto* model = static_cast<QStandardItemModel*>(ComNumberComboBoxSerial->model());
    for (const QString& port : ports) {
        const QString description = m_portDescriber ? m_portDescriber(port) : QString();
        auto* name = new QStandardItem(port);
        auto* about = new QStandardItem(description);
        for (QStandardItem* item : {name, about}) {
            item->setEditable(false);
            item->setToolTip(description.isEmpty() ? port : port + QLatin1Char('\n') + description);
        }
        model->appendRow({name, about});
    }
    if (auto* view = qobject_cast<QTreeView*>(ComNumberComboBoxSerial->view())) {
        view->resizeColumnToContents(DescriptionColumn);
        const int described = view->columnWidth(DescriptionColumn);
        view->resizeColumnToContents(NameColumn);
        view->setMinimumWidth(view->columnWidth(NameColumn) + described + 24);
    }
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
    ChoosePort(ComNumberComboBoxSerial->currentText().trimmed());
    accept();
}

void TFormCommunication::ChoosePort(const QString& port) {
    m_link.SetPortName(port);
    ComNumberComboBoxSerial->setEditText(port);
    const QString speed = BaudRateComboBoxSerial->currentIndex() >= 0
                              ? BaudRateComboBoxSerial->currentText()
                              : QString();
    // The port is in use for this run whatever the settings file says; a
    // refused write only means it is not remembered.
    if (WriteSettingOrTell(m_context, m_dialogs, this, SettingKeys::ComNumberSerial, port))
        WriteSettingOrTell(m_context, m_dialogs, this, SettingKeys::BaudRateSerial, speed);
}

void TFormCommunication::ButtonCancelClick() {
    reject();
}

void TFormCommunication::reject() {
    ComNumberComboBoxSerial->setEditText(m_link.PortName());
    QDialog::reject();
}
