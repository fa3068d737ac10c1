#include "ui/main/programresources.h"

#include <QtGlobal>

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void RegisterResources() {
    Q_INIT_RESOURCE(ovraview2);
}

void InitProgramResources() {
    RegisterResources();
}
