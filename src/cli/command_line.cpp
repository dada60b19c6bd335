// SPDX-License-Identifier: Apache-2.0
#include "cli/command_line.h"

#include <algorithm>

namespace corvane::cli {

CommandLine::CommandLine(std::vector<const CommandOption*> options) : options_(std::move(options)) {
    // A word with one dash is one option (-o), never a cluster of one-letter options.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const CommandOption* option : options_) {
        const QString name = QString::fromLatin1(option->name);
        if (option->valueName == nullptr) {
            parser_.addOption(QCommandLineOption(name));
        } else {
            parser_.addOption(QCommandLineOption(name, QString(), QString::fromLatin1(option->valueName)));
        }
    }
}

bool CommandLine::Parse(const QStringList& words, QString& error) {
    QStringList forParser{QStringLiteral("corvane")};
    if (!CheckSpelling(words, forParser, error)) {
        return false;
    }
    if (!parser_.parse(forParser)) {
        error = parser_.errorText();
        return false;
    }
    positional_ = parser_.positionalArguments();
    return true;
}

bool CommandLine::Has(const CommandOption& option) const {
    return Takes(option) && parser_.isSet(QString::fromLatin1(option.name));
}

QString CommandLine::Value(const CommandOption& option) const {
    return Takes(option) ? parser_.value(QString::fromLatin1(option.name)) : QString();
}

const CommandOption* CommandLine::FirstOptionOutside(const std::vector<const CommandOption*>& allowed) const {
    for (const QString& name : parser_.optionNames()) {
        const CommandOption* option =
            Find(name.size() == 1 ? QLatin1Char('-') + name : QStringLiteral("--") + name);
        if (std::find(allowed.begin(), allowed.end(), option) == allowed.end()) {
            return option;
        }
    }
    return nullptr;
}

const CommandOption* CommandLine::Find(const QString& spelling) const {
    const auto found = std::find_if(options_.begin(), options_.end(), [&](const CommandOption* option) {
        return option->Spelling() == spelling;
    });
    return found == options_.end() ? nullptr : *found;
}

bool CommandLine::Takes(const CommandOption& option) const {
    return std::find(options_.begin(), options_.end(), &option) != options_.end();
}

// QCommandLineParser would also take -json, --o and -o=FILE, and it tells problems in its own words and
// order; the tool takes each option in one spelling and tells the first problem as it always has. The parser
// knows no optional values, so a bare "--wait" goes to it as "--wait=": an empty value, the default.
bool CommandLine::CheckSpelling(const QStringList& words, QStringList& forParser, QString& error) const {
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (word == QLatin1String("--")) { // the end of the options: what follows are file names and hosts
            forParser.append(words.mid(i));
            return true;
        }
        forParser.append(word);
        if (!word.startsWith(QLatin1Char('-')) || word == QLatin1String("-")) {
            continue;
        }
        const qsizetype equals = word.startsWith(QLatin1String("--")) ? word.indexOf(QLatin1Char('=')) : -1;
        const QString spelling = equals > 0 ? word.left(equals) : word;
        const CommandOption* option = Find(spelling);
        if (option == nullptr || (equals > 0 && option->valueName == nullptr)) {
            error = QStringLiteral("unknown option %1").arg(spelling);
            return false;
        }
        if (equals > 0 || option->valueName == nullptr) {
            continue;
        }
        if (option->valueOptional) {
            forParser.last().append(QLatin1Char('='));
        } else if (i + 1 < words.size()) {
            forParser.append(words[++i]);
        } else {
            error = QStringLiteral("%1 needs a value").arg(word);
            return false;
        }
    }
    return true;
}

} // namespace corvane::cli
