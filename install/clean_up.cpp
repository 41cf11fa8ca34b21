#include "install/install.h"

// Tidying the installation directory after the wizard is not built yet.
void Install::cleanUp(int) {}
