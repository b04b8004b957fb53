// The headless command's library must stay free of Qt.
#include <QWidget>
