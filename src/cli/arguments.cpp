#include "cli/arguments.h"

namespace corvane::cli {

bool Arguments::Parse(const QStringList& words, const QSet<QString>& flags, const QSet<QString>& valued,
                      QString& error, const QSet<QString>& optionallyValued) {
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (word == QLatin1String("--")) { // the end of the options: what follows are file names and hosts
            positional_.append(words.mid(i + 1));
            return true;
        }
        if (!word.startsWith(QLatin1Char('-')) || word == QLatin1String("-")) {
            positional_.append(word);
            continue;
        }
        const qsizetype equals = word.startsWith(QLatin1String("--")) ? word.indexOf(QLatin1Char('=')) : -1;
        if (equals > 0) {
            const QString name = word.left(equals);
            if (!valued.contains(name) && !optionallyValued.contains(name)) {
                error = QStringLiteral("unknown option %1").arg(name);
                return false;
            }
            options_.insert(name, word.mid(equals + 1));
        } else if (flags.contains(word) || optionallyValued.contains(word)) {
            options_.insert(word, QString());
        } else if (valued.contains(word)) {
            if (i + 1 >= words.size()) {
                error = QStringLiteral("%1 needs a value").arg(word);
                return false;
            }
            options_.insert(word, words[++i]);
        } else {
            error = QStringLiteral("unknown option %1").arg(word);
            return false;
        }
    }
    return true;
}

} // namespace corvane::cli
