// "Fichiers récents" of the File menu: the files opened or saved lately, most
// recent first. A file that is not there any more (a USB key unplugged) is
// greyed out and kept, since it may come back; one that vanished after the
// menu was shown is removed from the list when chosen, and the user is told.

#include "ui/main/main.h"

#include "settings/recentfiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

void TFormMain::CreateRecentFilesMenu() {
    MenuRecentFiles = MenuFile->addMenu(tr("Fichiers ré&cents"));
    MenuRecentFiles->setObjectName(QStringLiteral("MenuRecentFiles"));
    // Built when it opens, so that each entry tells whether its file is there now.
    connect(MenuRecentFiles, &QMenu::aboutToShow, this, &TFormMain::RebuildRecentFilesMenu);
    RebuildRecentFilesMenu();
}

void TFormMain::RebuildRecentFilesMenu() {
    MenuRecentFiles->clear();
    const QStringList files = ReadRecentFiles(m_context);
    for (int i = 0; i < files.size(); ++i) {
        const QString& file = files[i];
        // "&1 rolle3.ovra  (/home/user/mesures)": the number is the mnemonic.
        const QFileInfo info(file);
        const QString caption =
            QStringLiteral("&%1 %2  (%3)")
                .arg(i + 1)
                .arg(info.fileName().replace(QLatin1Char('&'), QLatin1String("&&")),
                     QDir::toNativeSeparators(info.path())
                         .replace(QLatin1Char('&'), QLatin1String("&&")));
        QAction* item = MenuRecentFiles->addAction(caption);
        item->setObjectName(QStringLiteral("MenuRecentFile%1").arg(i + 1));
        item->setData(file);
        item->setToolTip(QDir::toNativeSeparators(file));
        item->setEnabled(info.isFile());
        connect(item, &QAction::triggered, this, [this, file] { MenuRecentFileClick(file); });
    }
    MenuRecentFiles->menuAction()->setEnabled(!files.isEmpty());
}

void TFormMain::RememberRecentFile(const QString& path) {
    // Not remembering a file is no reason to interrupt the user: a settings
    // file that refuses the write is told by the windows that need it.
    WriteRecentFiles(m_context, AddRecentFile(ReadRecentFiles(m_context), path));
    RebuildRecentFilesMenu();
}

void TFormMain::MenuRecentFileClick(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        WriteRecentFiles(m_context, RemoveRecentFile(ReadRecentFiles(m_context), path));
        RebuildRecentFilesMenu();
        m_dialogs.ShowMessage(this,
                              tr("Le fichier %1 n'existe plus.\nIl est retiré de la liste des "
                                 "fichiers récents.")
                                  .arg(QDir::toNativeSeparators(path)),
                              MessageIcon::Warning, MessageButtons::Ok);
        return;
    }
    OpenChosenFile(path);
}
