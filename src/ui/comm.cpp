#include "ui/comm.h"

TFormCommunication::TFormCommunication(Context& context, DialogService& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormCommunication"));
    setWindowTitle(tr("Communications"));
    setAttribute(Qt::WA_QuitOnClose, false);
}
