// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <QTextStream>
#include <cstddef>

namespace corvane::cli {

// One line of progress on the error stream, redrawn in place ("12/40 stations" and a spinner while the tool
// waits), only when that stream is a terminal: scripts and logs get none of it.
class TerminalProgress {
public:
    TerminalProgress(QTextStream& err, bool terminal) : err_(err), shown_(terminal) {}
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;
    ~TerminalProgress() { Clear(); }

    // Shows `text` with the spinner's next position.
    void Show(const QString& text);
    // Takes the line away, so that a result can take its place.
    void Clear();

    // "12/40 stations".
    static QString Count(std::size_t done, std::size_t total);

private:
    QTextStream& err_;
    bool shown_;
    bool drawn_ = false;
    std::size_t frame_ = 0;
};

} // namespace corvane::cli
