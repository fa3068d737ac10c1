#include "ui/dialogs/qtdialogservice.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QSpinBox>

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Qt's file dialog carries English labels unless Qt's own translations are
// installed; the program's texts are French, so its dialogs are too.
void FrenchLabels(QFileDialog& dialog, bool saving) {
    dialog.setLabelText(QFileDialog::LookIn,
                        QCoreApplication::translate("QtDialogService", "Regarder dans :"));
    dialog.setLabelText(QFileDialog::FileName,
                        QCoreApplication::translate("QtDialogService", "Nom du fichier :"));
    dialog.setLabelText(QFileDialog::FileType,
                        QCoreApplication::translate("QtDialogService", "Type :"));
    dialog.setLabelText(QFileDialog::Accept,
                        saving ? QCoreApplication::translate("QtDialogService", "Enregistrer")
                               : QCoreApplication::translate("QtDialogService", "Ouvrir"));
    dialog.setLabelText(QFileDialog::Reject,
                        QCoreApplication::translate("QtDialogService", "Annuler"));
}

QString RunFileDialog(QWidget* parent, const FileDialogRequest& request, bool saving) {
    QFileDialog dialog(parent, request.caption, request.directory, request.filter);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The caller asks about overwriting, through this service, in French.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    FrenchLabels(dialog, saving);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

// Qt labels the button that unfolds the details in English, and labels it
// again on every click (after the slots connected here, since the box adds
// the button anew when it shows): the French label follows Qt's, queued.
void AddDetails(QMessageBox& box, const QString& details) {
    box.setDetailedText(details);
    // One entry a line, not wrapped into a narrow column.
    box.setStyleSheet(QStringLiteral("QTextEdit { min-width: 30em; }"));
    const QString show = QCoreApplication::translate("QtDialogService", "Afficher les détails...");
    const QString hide = QCoreApplication::translate("QtDialogService", "Masquer les détails...");
    for (QAbstractButton* button : box.buttons()) {
        if (box.buttonRole(button) != QMessageBox::ActionRole)
            continue;
        button->setText(show);
        const QFontMetrics metrics = button->fontMetrics();
        button->setMinimumWidth(
            qMax(metrics.horizontalAdvance(show), metrics.horizontalAdvance(hide)) + 24);
        QObject::connect(
            button, &QAbstractButton::clicked, &box,
            [button, show, hide, shown = false]() mutable {
                shown = !shown;
                button->setText(shown ? hide : show);
            },
            Qt::QueuedConnection);
    }
}

} // namespace

MessageAnswer QtDialogService::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                           MessageButtons buttons) {
    return ShowDetailedMessage(parent, text, QString(), icon, buttons);
}

MessageAnswer QtDialogService::ShowDetailedMessage(QWidget* parent, const QString& text,
                                                   const QString& details, MessageIcon icon,
                                                   MessageButtons buttons) {
    // The string table pairs LF with CR; a label would draw the CR.
    QString shown = text;
    shown.remove(QLatin1Char('\r'));
    QMessageBox box(BoxIcon(icon), QCoreApplication::applicationName(), shown,
                    QMessageBox::NoButton, parent);
    if (!details.isEmpty())
        AddDetails(box, details);
    QPushButton* ok = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* cancel = nullptr;
    switch (buttons) {
    case MessageButtons::Ok:
        ok = box.addButton(QCoreApplication::translate("QtDialogService", "OK"),
                           QMessageBox::AcceptRole);
        box.setEscapeButton(ok);
        break;
    case MessageButtons::YesNoCancel:
        yes = box.addButton(QCoreApplication::translate("QtDialogService", "&Oui"),
                            QMessageBox::YesRole);
        no = box.addButton(QCoreApplication::translate("QtDialogService", "&Non"),
                           QMessageBox::NoRole);
        cancel = box.addButton(QCoreApplication::translate("QtDialogService", "Annuler"),
                               QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    case MessageButtons::YesNo:
        yes = box.addButton(QCoreApplication::translate("QtDialogService", "&Oui"),
                            QMessageBox::YesRole);
        no = box.addButton(QCoreApplication::translate("QtDialogService", "&Non"),
                           QMessageBox::NoRole);
        box.setEscapeButton(no);
        break;
    }
    box.setDefaultButton(ok ? ok : yes);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked == ok)
        return MessageAnswer::Ok;
    if (clicked == yes)
        return MessageAnswer::Yes;
    if (clicked == no)
        return MessageAnswer::No;
    return cancel ? MessageAnswer::Cancel : MessageAnswer::No;
}

QString QtDialogService::ChooseOpenFile(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, false);
}

QString QtDialogService::ChooseSaveFile(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, true);
}

QString QtDialogService::ChooseFolder(QWidget* parent, const QString& caption,
                                      const QString& directory) {
    QFileDialog dialog(parent, caption, directory);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    FrenchLabels(dialog, false);
    dialog.setLabelText(QFileDialog::Accept,
                        QCoreApplication::translate("QtDialogService", "Choisir"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool QtDialogService::ChoosePrinter(QWidget* parent, QPrinter& printer) {
    // The dialog offers printing to a PDF file, for a user without a printer.
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogService::ChooseImageSize(QWidget* parent, QSize& size) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("QtDialogService", "Taille de l'image"));
    auto* form = new QFormLayout(&dialog);
    QSpinBox* sides[2] = {new QSpinBox(&dialog), new QSpinBox(&dialog)};
    const int values[2] = {size.width(), size.height()};
    for (int i = 0; i < 2; ++i) {
        sides[i]->setRange(200, 8000);
        sides[i]->setSuffix(QCoreApplication::translate("QtDialogService", " pixels"));
        sides[i]->setValue(values[i]);
    }
    form->addRow(QCoreApplication::translate("QtDialogService", "Largeur"), sides[0]);
    form->addRow(QCoreApplication::translate("QtDialogService", "Hauteur"), sides[1]);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(QCoreApplication::translate("QtDialogService", "OK"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("QtDialogService", "Annuler"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    size = QSize(sides[0]->value(), sides[1]->value());
    return true;
}
