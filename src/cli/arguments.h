#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

namespace corvane::cli {

// One command's arguments: positional words and --options, some of which take a value ("--name VALUE" or
// "--name=VALUE") and some of which may ("--name" or "--name=VALUE"); "--" ends the options.
class Arguments {
public:
    // False with a message for an option not in `flags`, `valued` or `optionallyValued`, or a valued option
    // without its value.
    bool Parse(const QStringList& words, const QSet<QString>& flags, const QSet<QString>& valued,
               QString& error, const QSet<QString>& optionallyValued = {});

    const QStringList& positional() const { return positional_; }
    bool Has(const QString& option) const { return options_.contains(option); }
    QString Value(const QString& option) const { return options_.value(option); }

private:
    QStringList positional_;
    QMap<QString, QString> options_;
};

} // namespace corvane::cli
