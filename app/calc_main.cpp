#include "app/headless.h"
#include "combined/combined_design.h"
#include "isolated/isolated_design.h"
#include "strap/strap_design.h"
#include "strip/strip_design.h"

#include <array>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::array<const ui::DesignSpec *, 4> windows{
        &isolated::designSpec(), &strip::designSpec(), &combined::designSpec(),
        &strap::designSpec()};
    return headless::run(args, windows, std::cout, std::cerr);
}
