#include "settings/languagefile.h"

#include "link/textcodec.h"
#include "model/uitexts.h"

#include <QFile>
#include <QStringDecoder>

namespace {

const QString kBreak = QStringLiteral("§~");

QString decode(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return TextCodec::decodeText(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return TextCodec::fromAnsi(bytes);
}

} // namespace

LanguageFile LanguageFile::load(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return fromText(decode(file.readAll()));
}

LanguageFile LanguageFile::fromText(const QString& text) {
    LanguageFile f;
    Section* section = nullptr;
    for (const QString& raw : TextCodec::splitLines(text)) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = &f.m_sections[line.mid(1, line.size() - 2).trimmed().toLower()];
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!section || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed().toLower();
        // The first entry of a key counts, as the INI readers do.
        if (!section->contains(key))
            section->insert(key, line.mid(eq + 1).trimmed());
    }
    return f;
}

bool LanguageFile::hasSection(const QString& section) const {
    return m_sections.contains(section.toLower());
}

QString LanguageFile::value(const QString& section, const QString& key) const {
    const auto s = m_sections.constFind(section.toLower());
    if (s == m_sections.cend())
        return {};
    const auto v = s->constFind(key.toLower());
    return v == s->cend() ? QString() : *v;
}

QString LanguageFile::messageText(const QString& raw) {
    QString text = raw;
    text.replace(QStringLiteral("#32"), QStringLiteral(" "));
    text.replace(kBreak, QStringLiteral("\r\n"));
    return text;
}

QString LanguageFile::controlText(const QString& raw) {
    QString text = raw;
    text.replace(kBreak, QStringLiteral("\n"));
    return text;
}

QStringList LanguageFile::entries(const QString& raw) {
    return raw.split(kBreak);
}

int LanguageFile::loadMessages() const {
    int taken = 0;
    for (int k = 0; k < Txt::KeyCount; ++k) {
        const Txt::Key key = Txt::Key(k);
        const QString text = messageText(value(QStringLiteral("GlobalStrings"), Txt::keyName(key)));
        if (text.isEmpty())
            continue;
        Txt::set(key, text);
        ++taken;
    }
    return taken;
}

QString LanguageFile::message(const QString& key, const QString& fallback) const {
    const QString raw = value(QStringLiteral("GlobalStrings"), key);
    if (raw.isNull())
        return fallback;
    QString text = raw;
    return text.replace(kBreak, QStringLiteral("\r\n"));
}
