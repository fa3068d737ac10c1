#include "ui/dialogs/directory.h"

#include "ui/dialogs/dialogservice.h"
#include "ui/dialogs/settingwrite.h"

#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

TFormDirectory::TFormDirectory(Context& context, DialogService& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormDirectory"));
    setWindowTitle(tr("Répertoire par défaut"));
    setAttribute(Qt::WA_QuitOnClose, false);

    GroupBoxDirectory = new QGroupBox(this);
    GroupBoxDirectory->setObjectName(QStringLiteral("GroupBoxDirectory"));
    auto* latest = new QRadioButton(tr("&Dernier répertoire utilisé"), GroupBoxDirectory);
    latest->setObjectName(QStringLiteral("RadioLatestDirectory"));
    auto* chosen = new QRadioButton(tr("&Répertoire sélectionné :"), GroupBoxDirectory);
    chosen->setObjectName(QStringLiteral("RadioSelectedDirectory"));
    m_items = new QButtonGroup(this);
    m_items->addButton(latest, 0);
    m_items->addButton(chosen, 1);
    latest->setChecked(true);

    LMDBrowseEdit = new QLineEdit(GroupBoxDirectory);
    LMDBrowseEdit->setObjectName(QStringLiteral("LMDBrowseEdit"));
    LMDBrowseEdit->setMinimumWidth(260);
    m_browseButton = new QToolButton(GroupBoxDirectory);
    m_browseButton->setObjectName(QStringLiteral("LMDBrowseEditButton"));
    m_browseButton->setText(QStringLiteral("..."));
    m_browseButton->setToolTip(tr("Parcourir"));

    auto* grid = new QGridLayout(GroupBoxDirectory);
    grid->addWidget(latest, 0, 0, 1, 3);
    grid->addWidget(chosen, 1, 0);
    grid->addWidget(LMDBrowseEdit, 1, 1);
    grid->addWidget(m_browseButton, 1, 2);
    grid->setColumnStretch(1, 1);

    CancelButton = new QPushButton(tr("Annuler"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CancelButton);
    buttons->addWidget(OKButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBoxDirectory);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_items, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            GroupBoxDirectoryChange();
    });
    connect(m_browseButton, &QToolButton::clicked, this, &TFormDirectory::BrowseClick);
    connect(OKButton, &QPushButton::clicked, this, &TFormDirectory::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TFormDirectory::CancelButtonClick);
    GroupBoxDirectoryChange();
}

int TFormDirectory::ItemIndex() const {
    return m_items->checkedId();
}

void TFormDirectory::SetItemIndex(int index) {
    if (QAbstractButton* item = m_items->button(index == 1 ? 1 : 0))
        item->setChecked(true);
    GroupBoxDirectoryChange();
}

void TFormDirectory::showEvent(QShowEvent* event) {
    SetItemIndex(m_context.DirectoryMode);
    LMDBrowseEdit->setText(m_context.DefaultDirectory);
    QDialog::showEvent(event);
}

void TFormDirectory::GroupBoxDirectoryChange() {
    const bool chosen = ItemIndex() == 1;
    LMDBrowseEdit->setEnabled(chosen);
    m_browseButton->setEnabled(chosen);
}

void TFormDirectory::BrowseClick() {
    const QString folder =
        m_dialogs.ChooseFolder(this, tr("Répertoire par défaut"), LMDBrowseEdit->text());
    if (!folder.isEmpty())
        LMDBrowseEdit->setText(QDir::toNativeSeparators(folder));
}

void TFormDirectory::OKButtonClick() {
    m_context.DirectoryMode = ItemIndex();
    m_context.DefaultDirectory = LMDBrowseEdit->text();
    m_context.InitialDirectory = m_context.DirectoryMode == 1
                                     ? m_context.DefaultDirectory
                                     : QDir::toNativeSeparators(QDir::currentPath());
    QDir::setCurrent(m_context.InitialDirectory);
    emit InitialDirectoryChanged(m_context.InitialDirectory);
    // The window stays open when the settings file refuses a value.
    for (const auto& [key, value] :
         {std::pair{&SettingKeys::DirectoryDefault, m_context.DefaultDirectory},
          std::pair{&SettingKeys::DirectoryMode, QString::number(m_context.DirectoryMode)}}) {
        if (!WriteSettingOrTell(m_context, m_dialogs, this, *key, value))
            return;
    }
    accept();
}

void TFormDirectory::CancelButtonClick() {
    reject();
}
