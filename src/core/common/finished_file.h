#pragma once

#include "core/common/engine_errors.h"

#include <QString>
#include <functional>

// Files of the submission are written completely or not at all: the writer fills a work file
// beside the final name, and only a complete work file takes the final name. On any failure the
// work file is removed and the error goes on to the caller; no partial file is left behind under
// the final name.
// The work file's name is the final name followed by this; the clean-up of work files knows it.
inline constexpr char workFileSuffix[] = ".part";

void writeThenRename(const QString& finalPath,
                     const std::function<void(const QString& workPath)>& write);

// Deletes a file if it is there; an error when it stays.
void removeFile(const QString& path);
