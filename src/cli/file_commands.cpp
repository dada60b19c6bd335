// show, export, import and diff: configuration files on this computer.
#include "cli/arguments.h"
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "cli/config_io.h"
#include "cli/exit_codes.h"
#include "cli/property_diff.h"
#include "cli/property_view.h"
#include "cli/terminal_text.h"
#include "files/bounded_read.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace corvane::cli {

namespace {

const QString kJson = QStringLiteral("--json");
const QString kReveal = QStringLiteral("--reveal-secrets");
const QString kOutput = QStringLiteral("-o");

QJsonObject ConfigurationJson(const ConfigRecord& record, bool reveal) {
    QJsonObject json;
    for (const PropertyView& view : PropertyViews())
        json.insert(TagText(view.tag), JsonValue(record, view, reveal));
    return json;
}

// Parses the command's words: exactly `files` positional words and the allowed options.
bool ParseWords(CliIo& io, const QStringList& words, int files, const QSet<QString>& flags,
                const QSet<QString>& valued, Arguments& arguments, int& code) {
    QString error;
    if (!arguments.Parse(words, flags, valued, error)) {
        code = UsageError(io, error);
        return false;
    }
    if (arguments.positional().size() != files) {
        code = UsageError(io, QStringLiteral("expected %1 file name(s)").arg(files));
        return false;
    }
    for (const QString& option : valued)
        if (arguments.Has(option) && arguments.Value(option).isEmpty()) {
            code = UsageError(io, QStringLiteral("%1 needs a value").arg(option));
            return false;
        }
    return true;
}

} // namespace

int RunShow(const QStringList& words, CliIo& io) {
    Arguments arguments;
    int code = 0;
    if (!ParseWords(io, words, 1, {kJson, kReveal}, {}, arguments, code))
        return code;
    ConfigRecord record;
    if (!LoadInput(io, arguments.positional()[0], record, code))
        return code;
    const bool reveal = arguments.Has(kReveal);
    if (arguments.Has(kJson)) {
        io.out << TerminalJson(
            QJsonDocument(ConfigurationJson(record, reveal)).toJson(QJsonDocument::Indented));
        return kExitSuccess;
    }
    for (const PropertyView& view : PropertyViews())
        io.out << TagText(view.tag) << "  " << QString::fromLatin1(view.meaning) << ": "
               << DisplayValue(record, view, reveal) << "\n";
    return kExitSuccess;
}

int RunExport(const QStringList& words, CliIo& io) {
    Arguments arguments;
    int code = 0;
    if (!ParseWords(io, words, 1, {}, {}, arguments, code))
        return code;
    ConfigRecord record;
    if (!LoadInput(io, arguments.positional()[0], record, code))
        return code;
    io.out << TerminalJson(QJsonDocument(ConfigurationJson(record, true)).toJson(QJsonDocument::Indented));
    return kExitSuccess;
}

int RunImport(const QStringList& words, CliIo& io) {
    Arguments arguments;
    int code = 0;
    if (!ParseWords(io, words, 1, {}, {kOutput}, arguments, code))
        return code;
    if (!arguments.Has(kOutput))
        return UsageError(io, QStringLiteral("import needs -o FILE.cfg"));
    const QString& path = arguments.positional()[0];
    QByteArray text;
    if (QString reason; !ReadInputFile(io, path, kMaxConfigurationFileSize, text, reason))
        return Fail(io, kExitReadFailed, QStringLiteral("%1: %2").arg(path, reason));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return Fail(io, kExitInvalidInput,
                    QStringLiteral("%1: not a JSON object (%2)")
                        .arg(path, parseError.error != QJsonParseError::NoError
                                       ? parseError.errorString()
                                       : QStringLiteral("wrong type")));
    ConfigRecord record;
    const QJsonObject json = document.object();
    for (auto it = json.begin(); it != json.end(); ++it) {
        PropertyTag tag = 0;
        if (!ParseTagText(it.key(), tag))
            return Fail(io, kExitInvalidInput,
                        QStringLiteral("%1: %2 is not a property").arg(path, it.key()));
        const PropertyView& view = *FindPropertyView(tag);
        if (view.secret && it.value() == QJsonValue(QString::fromLatin1(kHiddenValue)))
            return Fail(
                io, kExitInvalidInput,
                QStringLiteral("%1: %2 holds a hidden value; take the JSON from export, which keeps secrets")
                    .arg(path, it.key()));
        QString error;
        if (!ApplyJsonValue(record, view, it.value(), error))
            return Fail(io, kExitInvalidInput, QStringLiteral("%1: %2").arg(path, error));
    }
    WarnAboutLongStationPassword(io, record);
    return SaveOutput(io, arguments.Value(kOutput), record);
}

int RunDiff(const QStringList& words, CliIo& io) {
    Arguments arguments;
    int code = 0;
    if (!ParseWords(io, words, 2, {kReveal}, {}, arguments, code))
        return code;
    ConfigRecord records[2];
    for (int i = 0; i < 2; ++i)
        if (!LoadInput(io, arguments.positional()[i], records[i], code))
            return code;
    const auto differing = DifferingProperties(records[0], records[1]);
    PrintPropertyDiff(io.out, records[0], records[1], differing, arguments.Has(kReveal));
    return differing.empty() ? kExitSuccess : kExitDifferent;
}

} // namespace corvane::cli
