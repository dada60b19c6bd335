// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "strings/ids/icon_ids.h"

#include <QIcon>

namespace corvane {

// Icon resources by id; an id without an icon yields a null icon.
QIcon ResourceIcon(IconId id);

} // namespace corvane
