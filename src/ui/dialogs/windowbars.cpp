#include "ui/dialogs/windowbars.h"

#include <QProgressBar>
#include <QStatusBar>

namespace {
constexpr int ProgressBarHeight = 16;
}

QProgressBar* NewWindowProgressBar(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QStringLiteral("LMDProgressBar"));
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setFixedHeight(ProgressBarHeight);
    return bar;
}

QStatusBar* NewWindowStatusBar(QWidget* parent) {
    auto* bar = new QStatusBar(parent);
    bar->setObjectName(QStringLiteral("LMDStatusBar"));
    bar->setSizeGripEnabled(false);
    return bar;
}
