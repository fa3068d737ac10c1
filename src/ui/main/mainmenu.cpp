#include "ui/main/main.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "settings/language.h"

namespace {

QAction* NewAction(QObject* owner, const char* name, const QString& caption,
                   const QKeySequence& shortcut = QKeySequence()) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

// Captions keep their leading and trailing blanks; the "&" marks the keyboard
// mnemonic and is not shown.
void TFormMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    MenuFile = bar->addMenu(tr("  &Fichier  "));
    MenuFile->setObjectName(QStringLiteral("MenuFile"));
    MenuDefaultDirectory = NewAction(this, "MenuDefaultDirectory", tr("&Répertoire par défaut"));
    MenuFile->addAction(MenuDefaultDirectory);
    MenuFile->addSeparator();
    MenuLangue = MenuFile->addMenu(tr("&Langue"));
    MenuLangue->setObjectName(QStringLiteral("MenuLangue"));
    MenuAnglais = NewAction(this, "MenuAnglais", tr("&Anglais"));
    MenuAnglais->setData(EnglishLocaleId);
    MenuFrancais = NewAction(this, "MenuFrancais", tr("&Francais"));
    MenuFrancais->setData(FrenchLocaleId);
    m_languageGroup = new QActionGroup(this);
    for (QAction* item : {MenuAnglais, MenuFrancais}) {
        item->setCheckable(true);
        m_languageGroup->addAction(item);
        MenuLangue->addAction(item);
    }
    MenuFile->addSeparator();
    MenuOpen = NewAction(this, "MenuOpen", tr("&Ouvrir"), QKeySequence(Qt::CTRL | Qt::Key_O));
    MenuClose = NewAction(this, "MenuClose", tr("&Fermer"), QKeySequence(Qt::CTRL | Qt::Key_W));
    MenuSaveAs =
        NewAction(this, "MenuSaveAs", tr("&Enregistrer Sous"), QKeySequence(Qt::CTRL | Qt::Key_S));
    MenuFile->addActions({MenuOpen, MenuClose, MenuSaveAs});
    MenuFile->addSeparator();
    CreateRecentFilesMenu();
    CreateExportMenu();
    MenuOverview =
        NewAction(this, "MenuOverview", tr("&Vue d'ensemble"), QKeySequence(Qt::CTRL | Qt::Key_G));
    MenuFile->addAction(MenuOverview);
    MenuReport = NewAction(this, "MenuReport", tr("Rapport de &mesure…"));
    MenuFile->addAction(MenuReport);
    MenuFile->addSeparator();
    MenuPrint = NewAction(this, "MenuPrint", tr("&Imprimer"), QKeySequence(Qt::CTRL | Qt::Key_P));
    MenuFile->addAction(MenuPrint);
    MenuFile->addSeparator();
    MenuExit = NewAction(this, "MenuExit", tr("&Quitter"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    MenuFile->addAction(MenuExit);

    MenuInstrument = bar->addMenu(tr("  &Instrument  "));
    MenuInstrument->setObjectName(QStringLiteral("MenuInstrument"));
    MenuRead = NewAction(this, "MenuRead", tr("&Lecture"));
    MenuInitialization = NewAction(this, "MenuInitialization", tr("&Initialisation"));
    MenuInstrument->addActions({MenuRead, MenuInitialization});
    MenuInstrument->addSeparator();
    MenuConfiguration = NewAction(this, "MenuConfiguration", tr("&Configuration"));
    MenuInstrument->addAction(MenuConfiguration);
    MenuInstrument->addSeparator();
    MenuCommunications = NewAction(this, "MenuCommunications", tr("C&ommunications"));
    MenuInstrument->addAction(MenuCommunications);

    MenuParametres = NewAction(this, "MenuParametres", tr("&Paramètres"));
    bar->addAction(MenuParametres);
    MenuWhat = NewAction(this, "MenuWhat", tr("   ?   "), QKeySequence(Qt::Key_F1));
    bar->addAction(MenuWhat);

    connect(MenuDefaultDirectory, &QAction::triggered, this, &TFormMain::MenuDefaultDirectoryClick);
    connect(MenuOpen, &QAction::triggered, this, &TFormMain::MenuOpenClick);
    connect(MenuClose, &QAction::triggered, this, &TFormMain::MenuCloseClick);
    connect(MenuSaveAs, &QAction::triggered, this, &TFormMain::MenuSaveAsClick);
    connect(MenuPrint, &QAction::triggered, this, &TFormMain::MenuPrintClick);
    connect(MenuOverview, &QAction::triggered, this, &TFormMain::MenuOverviewClick);
    connect(MenuReport, &QAction::triggered, this, &TFormMain::MenuReportClick);
    connect(MenuExit, &QAction::triggered, this, &TFormMain::MenuExitClick);
    connect(MenuWhat, &QAction::triggered, this, &TFormMain::MenuWhatClick);
    connect(MenuRead, &QAction::triggered, this, &TFormMain::MenuReadClick);
    connect(MenuCommunications, &QAction::triggered, this, &TFormMain::MenuCommunicationsClick);
    connect(MenuInitialization, &QAction::triggered, this, &TFormMain::MenuInitializationClick);
    connect(MenuConfiguration, &QAction::triggered, this, &TFormMain::MenuConfigurationClick);
    connect(MenuParametres, &QAction::triggered, this, &TFormMain::MenuParametresClick);
    connect(m_languageGroup, &QActionGroup::triggered, this, &TFormMain::MenuLangueClick);
}
