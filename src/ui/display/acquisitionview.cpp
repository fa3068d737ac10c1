#include "ui/display/acquisitionview.h"

#include "ui/display/displaylogo.h"
#include "ui/display/spectrumchart.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int RightColumnWidth = 185;
// Held "<<" or ">>" steps through the acquisition a few measurements a second.
constexpr int StepRepeatDelayMs = 400;
constexpr int StepRepeatIntervalMs = 120;
constexpr QRgb Window1Colour = 0xFFFF0000;

QGroupBox* NewGroupBox(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QLineEdit* NewReadOnlyField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    return field;
}

QLabel* NewLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* NewButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

// Hidden fields keep their room, so the boxes do not jump when they appear.
void KeepRoomWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

AcquisitionView::AcquisitionView(Context& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context) {
    setObjectName(QStringLiteral("AcquisitionView"));
    // No background of its own: the main window's gradient shows through.
    setAutoFillBackground(false);

    BuildChartBox();
    BuildRightColumn();
    SetSessionBoxesVisible(false);
}

void AcquisitionView::BuildChartBox() {
    GroupBoxChartSpectrum = NewGroupBox(QStringLiteral("GroupBoxChartSpectrum"), QString(), this);

    ButtonBackward =
        NewButton(QStringLiteral("ButtonBackward"), QStringLiteral("<<"), GroupBoxChartSpectrum);
    ButtonForward =
        NewButton(QStringLiteral("ButtonForward"), QStringLiteral(">>"), GroupBoxChartSpectrum);
    for (QPushButton* button : {ButtonBackward, ButtonForward}) {
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(StepRepeatDelayMs);
        button->setAutoRepeatInterval(StepRepeatIntervalMs);
        button->setFixedWidth(40);
        // The track bar keeps the keyboard; the buttons are for the mouse.
        button->setFocusPolicy(Qt::NoFocus);
    }
    ButtonBackward->setToolTip(tr("Pas précédent"));
    ButtonForward->setToolTip(tr("Pas suivant"));

    TrackBarTimePosition = new QSlider(Qt::Horizontal, GroupBoxChartSpectrum);
    TrackBarTimePosition->setObjectName(QStringLiteral("TrackBarTimePosition"));
    TrackBarTimePosition->setTickPosition(QSlider::NoTicks);
    TrackBarTimePosition->setFocusPolicy(Qt::StrongFocus);
    TrackBarTimePosition->setSingleStep(1);
    TrackBarTimePosition->setPageStep(1);
    TrackBarTimePosition->setRange(0, 0);
    TrackBarTimePosition->setStyleSheet(QStringLiteral(
        "QSlider::groove:horizontal { height: 6px; border: 1px solid #8a9bb0; border-radius: 3px;"
        " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #ffffff, stop:1 #49a3b6); }"
        "QSlider::handle:horizontal { width: 12px; margin: -6px 0; border: 1px solid #5c6b7a;"
        " border-radius: 3px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #fdfdfd, stop:1 #d5dbe3); }"
        "QSlider::handle:horizontal:disabled { background: #e8e8e8; border-color: #b0b0b0; }"
        "QSlider::groove:horizontal:disabled { background: #eeeeee; border-color: #c0c0c0; }"
        "QSlider::handle:horizontal:focus { border: 1px solid #2a6fb0; }"));

    auto* barRow = new QHBoxLayout();
    barRow->addWidget(ButtonBackward);
    barRow->addWidget(TrackBarTimePosition, 1);
    barRow->addWidget(ButtonForward);

    auto* caption = NewLabel(QStringLiteral("LabelTimePosition"), tr("Déplacement temporel"),
                             GroupBoxChartSpectrum);
    caption->setAlignment(Qt::AlignHCenter);
    caption->setBuddy(TrackBarTimePosition);
    // Which measurement is shown: phases alone do not tell it (a Test has
    // none, a long Rolle repeats "Comptage").
    m_position = NewLabel(QStringLiteral("LabelMeasurePosition"), QString(), GroupBoxChartSpectrum);
    m_position->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // The caption stays centred under the bar, the position at the right end.
    auto* captionRow = new QGridLayout();
    captionRow->setContentsMargins(0, 0, 0, 0);
    captionRow->addWidget(caption, 0, 0, 1, 3, Qt::AlignHCenter);
    captionRow->addWidget(m_position, 0, 2);
    captionRow->setColumnStretch(0, 1);
    captionRow->setColumnStretch(2, 1);

    m_chartBoxLayout = new QVBoxLayout(GroupBoxChartSpectrum);
    m_chartBoxLayout->setContentsMargins(6, 6, 6, 6);
    m_chartBoxLayout->addLayout(barRow);
    m_chartBoxLayout->addLayout(captionRow);

    connect(TrackBarTimePosition, &QSlider::valueChanged, this,
            &AcquisitionView::TrackBarTimePositionChange);
    connect(ButtonBackward, &QPushButton::clicked, this, &AcquisitionView::ButtonBackwardClick);
    connect(ButtonForward, &QPushButton::clicked, this, &AcquisitionView::ButtonForwardClick);
}

void AcquisitionView::BuildRightColumn() {
    GroupBoxInfos = NewGroupBox(QStringLiteral("GroupBoxInfos"), tr(" Informations "), this);
    EditPositionClock = NewReadOnlyField(QStringLiteral("EditPositionClock"), GroupBoxInfos);
    EditMethode = NewReadOnlyField(QStringLiteral("EditMethode"), GroupBoxInfos);
    EditPhase = NewReadOnlyField(QStringLiteral("EditPhase"), GroupBoxInfos);
    auto* infos = new QGridLayout(GroupBoxInfos);
    infos->addWidget(NewLabel(QStringLiteral("LabelDebut"), tr("Début"), GroupBoxInfos), 0, 0);
    infos->addWidget(EditPositionClock, 0, 1);
    infos->addWidget(NewLabel(QStringLiteral("LabelMethode"), tr("Méthode"), GroupBoxInfos), 1, 0);
    infos->addWidget(EditMethode, 1, 1);
    infos->addWidget(NewLabel(QStringLiteral("LabelPhase"), tr("Phase"), GroupBoxInfos), 2, 0);
    infos->addWidget(EditPhase, 2, 1);
    infos->setColumnStretch(1, 1);
    infos->setContentsMargins(4, 6, 4, 6);
    infos->setHorizontalSpacing(3);

    GroupBoxOptionsSpec =
        NewGroupBox(QStringLiteral("GroupBoxOptionsSpec"), tr(" Fenêtrage "), this);
    CheckBoxDisplayWindowRn = new QCheckBox(tr("Canaux (40-100)"), GroupBoxOptionsSpec);
    CheckBoxDisplayWindowRn->setObjectName(QStringLiteral("CheckBoxDisplayWindowRn"));
    EditROI1 = NewReadOnlyField(QStringLiteral("EditROI1"), GroupBoxOptionsSpec);
    EditROI1->setText(QStringLiteral("0"));
    EditROI1->setAlignment(Qt::AlignRight);
    ColorWindow1 = new QFrame(GroupBoxOptionsSpec);
    ColorWindow1->setObjectName(QStringLiteral("ColorWindow1"));
    ColorWindow1->setFixedSize(15, 16);
    ColorWindow1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ColorWindow1->setAutoFillBackground(true);
    QPalette swatch = ColorWindow1->palette();
    swatch.setColor(QPalette::Window, QColor::fromRgb(Window1Colour));
    ColorWindow1->setPalette(swatch);
    ColorWindow1->setAttribute(Qt::WA_TransparentForMouseEvents);
    KeepRoomWhenHidden(EditROI1);
    KeepRoomWhenHidden(ColorWindow1);
    EditROI1->hide();
    ColorWindow1->hide();
    auto* options = new QGridLayout(GroupBoxOptionsSpec);
    options->addWidget(CheckBoxDisplayWindowRn, 0, 0, 1, 2);
    options->addWidget(ColorWindow1, 1, 0);
    options->addWidget(EditROI1, 1, 1);
    options->setColumnStretch(1, 1);
    connect(CheckBoxDisplayWindowRn, &QCheckBox::toggled, this,
            &AcquisitionView::CheckBoxDisplayWindowRnChange);

    GroupBoxResultats = NewGroupBox(QStringLiteral("GroupBoxResultats"), tr(" Résultats "), this);
    EditVolume = NewReadOnlyField(QStringLiteral("EditVolume"), GroupBoxResultats);
    EditEAPV = NewReadOnlyField(QStringLiteral("EditEAPV"), GroupBoxResultats);
    EditVolume->setAlignment(Qt::AlignRight);
    EditEAPV->setAlignment(Qt::AlignRight);
    auto* results = new QGridLayout(GroupBoxResultats);
    results->addWidget(NewLabel(QStringLiteral("LabelVolume"), tr("Volume (l)"), GroupBoxResultats),
                       0, 0);
    results->addWidget(EditVolume, 0, 1);
    results->addWidget(NewLabel(QStringLiteral("LabelEAPV"), tr("EAPV"), GroupBoxResultats), 1, 0);
    results->addWidget(EditEAPV, 1, 1);
    results->setColumnStretch(1, 1);

    GroupBoxEchelleSpec = NewGroupBox(QStringLiteral("GroupBoxEchelleSpec"), tr(" Echelle "), this);
    auto* up = NewButton(QStringLiteral("ButtonScaleUp"), QStringLiteral("+"), GroupBoxEchelleSpec);
    auto* down =
        NewButton(QStringLiteral("ButtonScaleDown"), QStringLiteral("-"), GroupBoxEchelleSpec);
    auto* left =
        NewButton(QStringLiteral("ButtonScaleLeft"), QStringLiteral(" < "), GroupBoxEchelleSpec);
    auto* right =
        NewButton(QStringLiteral("ButtonScaleRight"), QStringLiteral(" > "), GroupBoxEchelleSpec);
    up->setToolTip(tr("Agrandir l'échelle des comptages"));
    down->setToolTip(tr("Réduire l'échelle des comptages"));
    left->setToolTip(tr("Afficher plus de canaux"));
    right->setToolTip(tr("Afficher moins de canaux"));
    auto* cross = new QGridLayout(GroupBoxEchelleSpec);
    cross->setSpacing(2);
    for (QPushButton* button : {up, down, left, right})
        button->setFixedSize(36, 26);
    cross->addWidget(up, 0, 1);
    cross->addWidget(left, 1, 0);
    cross->addWidget(right, 1, 2);
    cross->addWidget(down, 2, 1);
    connect(up, &QPushButton::clicked, this, [this] { Chart().ButtonScaleUpClick(); });
    connect(down, &QPushButton::clicked, this, [this] { Chart().ButtonScaleDownClick(); });
    connect(left, &QPushButton::clicked, this, [this] { Chart().ButtonScaleLeftClick(); });
    connect(right, &QPushButton::clicked, this, [this] { Chart().ButtonScaleRightClick(); });

    auto* logoRow = new QHBoxLayout();
    logoRow->addStretch(1);
    logoRow->addWidget(new DisplayLogo(this));

    auto* column = new QVBoxLayout();
    column->addLayout(logoRow);
    column->addWidget(GroupBoxInfos);
    column->addWidget(GroupBoxOptionsSpec);
    column->addWidget(GroupBoxResultats);
    column->addStretch(1);
    column->addWidget(GroupBoxEchelleSpec);

    auto* columnHolder = new QWidget(this);
    columnHolder->setObjectName(QStringLiteral("RightColumn"));
    columnHolder->setFixedWidth(RightColumnWidth);
    columnHolder->setLayout(column);
    column->setContentsMargins(0, 0, 0, 0);

    // Without a session the chart box is hidden; its room is kept so that the
    // logo stays in the top right corner instead of drifting to the middle.
    QSizePolicy chartPolicy = GroupBoxChartSpectrum->sizePolicy();
    chartPolicy.setRetainSizeWhenHidden(true);
    GroupBoxChartSpectrum->setSizePolicy(chartPolicy);

    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(8, 6, 8, 6);
    main->addWidget(GroupBoxChartSpectrum, 1);
    main->addWidget(columnHolder);
}

void AcquisitionView::SetSessionBoxesVisible(bool visible) {
    if (visible)
        Chart();
    for (QWidget* box : {GroupBoxChartSpectrum, GroupBoxInfos, GroupBoxOptionsSpec,
                         GroupBoxResultats, GroupBoxEchelleSpec})
        box->setVisible(visible);
}

void AcquisitionView::SetRightColumnOpaque(bool opaque) {
    for (QWidget* box :
         {GroupBoxInfos, GroupBoxOptionsSpec, GroupBoxResultats, GroupBoxEchelleSpec})
        box->setAutoFillBackground(opaque);
}

bool AcquisitionView::ChartBoxVisible() const {
    return GroupBoxChartSpectrum->isVisible();
}

void AcquisitionView::RepaintChart() {
    if (ChartSpectrum)
        ChartSpectrum->viewport()->repaint();
}

SpectrumChart& AcquisitionView::Chart() {
    if (!ChartSpectrum) {
        ChartSpectrum = new SpectrumChart(m_state, GroupBoxChartSpectrum);
        m_chartBoxLayout->insertWidget(0, ChartSpectrum, 1);
    }
    return *ChartSpectrum;
}
