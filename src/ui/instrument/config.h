#pragma once

// TFormConfig, "Configuration": the instrument's 64 parameters, shown,
// edited, read from and written to the instrument, saved to and loaded from
// parameter files, and the last stage of an initialisation ("Initialiser").
// The fields are made from the parameter table; the window edits the
// session's Parameters in place, and whenever it hides the shown set becomes
// section "Parameters" of the settings file.

#include "data/varia.h"
#include "ui/dialogs/dialogservice.h"

#include <QDialog>
#include <QStringList>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTabWidget;
class TFormRS232;

// Who opened the window, and so what it offers. ModeNone until it is first
// opened.
enum ConfigWindowMode {
    ModeNone,
    ModeConfiguration,  // "Configuration": read, write, save, load
    ModeInitialisation, // after the clock window: "Initialiser"
    ModeView,           // "Paramètres": the loaded session's set, only shown
};

class TFormConfig : public QDialog {
    Q_OBJECT
public:
    TFormConfig(Context& context, DialogService& dialogs, QWidget* parent = nullptr);

    // The link is created before this window, after the clock and memory
    // windows; the start-up hands it over.
    void AttachLink(TFormRS232& link);

    // The opener's choice: the mode and its title ("Configuration" or
    // "Initialisation").
    void SetMode(ConfigWindowMode mode);
    ConfigWindowMode Mode() const { return m_mode; }

    // Parameters and SoftwareVersion into the fields. Returns the conversion
    // messages of entries that could not be shown (their fields are left
    // as the text was); empty when every entry converted.
    QStringList DisplayParameters();
    // The fields into Parameters, all or nothing: when a field does not
    // convert, or holds an edit the instrument could not give back,
    // Parameters is left whole and the message is returned.
    QString StoreParameters();
    // Parameters from section "Parameters" of the settings file.
    void LoadParameters();
    void LoadConfigList();
    void update_access();
    // This window's part of the main window's AccessButtons: the buttons of
    // the mode shown, and the exchange buttons enabled.
    void AccessButtons();
    void Header07Exit();
    void ConfigBytesMSBChange();
    void ResetProgress();

    void ButtonReadClick();
    void ButtonWriteClick();
    void ButtonInitializeClick();
    void ButtonSaveClick();
    void ButtonLoadClick();
    void ButtonCloseClick();

    bool ExchangeRunning() const { return m_exchangeRunning; }

signals:
    // Around every exchange: the main window stops its auto-detection timer
    // in between.
    void ExchangeStarted();
    void ExchangeFinished();
    // FormHide has run: the settings file holds the shown set.
    void FormHidden();

public slots:
    // Escape and the title bar's close: refused while the link runs.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    QWidget* CreatePage(int tab);
    QWidget* CreateConfigurationPage();
    QGroupBox* CreateGroup(int group, QWidget* parent);
    // A caption-less box: one byte's eight check boxes and their captions.
    QGroupBox* CreateBitGroup(int group, QWidget*& checks, const char* checksName,
                              std::array<QCheckBox*, 8>& boxes, QPlainTextEdit*& memo,
                              const char* memoName, QWidget* parent);
    QWidget* CreateField(int index, QWidget* parent);
    QWidget* CreateButtons();

    void FormShow();
    void FormHide();
    void SetStatus(const QString& text);
    void SetBusyCursors(QPushButton* button, bool busy);
    // Begins an exchange of "Lecture" or "Ecriture", and ends it.
    void BeginReadWrite(QPushButton* button);
    void EndReadWrite(QPushButton* button);
    void Tell(const QString& text, MessageIcon icon);
    void TellConversion(const QStringList& messages);
    // Counts the instrument's measurements and asks before they are erased.
    bool ConfirmErase();
    QWidget* Field(int index) const { return m_fields[std::size_t(index)]; }
    void SetConfigBoxes(int word);

    Context& m_context;
    DialogService& m_dialogs;
    TFormRS232* m_link = nullptr;
    ConfigWindowMode m_mode = ModeNone;
    bool m_exchangeRunning = false;
    QString m_parameterDirectory;
    // The entry whose field the last StoreParameters refused; -1 when none.
    int m_unconvertedField = -1;

    // Header01 .. Header64 by parameter index; null for a hidden entry.
    std::array<QWidget*, ParameterCount> m_fields{};

    QTabWidget* PageControl = nullptr;
    QLineEdit* Edit_SoftVersion = nullptr;
    QComboBox* Header10 = nullptr;
    QLineEdit* Header03 = nullptr;
    QWidget* ConfigBytesMSB = nullptr;
    QWidget* ConfigBytesLSB = nullptr;
    std::array<QCheckBox*, 8> m_msbBoxes{};
    std::array<QCheckBox*, 8> m_lsbBoxes{};
    QPlainTextEdit* LMDMemo1 = nullptr;
    QPlainTextEdit* LMDMemo2 = nullptr;
    QFrame* BevelLoadSave = nullptr;
    QFrame* BevelReadWrite = nullptr;
    QPushButton* ButtonLoad = nullptr;
    QPushButton* ButtonSave = nullptr;
    QPushButton* ButtonRead = nullptr;
    QPushButton* ButtonWrite = nullptr;
    QPushButton* ButtonInitialize = nullptr;
    QPushButton* ButtonClose = nullptr;
    QProgressBar* LMDProgressBar = nullptr;
    QStatusBar* LMDStatusBar = nullptr;
};
