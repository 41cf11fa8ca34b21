#include "install/install.h"
#include "launcher/worker.h"

int startProgram(int quiet, int silent, const std::string& passThrough) {
    Install install;
    return install.install(quiet, silent, passThrough);
}
