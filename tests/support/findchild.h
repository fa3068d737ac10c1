#pragma once

// A window's control found by its objectName. A control that is not there
// stops the test program at once, naming it: a null pointer would only crash
// further on, without saying which control was missing.

#include <QObject>

template <typename T> T* Child(const QObject& parent, const char* name) {
    T* child = parent.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no control %s under %s", name, qPrintable(parent.objectName()));
    return child;
}
