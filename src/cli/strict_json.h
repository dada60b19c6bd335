// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArrayView>
#include <QString>

namespace corvane::cli {

// What Qt's JSON parser accepts but could not keep exactly: a key repeated in one object (the last would
// win) and a \u escape of half a surrogate pair (it would become another character). For text that has
// parsed; false with the problem in `problem`.
bool KeepsEveryJsonValue(QByteArrayView text, QString& problem);

} // namespace corvane::cli
