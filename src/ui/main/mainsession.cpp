#include "ui/main/main.h"

#include "data/checkedwrite.h"
#include "ui/dialogs/busyscope.h"
#include "ui/display/acquisitionview.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>

namespace {

// The directory part of a file name with its trailing separator, as the
// dialogs and the settings file keep it ("/data/a.ovra" gives "/data/").
QString DirectoryPart(const QString& path) {
    const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    return native.left(native.lastIndexOf(QDir::separator()) + 1);
}

// A byte copy that replaces the target only once it is complete, so that a
// failure leaves any file already there whole, and a copy onto itself is
// harmless. Returns the reason of a failure, empty on success.
QString CopyFileBytes(const QString& source, const QString& target) {
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return DeviceErrorText(input);
    const QByteArray bytes = input.readAll();
    if (input.error() != QFileDevice::NoError)
        return DeviceErrorText(input);
    input.close();
    return WriteFileChecked(target, bytes).reason;
}

} // namespace

void TFormMain::OpenSession() {
    SetSessionMenus(true);
    m_view->OpenSessionDisplay();
    UpdateTitle();
}

void TFormMain::CloseSession() {
    m_context.Session.SessionState = SessionEmpty;
    SetSessionMenus(false);
    m_context.Session.FileName.clear();
    m_view->CloseSessionDisplay();
    UpdateTitle();
}

void TFormMain::DisplayAcquisition() {
    m_view->DisplayAcquisition();
}

FileOutcome TFormMain::LoadMeasurementFile(const QString& path) {
    // An unsaved download is discarded here without a question: the user has
    // chosen another file, and the download's copy stays in "data.ovra".
    CloseSession();
    const FileOutcome outcome = ReadMeasurementFile(path, m_context.Session);
    if (outcome.Ok()) {
        m_context.Session.SessionState = SessionSaved;
        m_context.Session.FileName = path;
        OpenSession();
        DisplayAcquisition();
        RememberRecentFile(path);
    }
    LMDProgressBar->setValue(0);
    return outcome;
}

void TFormMain::TellReadFailure(const FileOutcome& outcome) {
    // A file that could not be read at all is told with its name and reason
    // (the reader's message names both); a rejected one with the fixed text.
    m_dialogs.ShowError(this, outcome.kind == FileOutcome::Rejected
                                  ? tr("Format de fichier incorrect")
                                  : outcome.message);
}

void TFormMain::FormActivate() {
    if (!m_context.CommandLinePending || m_context.CommandLineFile.isEmpty())
        return;
    m_context.CommandLinePending = false;
    const FileOutcome outcome = LoadMeasurementFile(m_context.CommandLineFile);
    if (!outcome.Ok())
        TellReadFailure(outcome);
}

void TFormMain::MenuOpenClick() {
    if (m_context.DirectoryMode == 0)
        OpenDataDialog.directory = m_context.LatestDirectory;
    const QString path = m_dialogs.ChooseOpenFile(this, OpenDataDialog);
    if (path.isEmpty())
        return;
    OpenChosenFile(path);
}

void TFormMain::OpenChosenFile(const QString& path) {
    FileOutcome outcome;
    {
        BusyScope busy(*this);
        outcome = LoadMeasurementFile(path);
    }
    if (!outcome.Ok()) {
        TellReadFailure(outcome);
        return;
    }
    m_context.LatestDirectory = DirectoryPart(m_context.Session.FileName);
}

void TFormMain::LMDFMDropFMDragDrop(const QStringList& files) {
    if (files.isEmpty() || !files.first().endsWith(QLatin1String(".ovra"), Qt::CaseSensitive))
        return;
    const FileOutcome outcome = LoadMeasurementFile(files.first());
    if (!outcome.Ok())
        TellReadFailure(outcome);
}

void TFormMain::MenuCloseClick() {
    GuardUnsavedSession(MessageButtons::YesNoCancel);
}

void TFormMain::MenuSaveAsClick() {
    if (m_context.DirectoryMode == 0)
        SaveDataDialog.directory = m_context.LatestDirectory;
    const QString path = m_dialogs.AskSaveFileName(this, SaveDataDialog);
    if (path.isEmpty())
        return;
    QString failure;
    {
        BusyScope busy(*this);
        Session& session = m_context.Session;
        // A session read from a file is saved as that file's bytes: the
        // parameters edited since belong to the instrument, not to the file.
        if (session.SessionState == SessionSaved) {
            const QString reason = CopyFileBytes(session.FileName, path);
            if (!reason.isEmpty())
                failure = tr("Le fichier %1 n'a pas pu être copié vers %2.\n%3")
                              .arg(QDir::toNativeSeparators(session.FileName),
                                   QDir::toNativeSeparators(path), reason);
        } else {
            const FileOutcome outcome = WriteMeasurementFile(path, session);
            if (!outcome.Ok())
                failure = outcome.message;
        }
    }
    if (!failure.isEmpty()) {
        m_dialogs.ShowError(this, failure);
        return;
    }
    m_context.Session.SessionState = SessionSaved;
    m_context.Session.FileName = path;
    UpdateTitle();
    m_context.LatestDirectory = DirectoryPart(path);
    RememberRecentFile(path);
}

bool TFormMain::SaveFromQuestion() {
    // This dialog keeps its starting directory whatever the directory mode.
    const QString path = m_dialogs.AskSaveFileName(this, SaveDataDialog);
    if (path.isEmpty())
        return false;
    FileOutcome outcome;
    {
        BusyScope busy(*this);
        outcome = WriteMeasurementFile(path, m_context.Session);
    }
    if (!outcome.Ok()) {
        m_dialogs.ShowError(this, outcome.message);
        return false;
    }
    return true;
}

bool TFormMain::GuardUnsavedSession(MessageButtons buttons) {
    switch (m_context.Session.SessionState) {
    case SessionEmpty:
        return true;
    case SessionSaved:
        CloseSession();
        return true;
    case SessionUnsaved:
        break;
    }
    const MessageAnswer answer = m_dialogs.ShowMessage(
        this, tr("Les données en cours n'ont pas été sauvées !\n\rVoulez-vous les sauver ?"),
        MessageIcon::Information, buttons);
    if (answer == MessageAnswer::Yes) {
        if (!SaveFromQuestion())
            return false;
    } else if (answer != MessageAnswer::No) {
        return false;
    }
    CloseSession();
    return true;
}

bool TFormMain::FormCloseQuery() {
    if (m_context.Session.SessionState != SessionUnsaved)
        return true;
    const MessageAnswer answer = m_dialogs.ShowMessage(
        this, tr("Les données n'ont pas été sauvées !\n\rVoulez-vous sauver avant de quitter ?"),
        MessageIcon::Information, MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::Yes)
        return SaveFromQuestion();
    return answer == MessageAnswer::No;
}
