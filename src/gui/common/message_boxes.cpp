#include "gui/common/message_boxes.h"

#include "core/common/engine_error.h"
#include "core/platform/services.h"

#include <QObject>

namespace {

bool box(platform::BoxKind kind, const QString& title, const QString& text) {
    platform::services().beep();
    return platform::services().showBox(kind, title, text);
}

} // namespace

void showError(const QString& text) {
    box(platform::BoxKind::Error, QObject::tr("Error"), text);
}

void showInformation(const QString& text) {
    box(platform::BoxKind::Information, QObject::tr("INFORMATION"), text);
}

bool confirm(const QString& text) {
    return box(platform::BoxKind::Confirmation, QObject::tr("CONFIRMATION"), text);
}

void showPlain(const QString& text) {
    platform::services().showBox(platform::BoxKind::Plain, programTitle, text);
}

bool runReportingErrors(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const EngineError& error) {
        showError(error.description());
        return false;
    }
}
