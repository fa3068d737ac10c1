#include "ui/dialogs/busyscope.h"

#include <QGuiApplication>
#include <QWidget>

BusyScope::BusyScope(QWidget& window)
    : m_window(window)
    , m_wasEnabled(window.isEnabled()) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_window.setEnabled(false);
}

BusyScope::~BusyScope() {
    m_window.setEnabled(m_wasEnabled);
    QGuiApplication::restoreOverrideCursor();
}
