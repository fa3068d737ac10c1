#include "ui/main/blankhint.h"

#include <QEvent>

namespace {

constexpr int HintWidth = 560;

} // namespace

BlankWindowHint::BlankWindowHint(QWidget* area)
    : QLabel(area) {
    setObjectName(QStringLiteral("BlankWindowHint"));
    setTextFormat(Qt::RichText);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setFixedWidth(HintWidth);
    // The links call the window, never a browser.
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    area->installEventFilter(this);
}

void BlankWindowHint::SetTexts(const QString& openShortcut, const QString& portName) {
    const auto link = [](const char* target, const QString& text) {
        return QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(QLatin1String(target), text.toHtmlEscaped());
    };
    setText(
        QStringLiteral("<p>%1</p>")
            .arg(tr("%1 (%2), %3 sur le port %4, ou %5.")
                     .arg(link(OpenLink, tr("Ouvrez un fichier de mesures")),
                          openShortcut.toHtmlEscaped(), link(ReadLink, tr("lisez l'instrument")),
                          portName.toHtmlEscaped(),
                          link(DemonstrationLink, tr("essayez l'instrument de démonstration")))));
    Centre();
}

bool BlankWindowHint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize)
        Centre();
    return QLabel::eventFilter(watched, event);
}

void BlankWindowHint::Centre() {
    adjustSize();
    const QWidget* area = parentWidget();
    move((area->width() - width()) / 2, (area->height() - height()) / 2);
    raise();
}
