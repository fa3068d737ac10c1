#include "ui/acquisitionview.h"

AcquisitionView::AcquisitionView(Context& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context) {}

void AcquisitionView::OpenSessionDisplay() {}

void AcquisitionView::CloseSessionDisplay() {}

void AcquisitionView::DisplayAcquisition() {}
