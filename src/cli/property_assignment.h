// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "properties/property_view.h"

#include <QJsonValue>
#include <QString>

namespace corvane::cli {

// One PROPERTY=VALUE of set: the property and its value in the form export's JSON gives it.
struct Assignment {
    const PropertyView* view = nullptr;
    QJsonValue value;
};

// True for a word shaped as an assignment: four characters, then '=' (a host or a file name never is one).
bool IsAssignment(const QString& word);

// "TAG=VALUE", VALUE read as export's JSON holds it: text as it is, a whole number, a dotted-quad address.
// False with a message for a tag that is no property, a secret (never on the command line; the message names
// the option that takes it), a table, or a value the property cannot hold.
bool ParseAssignment(const QString& word, Assignment& assignment, QString& error);

} // namespace corvane::cli
