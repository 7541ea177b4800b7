#pragma once
// Qt's own texts (file dialogs, message-box buttons, edit menus) in Russian, as the
// rest of the interface; the program's own texts are not translated by it.

class QCoreApplication;

// False when the translation is not installed; Qt's English texts then stay.
bool installQtRussianTranslation(QCoreApplication& application);
