#include "session/Resources.h"

#include <QCoreApplication>

// Every test program starts as the program does: with the pictures registered.
Q_COREAPP_STARTUP_FUNCTION(RegisterResources)
