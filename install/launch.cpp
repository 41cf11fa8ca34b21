// Starting the wizard or, for the plug-in kind of installation, the applet page.
#include "install/install.h"

int Install::runJavaInstaller(const std::string&, const std::string&, const std::string&,
                              const std::string&, const std::string&, const std::string&,
                              const std::string&, const std::string&, int, int) {
    // Starting the wizard is not built yet: the launch fails.
    return 0;
}

int Install::launchApplet(const std::string&) {
    // Opening the applet page is not built yet: the launch fails.
    return 0;
}
