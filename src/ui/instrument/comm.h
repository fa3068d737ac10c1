#pragma once

// TFormCommunication, "Communications": the serial port on which the
// instrument is found. Its creation applies the stored port to the link; while
// it is shown, the list of the system's serial ports is refreshed every second
// (a USB adapter plugged in appears), and a name not listed can be typed (a
// pseudo-terminal, for one). Beside each name the list tells what the system
// knows of the port (adapter, maker, serial number), so that two adapters can
// be told apart; the built-in demonstration instrument comes last.

#include "data/varia.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class DialogService;
class QComboBox;
class QGroupBox;
class QPushButton;
class QTimer;
class TFormRS232;

class TFormCommunication : public QDialog {
    Q_OBJECT
public:
    using PortLister = std::function<QStringList()>;
    // What the list shows beside a port's name; empty when nothing is known.
    using PortDescriber = std::function<QString(const QString&)>;

    // Runs FormCreate: the stored port and speed read, the port applied to
    // the link with its working read time-outs.
    TFormCommunication(Context& context, DialogService& dialogs, TFormRS232& link,
                       QWidget* parent = nullptr);

    // The serial ports the system offers, in the order it gives them, named
    // as the port is opened ("/dev/ttyUSB0"; "COM3" on Windows).
    static QStringList SystemPortNames();
    // The system's ports, then the demonstration instrument.
    static QStringList OfferedPortNames();
    // "USB-Serial Controller — Prolific — n° 0123" for a listed port, the
    // demonstration instrument's caption for its name.
    static QString SystemPortDescription(const QString& name);
    // Other sources of port names and descriptions (tests); the next refresh
    // uses them.
    void SetPortLister(PortLister lister);
    void SetPortDescriber(PortDescriber describer);

    // Rebuilds the list only when the ports changed, so that a name being
    // typed or picked is not lost every second.
    void RefreshListePorts();
    void ButtonCloseClick();
    // The port in use from now on, remembered in the settings as "Fermer"
    // remembers it; the speed shown is stored with it.
    void ChoosePort(const QString& port);
    void ButtonCancelClick();

public slots:
    // Escape, "Cancel" and the title bar's close: the port in use stays, and
    // so does the text shown next time.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls();
    void FormCreate();
    QStringList ListedPorts() const;

    Context& m_context;
    DialogService& m_dialogs;
    TFormRS232& m_link;
    PortLister m_portLister;
    PortDescriber m_portDescriber;

    QGroupBox* GroupBoxPort = nullptr;
    QComboBox* ComNumberComboBoxSerial = nullptr;
    QComboBox* BaudRateComboBoxSerial = nullptr;
    QPushButton* ButtonClose = nullptr;
    QPushButton* ButtonCancel = nullptr;
    QTimer* TimerRefresh = nullptr;
};
