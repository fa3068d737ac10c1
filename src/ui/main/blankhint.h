#pragma once

// The way in from a main window that shows no session: a line or two in the
// middle of the empty area with three links (open a file, read the
// instrument, try the demonstration instrument). It keeps itself centred in
// the widget it is made on.

#include <QLabel>

class BlankWindowHint : public QLabel {
    Q_OBJECT
public:
    // Link targets of the text, handed to linkActivated.
    static constexpr char OpenLink[] = "open";
    static constexpr char ReadLink[] = "read";
    static constexpr char DemonstrationLink[] = "demonstration";

    explicit BlankWindowHint(QWidget* area);

    // The text in the language in use, naming the open shortcut and the port.
    void SetTexts(const QString& openShortcut, const QString& portName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Centre();
};
