#include "ui/dialogs/print.h"

TFormPrint::TFormPrint(Context& context, DialogService& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormPrint"));
    setWindowTitle(tr("Impression"));
    setAttribute(Qt::WA_QuitOnClose, false);
}
