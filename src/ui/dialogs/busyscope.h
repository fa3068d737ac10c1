#pragma once

// The hourglass and a disabled window for the length of a file read or
// write, restored on every way out of the scope.

class QWidget;

class BusyScope {
public:
    explicit BusyScope(QWidget& window);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    QWidget& m_window;
    bool m_wasEnabled;
};
