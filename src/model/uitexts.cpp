#include "model/uitexts.h"

#include <QLocale>

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
        int width = 0, precision = -1;
        while (j < pattern.size() && pattern.at(j).isDigit())
            width = width * 10 + pattern.at(j++).digitValue();
        if (j < pattern.size() && pattern.at(j) == u'.') {
            precision = 0;
            ++j;
            while (j < pattern.size() && pattern.at(j).isDigit())
                precision = precision * 10 + pattern.at(j++).digitValue();
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
        QString piece;
        if (type == u's') {
            piece = arg.toString();
            if (precision >= 0)
                piece.truncate(precision);
        } else if (type == u'f') {
            piece = german.toString(arg.toDouble(), 'f', precision < 0 ? 2 : precision);
            piece.remove(german.groupSeparator());
        } else if (arg.isValid()) {
            const qlonglong n = arg.toLongLong();
            piece = QString::number(n < 0 ? -n : n);
            if (precision > piece.size())
                piece = QString(precision - piece.size(), u'0') + piece;
            if (n < 0)
                piece.prepend(u'-');
        }
        if (piece.size() < width)
            piece = left ? piece.leftJustified(width) : piece.rightJustified(width);
        out += piece;
        i = j;
    }
    return out;
}

} // namespace Txt
