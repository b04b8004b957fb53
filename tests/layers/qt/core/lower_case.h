// Qt's lower-case header in a Qt-free layer.
#pragma once
#include <qglobal.h>
