// SPDX-License-Identifier: Apache-2.0
#include "cli/terminal_progress.h"

namespace corvane::cli {

namespace {
constexpr char kSpinner[] = {'|', '/', '-', '\\'};
} // namespace

void TerminalProgress::Show(const QString& text) {
    if (!shown_) {
        return;
    }
    err_ << "\r\x1b[K" << text << ' ' << kSpinner[frame_++ % sizeof kSpinner] << Qt::flush;
    drawn_ = true;
}

void TerminalProgress::Clear() {
    if (!drawn_) {
        return;
    }
    err_ << "\r\x1b[K" << Qt::flush;
    drawn_ = false;
}

QString TerminalProgress::Count(std::size_t done, std::size_t total) {
    return QStringLiteral("%1/%2 stations").arg(done).arg(total);
}

} // namespace corvane::cli
