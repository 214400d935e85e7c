// The game as a player starts it: a real window, real sound and real devices. The game reads
// no command line, environment variable or configuration file.
#include "platform/backend.h"
#include "shell/startup.h"

int main() {
    PlatformUseDesktop();
    varnoth_main();
}
