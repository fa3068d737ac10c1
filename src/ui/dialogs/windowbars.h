#pragma once

class QProgressBar;
class QStatusBar;
class QWidget;

// The progress bar (0 to 100, no text) and the one-text status bar that the
// instrument windows show along their bottom edge, under their documented
// names "LMDProgressBar" and "LMDStatusBar".
QProgressBar* NewWindowProgressBar(QWidget* parent);
QStatusBar* NewWindowStatusBar(QWidget* parent);
