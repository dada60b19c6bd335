// SPDX-License-Identifier: Apache-2.0
#include "cli/property_assignment.h"

#include "cli/new_secrets.h"
#include "config/config_record.h"

#include <QRegularExpression>

namespace corvane::cli {

namespace {

constexpr qsizetype kTagLength = 4;

// VALUE as the JSON value export would hold for the property: a number for numbers (what is no whole number
// stays text, which the property then refuses with its own message), text for the rest.
QJsonValue JsonForm(const PropertyView& view, const QString& value) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,10}$"));
    if (view.presentation == Presentation::Number && digits.match(value).hasMatch()) {
        return double(value.toULongLong());
    }
    return value;
}

} // namespace

bool IsAssignment(const QString& word) {
    return word.size() > kTagLength && word[kTagLength] == QLatin1Char('=');
}

bool ParseAssignment(const QString& word, Assignment& assignment, QString& error) {
    const QString tagText = word.left(kTagLength);
    PropertyTag tag = 0;
    if (!IsAssignment(word) || !ParseTagText(tagText, tag)) {
        error = QStringLiteral("%1 is not a property (corvane show FILE.cfg lists them)").arg(tagText);
        return false;
    }
    const PropertyView& view = *FindPropertyView(tag);
    const QString name = QStringLiteral("%1 (%2)").arg(tagText, QString::fromLatin1(view.meaning));
    if (view.secret) {
        const QString option = SecretOptionUsage(tag);
        error = option.isEmpty()
                    ? QStringLiteral("%1 is a secret, never taken from the command line; set it in a "
                                     "configuration file (export, import, write)")
                          .arg(name)
                    : QStringLiteral("%1 is a secret, never taken from the command line; give it with %2")
                          .arg(name, option);
        return false;
    }
    if (view.presentation == Presentation::PortMappings || view.presentation == Presentation::AccessList) {
        const QString command =
            view.presentation == Presentation::AccessList ? QStringLiteral("acl") : QStringLiteral("portmap");
        error = QStringLiteral("%1 is a table, not set as PROPERTY=VALUE; change its entries with corvane %2 "
                               "add|remove")
                    .arg(name, command);
        return false;
    }
    assignment = {&view, JsonForm(view, word.mid(kTagLength + 1))};
    // The value is tried on a record of its own, so that a bad one is refused before any station is asked.
    ConfigRecord trial;
    return ApplyJsonValue(trial, view, assignment.value, error);
}

} // namespace corvane::cli
