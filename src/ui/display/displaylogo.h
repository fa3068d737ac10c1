#pragma once

// The program's own logo: a small alpha spectrum over the name "OVRA", drawn
// with QPainter so that no picture file has to travel with the program.

#include <QPixmap>
#include <QSize>
#include <QWidget>

// The logo at any size; the About window uses it too.
QPixmap OvraLogoPixmap(const QSize& size);

// The logo of the main window's top right corner, 85 × 70 with a silver
// drop shadow behind it.
class DisplayLogo : public QWidget {
    Q_OBJECT
public:
    static constexpr int LogoWidth = 85;
    static constexpr int LogoHeight = 70;
    static constexpr int ShadowOffset = 4;

    explicit DisplayLogo(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
