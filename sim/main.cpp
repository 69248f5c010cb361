#include "sim/sim_options.h"
#include "sim/sim_server.h"

#include <cstdio>
#include <string>
#include <vector>

// k7sim: a simulated K7 unit for demos, training and tests.
int main(int argc, char* argv[])
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::string error;
    const tcSimOptions options = tcSimOptions::parse(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!error.empty()) {
        std::fprintf(stderr, "k7sim: %s\nTry 'k7sim --help'.\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(tcSimOptions::helpText().c_str(), stdout);
        return 0;
    }
    tcSimServer server(options, stdout, stderr);
    return server.run();
}
