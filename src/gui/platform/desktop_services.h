#pragma once

#include "core/platform/services.h"

namespace platform {

// The real services: Qt message boxes, the system beep, an immediate process end, the system
// clock, the platform's file dialog and the desktop's programs for pages and folders.
class DesktopServices : public Services {
public:
    void beep() override;
    bool showBox(BoxKind kind, const QString& title, const QString& text) override;
    void endAtOnce(int exitCode) override;
    QDateTime now() override;
    QString chooseOpenFile(const QString& caption, const QString& folder,
                           const QString& filter) override;
    QString chooseSaveFile(const QString& caption, const QString& suggestedPath,
                           const QString& filter) override;
    bool openUrl(const QUrl& url) override;
    QString chooseFolder(const QString& caption, const QString& folder) override;
    int chooseOne(const QString& title, const QString& question,
                  const QStringList& choices) override;
    QString askText(const QString& title, const QString& label, const QString& proposed) override;
    QString documentsFolder() override;
};

// Shows the hourglass pointer for as long as it lives.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace platform
