#include "ui/ErrorHandler.h"

void reportError(Platform& platform, QString message) {
    if (!message.endsWith(QLatin1Char('.')))
        message += QLatin1Char('.');
    platform.error(message);
}
