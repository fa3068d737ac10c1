#include "ui/memoire.h"

TFormMemoire::TFormMemoire(Context& context, DialogService& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormMemoire"));
    setWindowTitle(tr("Lecture"));
    setAttribute(Qt::WA_QuitOnClose, false);
}
