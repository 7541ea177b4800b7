#pragma once
// The platform of the real program: Qt message boxes, file dialogs and desktop services.

#include "ui/Platform.h"

class QtPlatform : public Platform {
  public:
    QtPlatform();
    void information(const QString& text) override;
    void warning(const QString& title, const QString& text) override;
    void error(const QString& text) override;
    int ask(const QString& title, const QString& text, const QStringList& buttons) override;
    std::optional<QString> askOpenFile(FileDialog& dialog) override;
    std::optional<QString> askSaveFile(FileDialog& dialog) override;
    bool askPrint(QPrinter& printer) override;
    void openAddress(const QString& address) override;
    void quit() override;
};
