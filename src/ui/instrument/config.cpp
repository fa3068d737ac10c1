// The configuration window's data side: the fields to and from Parameters
// through the table's encodings, the CONFIG word bit by bit, the next
// maintenance month, the modes, and what showing and hiding do.

#include "ui/instrument/config.h"

#include "config/encodings.h"
#include "config/parameterfile.h"
#include "config/parametertable.h"
#include "link/rs232.h"
#include "settings/settings.h"
#include "ui/dialogs/dialogservice.h"
#include "ui/instrument/configfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

// A group's value: bit k set when its box k, counted from the top, is checked.
int GroupValue(const std::array<QCheckBox*, 8>& boxes) {
    int value = 0;
    for (int k = 0; k < 8; ++k) {
        if (boxes[std::size_t(k)]->isChecked())
            value |= 1 << k;
    }
    return value;
}

void SetGroupValue(const std::array<QCheckBox*, 8>& boxes, int value) {
    for (int k = 0; k < 8; ++k) {
        QCheckBox* box = boxes[std::size_t(k)];
        // Set quietly: a word shown is not a word edited, and recomputing it
        // would re-write a text the instrument sent ("0258" stays "0258").
        const QSignalBlocker quiet(box);
        box->setChecked((value >> k) & 1);
    }
}

// The multi-line field holds "\n" line breaks; the stored comment holds TABs.
QString CommentForField(const QString& stored) {
    QString shown = CommentFromStored(stored);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

} // namespace

TFormConfig::TFormConfig(Context& context, DialogService& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormConfig"));
    setWindowTitle(tr("Configuration"));
    setAttribute(Qt::WA_QuitOnClose, false);
    CreateControls();
    m_parameterDirectory = m_context.InitialDirectory;
}

void TFormConfig::AttachLink(TFormRS232& link) {
    m_link = &link;
    connect(&link, &TFormRS232::ProgressChanged, this, [this](int percent, ProgressBars bars) {
        if (bars.testFlag(ConfigBar))
            LMDProgressBar->setValue(qBound(0, percent, 100));
    });
}

void TFormConfig::SetMode(ConfigWindowMode mode) {
    m_mode = mode;
    setWindowTitle(mode == ModeInitialisation ? tr("Initialisation") : tr("Configuration"));
}

void TFormConfig::ResetProgress() {
    LMDProgressBar->setValue(0);
}

QStringList TFormConfig::DisplayParameters() {
    const Session& session = m_context.Session;
    QStringList failures;
    Edit_SoftVersion->setText(session.SoftwareVersion);
    Edit_SoftVersion->setCursorPosition(0);
    for (const ParameterEntry& entry : ParameterTable()) {
        if (entry.Hidden())
            continue;
        const QString& value = session.Parameters[std::size_t(entry.index)];
        QWidget* field = Field(entry.index);
        switch (entry.encoding) {
        case ParameterEncoding::AsText:
            SetParameterFieldText(field, value);
            break;
        case ParameterEncoding::ConfigBits: {
            SetParameterFieldText(field, value);
            const IntegerConversion word = ConvertInteger(value);
            if (!word.ok)
                failures << word.error;
            SetConfigBoxes(word.ok ? word.value : 0);
            break;
        }
        case ParameterEncoding::LanguageItem: {
            const IntegerConversion item = ConvertInteger(value);
            if (!item.ok)
                failures << item.error;
            // An item number the list does not hold selects nothing, and
            // nothing selected leaves the entry as it is.
            Header10->setCurrentIndex(
                item.ok && item.value >= 0 && item.value < Header10->count() ? item.value : -1);
            break;
        }
        case ParameterEncoding::LightPercent: {
            const IntegerConversion stored = ConvertInteger(value);
            if (!stored.ok)
                failures << stored.error;
            SetParameterFieldText(
                field, stored.ok ? QString::number(LightPercentFromStored(stored.value)) : value);
            break;
        }
        case ParameterEncoding::CommentLines:
            SetParameterFieldText(field, CommentForField(value));
            break;
        }
    }
    return failures;
}

QString TFormConfig::StoreParameters() {
    // Built aside and taken whole: a field that does not convert leaves the
    // set as it was, so nothing half-stored is ever sent or saved.
    ParameterSet values = m_context.Session.Parameters;
    for (const ParameterEntry& entry : ParameterTable()) {
        if (entry.Hidden())
            continue;
        QString& value = values[std::size_t(entry.index)];
        const QString text = ParameterFieldText(Field(entry.index));
        switch (entry.encoding) {
        case ParameterEncoding::AsText:
        case ParameterEncoding::ConfigBits:
            value = text;
            break;
        case ParameterEncoding::LanguageItem:
            if (Header10->currentIndex() >= 0)
                value = QString::number(Header10->currentIndex());
            break;
        case ParameterEncoding::LightPercent: {
            const IntegerConversion percent = ConvertInteger(text);
            if (!percent.ok)
                return percent.error;
            value = QString::number(LightStoredFromPercent(percent.value));
            break;
        }
        case ParameterEncoding::CommentLines:
            value = CommentToStored(text);
            break;
        }
    }
    m_context.Session.Parameters = values;
    return QString();
}

void TFormConfig::LoadParameters() {
    m_context.Session.Parameters = LoadSettingsParameters(m_context).values;
}

void TFormConfig::LoadConfigList() {
    const ProfileFile settings = ReadSettingsFile(m_context);
    QStringList low;
    QStringList high;
    for (int bit = 7; bit >= 0; --bit)
        low << ReadSetting(settings, ConfigBitCaptionKey(bit));
    for (int bit = 15; bit >= 8; --bit)
        high << ReadSetting(settings, ConfigBitCaptionKey(bit));
    LMDMemo1->setPlainText(low.join(QLatin1Char('\n')));
    LMDMemo2->setPlainText(high.join(QLatin1Char('\n')));
}

void TFormConfig::update_access() {
    // "Paramètres" shows the set a session was measured with: nothing of it
    // can be changed there, the language list included.
    const bool editable = m_mode != ModeView;
    for (QWidget* field : m_fields) {
        if (field)
            field->setEnabled(editable);
    }
    ConfigBytesMSB->setEnabled(editable);
    ConfigBytesLSB->setEnabled(editable);
    Edit_SoftVersion->setEnabled(false);
    Header03->setReadOnly(true);
}

void TFormConfig::AccessButtons() {
    const bool configuration = m_mode == ModeConfiguration;
    for (QWidget* control : std::initializer_list<QWidget*>{BevelReadWrite, ButtonRead, ButtonWrite,
                                                            BevelLoadSave, ButtonSave, ButtonLoad})
        control->setVisible(configuration);
    ButtonInitialize->setVisible(m_mode == ModeInitialisation);
    for (QPushButton* button : {ButtonRead, ButtonWrite, ButtonInitialize, ButtonClose})
        button->setEnabled(true);
}

void TFormConfig::SetConfigBoxes(int word) {
    const ConfigCheckGroups groups = ConfigGroupsFromWord(word);
    SetGroupValue(m_msbBoxes, groups.msb);
    SetGroupValue(m_lsbBoxes, groups.lsb);
}

void TFormConfig::ConfigBytesMSBChange() {
    const int word = ConfigWordFromGroups({GroupValue(m_msbBoxes), GroupValue(m_lsbBoxes)});
    Header03->setText(QString::number(word));
}

void TFormConfig::Header07Exit() {
    const MonthConversion next = NextMaintenance(ParameterFieldText(Field(LastMaintIndex)),
                                                 ParameterFieldText(Field(IntMaintIndex)));
    if (next.ok)
        SetParameterFieldText(Field(NextMaintIndex), next.text);
    else
        TellConversion({next.error});
}

bool TFormConfig::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the field for another control of this window, as the user
    // does; a focus lost to another window or to a menu is not leaving it.
    if (watched == Field(LastMaintIndex) && event->type() == QEvent::FocusOut && isVisible()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Header07Exit();
    }
    return QDialog::eventFilter(watched, event);
}

void TFormConfig::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormConfig::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormHide();
}

void TFormConfig::FormShow() {
    ResetProgress();
    const QStringList failures = DisplayParameters();
    update_access();
    LoadConfigList();
    PageControl->setCurrentIndex(TabGeneral);
    if (!failures.isEmpty())
        TellConversion(failures);
}

void TFormConfig::FormHide() {
    // Whatever the mode, the set shown becomes the settings file's.
    const QString failure = StoreParameters();
    if (!failure.isEmpty())
        TellConversion({failure});
    else if (!SaveSettingsParameters(m_context, m_context.Session.Parameters))
        m_dialogs.ShowError(this, SettingsWriteRefused(m_context));
    emit FormHidden();
}

void TFormConfig::reject() {
    if (!m_exchangeRunning)
        QDialog::reject();
}

void TFormConfig::ButtonCloseClick() {
    close();
}

void TFormConfig::TellConversion(const QStringList& messages) {
    m_dialogs.ShowMessage(isVisible() ? this : parentWidget(), messages.join(QLatin1Char('\n')),
                          MessageIcon::Error, MessageButtons::Ok);
}

void TFormConfig::SetStatus(const QString& text) {
    if (text.isEmpty())
        LMDStatusBar->clearMessage();
    else
        LMDStatusBar->showMessage(text);
    // Seen before the exchange that follows begins.
    LMDStatusBar->repaint();
}
