#pragma once

#include <QDialog>
#include <optional>

enum class StartupPath;
struct ConversionResult;
class QLabel;
class QProgressBar;
struct RunState;

// "Converting Database" (object name "fConvert"): the program's first screen. Its load is the
// start-up: it makes sure a current working database exists and then asks for the login.
class StartupScreen : public QDialog {
    Q_OBJECT
public:
    explicit StartupScreen(RunState& state, QWidget* parent = nullptr);

    void load();

signals:
    // The login follows; with the default password filled in and pressed when the database was
    // just created or carries no password.
    void loginRequired(bool withDefaultPassword);

private:
    std::optional<StartupPath> createOnlyIfTheUserAgrees();
    bool convertOldDatabase();
    bool backUpOldDatabase();
    std::optional<ConversionResult> runConversion();
    void showProgress(qint64 done, qint64 total);

    QLabel* m_messageLabel;
    QProgressBar* m_progressBar;

    RunState& m_state;
};
