// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/command_option.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <vector>

namespace corvane::cli {

// One command's words (after its name) read against the options the command takes: positional words, and
// options with or without a value ("--name VALUE" or "--name=VALUE"; "-o FILE"); "--" ends the options, "-"
// is a positional word (standard input), options may follow positional words, and the last of a repeated
// option counts.
class CommandLine {
public:
    explicit CommandLine(std::vector<const CommandOption*> options);
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // False with the message for an option the command does not take, spelt otherwise than as Spelling()
    // gives, given a value it does not take, or left without the value it needs.
    bool Parse(const QStringList& words, QString& error);

    const QStringList& positional() const { return positional_; }
    bool Has(const CommandOption& option) const;
    // The option's value; empty when it was not given or was given without one.
    QString Value(const CommandOption& option) const;
    // The first option given, in the order of the command line, that is not among `allowed`; nullptr if none.
    const CommandOption* FirstOptionOutside(const std::vector<const CommandOption*>& allowed) const;

private:
    const CommandOption* Find(const QString& spelling) const;
    bool Takes(const CommandOption& option) const;
    bool CheckSpelling(const QStringList& words, QStringList& forParser, QString& error) const;

    std::vector<const CommandOption*> options_;
    QCommandLineParser parser_;
    QStringList positional_;
};

} // namespace corvane::cli
