#pragma once

#include <QIcon>

namespace corvane {

// Icon resources by id: 128 the program's icon, 129 stop (the error dialog's default), 154 note.
// An id without an icon yields a null icon.
QIcon ResourceIcon(unsigned id);

} // namespace corvane
