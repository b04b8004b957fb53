#include "app/design_windows.h"
#include "app/headless.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return headless::run(args, app::designWindows(), std::cout, std::cerr);
}
