// SPDX-License-Identifier: Apache-2.0
#include "cli/strict_json.h"

#include <set>
#include <vector>

namespace corvane::cli {

namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Reads text that parsed as JSON, one string at a time.
class JsonStrings {
public:
    explicit JsonStrings(QByteArrayView text) : text_(text) {}

    bool AtEnd() const { return at_ >= text_.size(); }
    char Next() { return text_[at_++]; }

    // The string whose opening quote was just read, decoded; false when it holds half a surrogate pair.
    bool ReadString(QString& value) {
        QByteArray raw;
        char16_t pendingHigh = 0;
        for (char c = Next(); c != '"'; c = Next()) {
            if (c != '\\') {
                if (pendingHigh != 0) {
                    return false;
                }
                raw += c;
                continue;
            }
            value += QString::fromUtf8(raw);
            raw.clear();
            const char escaped = Next();
            if (escaped != 'u') {
                value += Unescaped(escaped);
                if (pendingHigh != 0) {
                    return false;
                }
                continue;
            }
            const char16_t unit = char16_t(text_.sliced(at_, 4).toByteArray().toUShort(nullptr, 16));
            at_ += 4;
            if (IsLowSurrogate(unit) != (pendingHigh != 0)) {
                return false;
            }
            pendingHigh = IsHighSurrogate(unit) ? unit : 0;
            value += QChar(unit);
        }
        value += QString::fromUtf8(raw);
        return pendingHigh == 0;
    }

private:
    static QChar Unescaped(char escaped) {
        switch (escaped) {
        case 'b':
            return QLatin1Char('\b');
        case 'f':
            return QLatin1Char('\f');
        case 'n':
            return QLatin1Char('\n');
        case 'r':
            return QLatin1Char('\r');
        case 't':
            return QLatin1Char('\t');
        default:
            return QLatin1Char(escaped);
        }
    }

    QByteArrayView text_;
    qsizetype at_ = 0;
};

} // namespace

bool KeepsEveryJsonValue(QByteArrayView text, QString& problem) {
    struct Container {
        bool object;
        std::set<QString> keys;
        bool keyNext;
    };
    std::vector<Container> open;
    JsonStrings strings(text);
    while (!strings.AtEnd()) {
        const char c = strings.Next();
        if (c == '{' || c == '[') {
            open.push_back({c == '{', {}, c == '{'});
        } else if (c == '}' || c == ']') {
            open.pop_back();
        } else if (c == ',' && !open.empty()) {
            open.back().keyNext = open.back().object;
        } else if (c == '"') {
            QString value;
            if (!strings.ReadString(value)) {
                problem = QStringLiteral("a \\u escape of half a surrogate pair cannot be kept");
                return false;
            }
            if (!open.empty() && open.back().keyNext) {
                open.back().keyNext = false;
                if (!open.back().keys.insert(value).second) {
                    problem = QStringLiteral("the key \"%1\" is given twice").arg(value);
                    return false;
                }
            }
        }
    }
    return true;
}

} // namespace corvane::cli
