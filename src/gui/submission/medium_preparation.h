#pragma once

#include <QString>

namespace saveflow {
struct Outcome;
}

// Before a submission is written onto the medium: the medium must be blank, unless all it holds
// is what an interrupted save left there and the user agrees that it be removed. The refusal is
// the outcome's message; nothing is removed without the user's Yes.
saveflow::Outcome prepareMedium(const QString& target, const QString& mediumFolder);
