#include "ui/acquisitionview.h"

#include "ui/displaylogo.h"
#include "ui/spectrumchart.h"

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
    m_chartBox = NewGroupBox(QStringLiteral("GroupBoxChartSpectrum"), QString(), this);
    m_chart = new SpectrumChart(m_state, m_chartBox);

    m_backward = NewButton(QStringLiteral("ButtonBackward"), QStringLiteral("<<"), m_chartBox);
    m_forward = NewButton(QStringLiteral("ButtonForward"), QStringLiteral(">>"), m_chartBox);
    for (QPushButton* button : {m_backward, m_forward}) {
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(StepRepeatDelayMs);
        button->setAutoRepeatInterval(StepRepeatIntervalMs);
        button->setFixedWidth(40);
        // The track bar keeps the keyboard; the buttons are for the mouse.
        button->setFocusPolicy(Qt::NoFocus);
    }
    m_backward->setToolTip(tr("Pas précédent"));
    m_forward->setToolTip(tr("Pas suivant"));

    m_trackBar = new QSlider(Qt::Horizontal, m_chartBox);
    m_trackBar->setObjectName(QStringLiteral("TrackBarTimePosition"));
    m_trackBar->setTickPosition(QSlider::NoTicks);
    m_trackBar->setFocusPolicy(Qt::StrongFocus);
    m_trackBar->setSingleStep(1);
    m_trackBar->setPageStep(1);
    m_trackBar->setRange(0, 0);
    m_trackBar->setStyleSheet(QStringLiteral(
        "QSlider::groove:horizontal { height: 6px; border: 1px solid #8a9bb0; border-radius: 3px;"
        " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #ffffff, stop:1 #49a3b6); }"
        "QSlider::handle:horizontal { width: 12px; margin: -6px 0; border: 1px solid #5c6b7a;"
        " border-radius: 3px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #fdfdfd, stop:1 #d5dbe3); }"
        "QSlider::handle:horizontal:disabled { background: #e8e8e8; border-color: #b0b0b0; }"
        "QSlider::groove:horizontal:disabled { background: #eeeeee; border-color: #c0c0c0; }"
        "QSlider::handle:horizontal:focus { border: 1px solid #2a6fb0; }"));

    auto* barRow = new QHBoxLayout();
    barRow->addWidget(m_backward);
    barRow->addWidget(m_trackBar, 1);
    barRow->addWidget(m_forward);

    auto* caption =
        NewLabel(QStringLiteral("LabelTimePosition"), tr("Déplacement temporel"), m_chartBox);
    caption->setAlignment(Qt::AlignHCenter);
    caption->setBuddy(m_trackBar);

    auto* boxLayout = new QVBoxLayout(m_chartBox);
    boxLayout->setContentsMargins(6, 6, 6, 6);
    boxLayout->addWidget(m_chart, 1);
    boxLayout->addLayout(barRow);
    boxLayout->addWidget(caption);

    connect(m_trackBar, &QSlider::valueChanged, this, &AcquisitionView::TrackBarTimePositionChange);
    connect(m_backward, &QPushButton::clicked, this, &AcquisitionView::ButtonBackwardClick);
    connect(m_forward, &QPushButton::clicked, this, &AcquisitionView::ButtonForwardClick);
}

void AcquisitionView::BuildRightColumn() {
    m_infosBox = NewGroupBox(QStringLiteral("GroupBoxInfos"), tr(" Informations "), this);
    m_positionClock = NewReadOnlyField(QStringLiteral("EditPositionClock"), m_infosBox);
    m_methode = NewReadOnlyField(QStringLiteral("EditMethode"), m_infosBox);
    m_phase = NewReadOnlyField(QStringLiteral("EditPhase"), m_infosBox);
    auto* infos = new QGridLayout(m_infosBox);
    infos->addWidget(NewLabel(QStringLiteral("LabelDebut"), tr("Début"), m_infosBox), 0, 0);
    infos->addWidget(m_positionClock, 0, 1);
    infos->addWidget(NewLabel(QStringLiteral("LabelMethode"), tr("Méthode"), m_infosBox), 1, 0);
    infos->addWidget(m_methode, 1, 1);
    infos->addWidget(NewLabel(QStringLiteral("LabelPhase"), tr("Phase"), m_infosBox), 2, 0);
    infos->addWidget(m_phase, 2, 1);
    infos->setColumnStretch(1, 1);
    infos->setContentsMargins(4, 6, 4, 6);
    infos->setHorizontalSpacing(3);

    m_optionsBox = NewGroupBox(QStringLiteral("GroupBoxOptionsSpec"), tr(" Fenêtrage "), this);
    m_windowCheck = new QCheckBox(tr("Canaux (40-100)"), m_optionsBox);
    m_windowCheck->setObjectName(QStringLiteral("CheckBoxDisplayWindowRn"));
    m_roi1 = NewReadOnlyField(QStringLiteral("EditROI1"), m_optionsBox);
    m_roi1->setText(QStringLiteral("0"));
    m_roi1->setAlignment(Qt::AlignRight);
    m_colorWindow1 = new QFrame(m_optionsBox);
    m_colorWindow1->setObjectName(QStringLiteral("ColorWindow1"));
    m_colorWindow1->setFixedSize(15, 16);
    m_colorWindow1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_colorWindow1->setAutoFillBackground(true);
    QPalette swatch = m_colorWindow1->palette();
    swatch.setColor(QPalette::Window, QColor::fromRgb(Window1Colour));
    m_colorWindow1->setPalette(swatch);
    m_colorWindow1->setAttribute(Qt::WA_TransparentForMouseEvents);
    KeepRoomWhenHidden(m_roi1);
    KeepRoomWhenHidden(m_colorWindow1);
    m_roi1->hide();
    m_colorWindow1->hide();
    auto* options = new QGridLayout(m_optionsBox);
    options->addWidget(m_windowCheck, 0, 0, 1, 2);
    options->addWidget(m_colorWindow1, 1, 0);
    options->addWidget(m_roi1, 1, 1);
    options->setColumnStretch(1, 1);
    connect(m_windowCheck, &QCheckBox::toggled, this,
            &AcquisitionView::CheckBoxDisplayWindowRnChange);

    m_resultsBox = NewGroupBox(QStringLiteral("GroupBoxResultats"), tr(" Résultats "), this);
    m_volume = NewReadOnlyField(QStringLiteral("EditVolume"), m_resultsBox);
    m_eapv = NewReadOnlyField(QStringLiteral("EditEAPV"), m_resultsBox);
    m_volume->setAlignment(Qt::AlignRight);
    m_eapv->setAlignment(Qt::AlignRight);
    auto* results = new QGridLayout(m_resultsBox);
    results->addWidget(NewLabel(QStringLiteral("LabelVolume"), tr("Volume (l)"), m_resultsBox), 0,
                       0);
    results->addWidget(m_volume, 0, 1);
    results->addWidget(NewLabel(QStringLiteral("LabelEAPV"), tr("EAPV"), m_resultsBox), 1, 0);
    results->addWidget(m_eapv, 1, 1);
    results->setColumnStretch(1, 1);

    m_scaleBox = NewGroupBox(QStringLiteral("GroupBoxEchelleSpec"), tr(" Echelle "), this);
    auto* up = NewButton(QStringLiteral("ButtonScaleUp"), QStringLiteral("+"), m_scaleBox);
    auto* down = NewButton(QStringLiteral("ButtonScaleDown"), QStringLiteral("-"), m_scaleBox);
    auto* left = NewButton(QStringLiteral("ButtonScaleLeft"), QStringLiteral(" < "), m_scaleBox);
    auto* right = NewButton(QStringLiteral("ButtonScaleRight"), QStringLiteral(" > "), m_scaleBox);
    up->setToolTip(tr("Agrandir l'échelle des comptages"));
    down->setToolTip(tr("Réduire l'échelle des comptages"));
    left->setToolTip(tr("Afficher plus de canaux"));
    right->setToolTip(tr("Afficher moins de canaux"));
    auto* cross = new QGridLayout(m_scaleBox);
    cross->setSpacing(2);
    for (QPushButton* button : {up, down, left, right})
        button->setFixedSize(36, 26);
    cross->addWidget(up, 0, 1);
    cross->addWidget(left, 1, 0);
    cross->addWidget(right, 1, 2);
    cross->addWidget(down, 2, 1);
    connect(up, &QPushButton::clicked, m_chart, &SpectrumChart::ButtonScaleUpClick);
    connect(down, &QPushButton::clicked, m_chart, &SpectrumChart::ButtonScaleDownClick);
    connect(left, &QPushButton::clicked, m_chart, &SpectrumChart::ButtonScaleLeftClick);
    connect(right, &QPushButton::clicked, m_chart, &SpectrumChart::ButtonScaleRightClick);

    auto* logoRow = new QHBoxLayout();
    logoRow->addStretch(1);
    logoRow->addWidget(new DisplayLogo(this));

    auto* column = new QVBoxLayout();
    column->addLayout(logoRow);
    column->addWidget(m_infosBox);
    column->addWidget(m_optionsBox);
    column->addWidget(m_resultsBox);
    column->addStretch(1);
    column->addWidget(m_scaleBox);

    auto* columnHolder = new QWidget(this);
    columnHolder->setObjectName(QStringLiteral("RightColumn"));
    columnHolder->setFixedWidth(RightColumnWidth);
    columnHolder->setLayout(column);
    column->setContentsMargins(0, 0, 0, 0);

    // Without a session the chart box is hidden; its room is kept so that the
    // logo stays in the top right corner instead of drifting to the middle.
    QSizePolicy chartPolicy = m_chartBox->sizePolicy();
    chartPolicy.setRetainSizeWhenHidden(true);
    m_chartBox->setSizePolicy(chartPolicy);

    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(8, 6, 8, 6);
    main->addWidget(m_chartBox, 1);
    main->addWidget(columnHolder);
}

void AcquisitionView::SetSessionBoxesVisible(bool visible) {
    for (QWidget* box : {m_chartBox, m_infosBox, m_optionsBox, m_resultsBox, m_scaleBox})
        box->setVisible(visible);
}
