#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

// The few platform services that screens must not call directly, so that tests can stand in for
// them: the message boxes, the beep, the immediate end of the process, the clock, the file
// dialog and the desktop's own programs for a page or a folder.
namespace platform {

enum class BoxKind { Error, Information, Confirmation, Plain };

class Services {
public:
    virtual ~Services() = default;
    virtual void beep() = 0;
    // Shows a modal box and returns true for OK or Yes.
    virtual bool showBox(BoxKind kind, const QString& title, const QString& text) = 0;
    // Ends the process without running any further screen event. A test stand-in records the
    // request and returns, so callers return straight after calling it.
    virtual void endAtOnce(int exitCode) = 0;
    // The date and time now, local time.
    virtual QDateTime now() = 0;
    // Asks for a file to save to, proposing a path; an empty text when the user cancels.
    virtual QString chooseSaveFile(const QString& caption, const QString& suggestedPath,
                                   const QString& filter) = 0;
    // Asks for an existing file to read, starting in a folder; an empty text when cancelled.
    virtual QString chooseOpenFile(const QString& caption, const QString& folder,
                                   const QString& filter) = 0;
    // Opens a page or a folder with the desktop's program for it (the browser, the file
    // manager); false when the desktop has none.
    virtual bool openUrl(const QUrl& url) = 0;
    // Asks for a folder to write into, starting in the one given; an empty text when cancelled.
    virtual QString chooseFolder(const QString& caption, const QString& folder) = 0;
    // Asks which of the choices to take, the first one proposed; -1 when the user cancels.
    virtual int chooseOne(const QString& title, const QString& question,
                          const QStringList& choices) = 0;
    // Asks for a line of text, proposing one; an empty text when the user cancels.
    virtual QString askText(const QString& title, const QString& label,
                            const QString& proposed) = 0;
    // Where the user keeps documents, so that a PDF is offered there rather than in the hidden
    // program folder: the system's documents folder, made when missing, otherwise the home
    // folder.
    virtual QString documentsFolder() = 0;
};

Services& services();

// Ends the run at once: first the action set with setRunEnd (the run closes its login
// connection there, so the engine removes its journal and nothing is left beside the database),
// then the installed services end the process.
void endRun(int exitCode);
void setRunEnd(std::function<void()> action);

// Installs the services for the rest of the run (or until replaced); returns the previous ones.
Services* setServices(Services* services);

} // namespace platform
