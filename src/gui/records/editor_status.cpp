#include "gui/records/editor_status.h"

#include "core/employer/employer_data.h"
#include "core/platform/services.h"
#include "core/records/editor_texts.h"
#include "gui/common/message_boxes.h"
#include "gui/widgets/widgets.h"

#include <QLabel>
#include <QObject>

EditorStatus::EditorStatus(QWidget* parent)
    : QStatusBar(parent)
    , m_result(widgets::named(new QLabel(this), "lResult"))
    , m_openFolder(widgets::named(
          new QLabel(QObject::tr("<a href=\"folder\">Open folder</a>"), this), "lOpenFolder"))
    , m_position(widgets::named(new QLabel(this), "lPosition"))
    , m_employer(widgets::named(new QLabel(this), "lEmployer")) {
    setObjectName(QStringLiteral("statusBar"));
    setSizeGripEnabled(false);
    // A long file name may be cut on screen rather than widen the window; the whole result stays
    // in the tooltip.
    m_result->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_employer->setMinimumWidth(1); // a long employer name is cut rather than widen the window
    // The three parts keep apart by a gap of about two characters.
    const int gap = fontMetrics().averageCharWidth() * 2;
    m_position->setContentsMargins(gap, 0, gap, 0);
    m_employer->setContentsMargins(gap, 0, 0, 0);
    m_openFolder->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    m_openFolder->hide();
    addWidget(m_result, 1);
    addWidget(m_openFolder);
    addPermanentWidget(m_position);
    addPermanentWidget(m_employer);
    connect(m_openFolder, &QLabel::linkActivated, this, &EditorStatus::openFolder);
}

void EditorStatus::showEmployer(const EmployerData& employer) {
    m_employer->setText(editortexts::employerLine(employer));
    m_employer->setToolTip(m_employer->text());
}

void EditorStatus::showPosition(const QString& position) {
    m_position->setText(position);
}

void EditorStatus::showResult(const QString& text, const QString& folder) {
    m_result->setText(text);
    m_result->setToolTip(text);
    m_result->setAccessibleName(text);
    m_folder = folder;
    m_openFolder->setVisible(!folder.isEmpty());
    m_openFolder->setToolTip(folder);
}

void EditorStatus::openFolder() {
    if (!platform::services().openUrl(QUrl::fromLocalFile(m_folder)))
        showError(QObject::tr("No program on this computer opens the folder %1.").arg(m_folder));
}
