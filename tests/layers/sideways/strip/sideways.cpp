// One footing folder including another.
#include "isolated/isolated_design.h"
