// Includes that point down and standard headers only.
#pragma once
#include "core/term.h"

#include <queue>
