// clang-format off
// A Qt-free core header that reaches up into the application, written as the preprocessor
// still reads it.
#pragma once
  #  include "app/main_window.h"
