#include "ui/dialogs/about.h"

#include "ui/display/displaylogo.h"
#include "ui/main/programnames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize LogoSize{120, 99}; // the main window's logo, 85 x 70, enlarged

} // namespace

TFormAbout::TFormAbout(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(tr("A propos..."));
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("ImageLogo"));
    logo->setPixmap(OvraLogoPixmap(LogoSize));
    logo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    LMDLabelNom = new QLabel(this);
    LMDLabelNom->setObjectName(QStringLiteral("LMDLabelNom"));
    QFont nameFont = LMDLabelNom->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 2.2);
    nameFont.setBold(true);
    LMDLabelNom->setFont(nameFont);
    LMDLabelVersion = new QLabel(this);
    LMDLabelVersion->setObjectName(QStringLiteral("LMDLabelVersion"));
    QFont versionFont = LMDLabelVersion->font();
    versionFont.setPointSizeF(versionFont.pointSizeF() * 1.3);
    LMDLabelVersion->setFont(versionFont);

    auto* text = new QLabel(
        tr("Le compagnon de bureau du moniteur OVRA des descendants du radon : il lit les "
           "acquisitions de l'instrument par la liaison série, montre leurs spectres alpha "
           "mesure après mesure, les garde dans des fichiers de mesures (*.ovra), configure "
           "et initialise l'instrument, et imprime un rapport."),
        this);
    text->setObjectName(QStringLiteral("LabelDescription"));
    text->setWordWrap(true);
    text->setMinimumWidth(340);

    auto* link = new QLabel(
        QStringLiteral("<a href=\"https://ovraview.example.org/\">ovraview.example.org</a>"), this);
    link->setObjectName(QStringLiteral("LabelLink"));
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link->setOpenExternalLinks(true);

    auto* close = new QPushButton(tr("Fermer"), this);
    close->setObjectName(QStringLiteral("ButtonClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(18);
    grid->addWidget(logo, 0, 0, 4, 1);
    grid->addWidget(LMDLabelNom, 0, 1);
    grid->addWidget(LMDLabelVersion, 1, 1);
    grid->addWidget(text, 2, 1);
    grid->addWidget(link, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormAbout::showEvent(QShowEvent* event) {
    LMDLabelNom->setText(QLatin1String(ProgramNameText));
    LMDLabelVersion->setText(QLatin1String(VersionLabelText));
    QDialog::showEvent(event);
}
