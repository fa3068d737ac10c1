#include "ui/instrument/clock.h"

TFormClock::TFormClock(Context& context, DialogService& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormClock"));
    setWindowTitle(tr("Horloge"));
    setAttribute(Qt::WA_QuitOnClose, false);
}
