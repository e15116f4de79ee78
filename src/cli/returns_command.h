#pragma once

#include <QString>

class QTextStream;

namespace returnfiles {
struct Workspace;
}

// "xw73d returns": the workspace's returns, one a line, from their summaries alone.
namespace cli {

int listReturns(const returnfiles::Workspace& workspace, QTextStream& out);

// The folder of the workspace's return of that name for --return; an empty text, after telling
// why on `errors`, when there is none.
QString returnFolder(const returnfiles::Workspace& workspace, const QString& name,
                     QTextStream& errors);

} // namespace cli
