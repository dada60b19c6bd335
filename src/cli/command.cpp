// SPDX-License-Identifier: Apache-2.0
#include "cli/command.h"

#include <QStringList>
#include <algorithm>

namespace corvane::cli {

namespace {

constexpr qsizetype kHelpWidth = 110;

// `text` in lines of at most `width` characters, broken between words.
QStringList WrapWords(const QString& text, qsizetype width) {
    QStringList lines{QString()};
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.last().isEmpty() && lines.last().size() + 1 + word.size() > width) {
            lines.append(QString());
        }
        lines.last() += (lines.last().isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return lines;
}

} // namespace

const char* const kHostHelp = "HOST is a dotted quad with an optional :PORT (default 5009), or a host name.";
const char* const kFleetHelp =
    "Several stations go 8 at a time with one password for all: a line for each as it ends, then a summary "
    "(--json: one JSON document instead); a station that fails does not stop the others. Exit 10 unless "
    "every "
    "station succeeded. Progress (\"12/40 stations\", a spinner while waiting) shows when standard error is "
    "a "
    "terminal.";

std::vector<const CommandOption*> Command::AllOptions() const {
    std::vector<const CommandOption*> all = options;
    all.insert(all.end(), refused.begin(), refused.end());
    return all;
}

QString Command::HelpText() const {
    QString text;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        text += QStringLiteral("%1 corvane %2 %3\n")
                    .arg(i == 0 ? QStringLiteral("usage:") : QStringLiteral("      "),
                         QString::fromLatin1(name), QString::fromLatin1(forms[i]));
    }
    text += QLatin1Char('\n');
    for (const char* paragraph : details) {
        text +=
            WrapWords(QString::fromLatin1(paragraph), kHelpWidth).join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    if (options.empty()) {
        return text;
    }
    qsizetype width = 0;
    for (const CommandOption* option : options) {
        width = std::max(width, option->Syntax().size());
    }
    const QString indent(width + 4, QLatin1Char(' '));
    text += QStringLiteral("\nOptions:\n");
    for (const CommandOption* option : options) {
        const QStringList lines =
            WrapWords(QString::fromLatin1(option->description), kHelpWidth - indent.size());
        text += QStringLiteral("  %1  %2\n").arg(option->Syntax(), -int(width)).arg(lines.first());
        for (qsizetype i = 1; i < lines.size(); ++i) {
            text += indent + lines[i] + QLatin1Char('\n');
        }
    }
    return text;
}

} // namespace corvane::cli
