#include "ui/display/overview.h"

#include "analysis/measurementtable.h"
#include "settings/settings.h"
#include "ui/dialogs/settingwrite.h"
#include "ui/display/overviewmap.h"
#include "ui/display/overviewmodel.h"
#include "ui/display/overviewselection.h"
#include "ui/display/overviewtrends.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr QSize MinimumClientSize{560, 420};

} // namespace

TFormOverview::TFormOverview(Context& context, DialogService& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormOverview"));
    setWindowTitle(tr("Vue d'ensemble"));
    m_model = new OverviewModel(this);
    m_trends = new OverviewTrends(*m_model, this);
    m_map = new OverviewMap(*m_model, this);
    m_selection = new OverviewSelection(*m_model, this);

    m_logarithmic = new QCheckBox(tr("Échelle &logarithmique"), this);
    m_logarithmic->setObjectName(QStringLiteral("CheckBoxLogarithmic"));
    m_copy = new QPushButton(tr("&Copier"), this);
    m_copy->setObjectName(QStringLiteral("ButtonCopy"));
    m_copy->setToolTip(tr("Le tableau des mesures dans le presse-papiers"));
    auto* tools = new QHBoxLayout();
    tools->addWidget(m_logarithmic);
    tools->addStretch(1);
    tools->addWidget(m_copy);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("OverviewSplitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_trends);
    splitter->addWidget(m_map);
    splitter->addWidget(m_selection);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 3);
    splitter->setStretchFactor(2, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(tools);
    layout->addWidget(splitter, 1);
    setMinimumSize(MinimumClientSize);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, m_model, &OverviewModel::ClearSelection);
    connect(m_logarithmic, &QCheckBox::toggled, m_trends, &OverviewTrends::SetLogarithmic);
    connect(m_copy, &QPushButton::clicked, this, &TFormOverview::ButtonCopyClick);
    connect(m_model, &OverviewModel::StepRequested, this, &TFormOverview::StepRequested);
}

void TFormOverview::ShowAcquisition(const Session& session, const WindowBoundsTable& windows,
                                    int groupSize, int step) {
    m_pending = Pending{&session, windows, groupSize, step};
    if (isVisible())
        LoadPending();
}

void TFormOverview::CloseAcquisition() {
    m_pending = Pending();
    m_model->Clear();
    hide();
}

void TFormOverview::ShowStep(int step) {
    m_pending.step = step;
    m_model->SetCurrentStep(step);
}

void TFormOverview::LoadPending() {
    if (!m_pending.session)
        return;
    const Pending pending = std::exchange(m_pending, Pending());
    m_pending.step = pending.step;
    m_model->Load(*pending.session, pending.windows, pending.groupSize, pending.step);
}

void TFormOverview::showEvent(QShowEvent* event) {
    LoadPending();
    QWidget::showEvent(event);
}

void TFormOverview::ButtonCopyClick() {
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(MeasurementTableText(m_model->Table(), '\t')));
}

void TFormOverview::LoadPlacement() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 600);
    const QSize stored(ReadSettingInt(m_context, SettingKeys::OverviewLargeur),
                       ReadSettingInt(m_context, SettingKeys::OverviewHauteur));
    // Never larger than the screen, never too small to read the map.
    resize(stored.boundedTo(available.size() - QSize(16, 40)).expandedTo(MinimumClientSize));
    const QPoint centred = available.center() - QPoint(width() / 2, height() / 2);
    QPoint topLeft(ReadSettingInt(m_context, SettingKeys::OverviewAbscisse, centred.x()),
                   ReadSettingInt(m_context, SettingKeys::OverviewOrdonnee, centred.y()));
    // A place kept from a screen that is gone would put the window out of sight.
    if (!QGuiApplication::screenAt(QRect(topLeft, size()).center()))
        topLeft = centred;
    move(topLeft);
}

void TFormOverview::SavePlacement() {
    const QRect frame = frameGeometry();
    const std::pair<const SettingKey*, int> values[] = {
        {&SettingKeys::OverviewLargeur, width()},
        {&SettingKeys::OverviewHauteur, height()},
        {&SettingKeys::OverviewAbscisse, frame.x()},
        {&SettingKeys::OverviewOrdonnee, frame.y()},
    };
    for (const auto& [key, value] : values)
        if (!WriteSettingOrTell(m_context, m_dialogs, this, *key, QString::number(value)))
            return;
}
