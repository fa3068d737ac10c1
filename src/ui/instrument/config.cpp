#include "ui/instrument/config.h"

TFormConfig::TFormConfig(Context& context, DialogService& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormConfig"));
    setWindowTitle(tr("Configuration"));
    setAttribute(Qt::WA_QuitOnClose, false);
}
