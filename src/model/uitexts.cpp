#include "model/uitexts.h"

#include <QLocale>

#include <algorithm>
#include <array>

namespace Txt {
namespace {

struct Entry {
    const char* name;
    const char16_t* german;
};

constexpr Entry kTable[] = {
#define QTX_UI_TEXT(name, text) {"_" #name, u"" text},
#include "model/uitextlist.h"
#undef QTX_UI_TEXT
};
static_assert(std::size(kTable) == KeyCount);

std::array<QString, KeyCount>& current() {
    static std::array<QString, KeyCount> texts = [] {
        std::array<QString, KeyCount> t;
        for (int k = 0; k < KeyCount; ++k)
            t[size_t(k)] = QString::fromUtf16(kTable[k].german);
        return t;
    }();
    return texts;
}

bool valid(Key key) {
    return key >= 0 && key < KeyCount;
}

// Width and precision come from a language file; a number beyond any
// sensible line stops growing instead of overflowing or asking for gigabytes.
constexpr int kMaxFieldWidth = 1024;

int readNumber(const QString& pattern, qsizetype& j) {
    int value = 0;
    while (j < pattern.size() && pattern.at(j).isDigit()) {
        value = std::min(kMaxFieldWidth, value * 10 + pattern.at(j).digitValue());
        ++j;
    }
    return value;
}

} // namespace

QString keyName(Key key) {
    return valid(key) ? QString::fromLatin1(kTable[key].name) : QString();
}

Key find(QStringView name) {
    for (int k = 0; k < KeyCount; ++k) {
        if (name == QLatin1StringView(kTable[k].name))
            return Key(k);
    }
    return KeyCount;
}

QString germanText(Key key) {
    return valid(key) ? QString::fromUtf16(kTable[key].german) : QString();
}

QString get(Key key) {
    return valid(key) ? current()[size_t(key)] : QString();
}

void set(Key key, const QString& text) {
    if (valid(key))
        current()[size_t(key)] = text;
}

void resetAll() {
    for (int k = 0; k < KeyCount; ++k)
        current()[size_t(k)] = germanText(Key(k));
}

QString format(const QString& pattern, const QVariantList& args) {
    static const QLocale german(QLocale::German, QLocale::Germany);
    QString out;
    out.reserve(pattern.size() + 16);
    qsizetype next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c != u'%') {
            out += c;
            continue;
        }
        // %[-][width][.precision]type
        qsizetype j = i + 1;
        if (j < pattern.size() && pattern.at(j) == u'%') {
            out += u'%';
            i = j;
            continue;
        }
        bool left = false;
        if (j < pattern.size() && pattern.at(j) == u'-') {
            left = true;
            ++j;
        }
        const int width = readNumber(pattern, j);
        int precision = -1;
        if (j < pattern.size() && pattern.at(j) == u'.') {
            ++j;
            precision = readNumber(pattern, j);
        }
        if (j >= pattern.size()) {
            out += pattern.mid(i);
            break;
        }
        const QChar type = pattern.at(j).toLower();
        if (type != u's' && type != u'd' && type != u'f' && type != u'u') {
            out += pattern.mid(i, j - i + 1);
            i = j;
            continue;
        }
        const QVariant arg = next < args.size() ? args.at(next) : QVariant();
        ++next;
        i = j;
        // A missing argument leaves the placeholder empty, whatever its
        // type and width; a missing amount is no "0,00".
        if (!arg.isValid())
            continue;
        QString piece;
        if (type == u's') {
            piece = arg.toString();
            if (precision >= 0)
                piece.truncate(precision);
        } else if (type == u'f') {
            piece = german.toString(arg.toDouble(), 'f', precision < 0 ? 2 : precision);
            piece.remove(german.groupSeparator());
        } else {
            piece = QString::number(arg.toLongLong());
            const bool negative = piece.startsWith(u'-');
            if (negative)
                piece.remove(0, 1);
            if (precision > piece.size())
                piece = QString(precision - piece.size(), u'0') + piece;
            if (negative)
                piece.prepend(u'-');
        }
        if (piece.size() < width)
            piece = left ? piece.leftJustified(width) : piece.rightJustified(width);
        out += piece;
    }
    return out;
}

} // namespace Txt
