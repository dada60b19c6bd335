// SPDX-License-Identifier: Apache-2.0
#include "files/file_name.h"

namespace corvane {
namespace {

constexpr char16_t kEscapedByte = 0xDC00; // plus the byte, 0x80 to 0xFF

bool Continues(QByteArrayView bytes, qsizetype at, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return at < bytes.size() && static_cast<unsigned char>(bytes[at]) >= low &&
           static_cast<unsigned char>(bytes[at]) <= high;
}

// The length of the well-formed UTF-8 sequence at the start of `bytes` (no overlong form, no surrogate,
// nothing above U+10FFFF), or 0.
qsizetype SequenceLength(QByteArrayView bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return Continues(bytes, 1) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        const bool second = lead == 0xE0   ? Continues(bytes, 1, 0xA0)
                            : lead == 0xED ? Continues(bytes, 1, 0x80, 0x9F)
                                           : Continues(bytes, 1);
        return second && Continues(bytes, 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const bool second = lead == 0xF0   ? Continues(bytes, 1, 0x90)
                            : lead == 0xF4 ? Continues(bytes, 1, 0x80, 0x8F)
                                           : Continues(bytes, 1);
        return second && Continues(bytes, 2) && Continues(bytes, 3) ? 4 : 0;
    }
    return 0;
}

bool IsEscapedByte(QStringView name, qsizetype at) {
    const char16_t unit = name[at].unicode();
    return unit >= kEscapedByte + 0x80 && unit <= kEscapedByte + 0xFF &&
           (at == 0 || !name[at - 1].isHighSurrogate());
}

} // namespace

QString FileNameFromBytes(QByteArrayView bytes) {
    QString name;
    while (!bytes.isEmpty()) {
        const qsizetype length = SequenceLength(bytes);
        if (length == 0) {
            name += QChar(char16_t(kEscapedByte + static_cast<unsigned char>(bytes[0])));
            bytes = bytes.sliced(1);
        } else {
            name += QString::fromUtf8(bytes.first(length));
            bytes = bytes.sliced(length);
        }
    }
    return name;
}

QByteArray FileNameBytes(const QString& name) {
    QByteArray bytes;
    qsizetype start = 0; // of the ordinary characters not yet encoded
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (IsEscapedByte(name, i)) {
            bytes += QStringView(name).sliced(start, i - start).toUtf8();
            bytes += char(name[i].unicode() - kEscapedByte);
            start = i + 1;
        }
    }
    return bytes + QStringView(name).sliced(start).toUtf8();
}

QString PlainFileName(const QString& text) {
    constexpr qsizetype kMaxNameBytes = 240; // below the usual 255, for the extension
    QString name;
    qsizetype bytes = 0;
    for (const QChar c : text) {
        const bool unsafe =
            c == '/' || c == '\\' || c.category() == QChar::Other_Control || (name.isEmpty() && c == '.');
        const QChar plain = unsafe ? QChar('_') : c;
        bytes += QString(plain).toUtf8().size();
        if (bytes > kMaxNameBytes) {
            break;
        }
        name += plain;
    }
    return name;
}

QStringList ProgramArguments(int argc, char** argv) {
    QStringList words;
    for (int i = 1; i < argc; ++i) {
        words << FileNameFromBytes(argv[i]);
    }
    return words;
}

} // namespace corvane
