#include "layerrules.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

void longestFirst(QStringList& list) {
    std::sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() > b.size() : a < b;
    });
}

bool underFolder(const QString& path, const QString& folder) {
    return path.startsWith(folder) && path.size() > folder.size() && path.at(folder.size()) == u'/';
}

} // namespace

bool LayerRules::read(const QString& matrixText, QString* error) {
    m_allowed.clear();
    m_paths.clear();
    m_folders.clear();
    const QStringList lines = matrixText.split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const qsizetype colon = line.indexOf(u':');
        if (colon <= 0) {
            if (error)
                *error = QStringLiteral("unreadable matrix line: ") + line;
            return false;
        }
        const QString path = line.left(colon).trimmed();
        m_allowed.insert(path, line.mid(colon + 1).split(u' ', Qt::SkipEmptyParts));
        m_paths << path;
        if (path.startsWith(u"src/") && !path.endsWith(u".cpp"))
            m_folders << path.mid(4);
    }
    longestFirst(m_paths);
    longestFirst(m_folders);
    return !m_paths.isEmpty();
}

QString LayerRules::layerOf(const QString& path) const {
    // A layer is a folder, or a single file (the program's entry).
    for (const QString& p : m_paths) {
        if (path == p || underFolder(path, p))
            return p;
    }
    return QString();
}

QString LayerRules::folderOfInclude(const QString& include) const {
    for (const QString& f : m_folders) {
        if (underFolder(include, f))
            return f;
    }
    return QString();
}

QList<LayerRules::Crossing> LayerRules::check(const QString& path, const QString& text) const {
    static const QRegularExpression includeLine(QStringLiteral(R"(^\s*#\s*include\s*["<]([^">]+)[">])"));
    QList<Crossing> crossings;
    const QString layer = layerOf(path);
    if (layer.isEmpty())
        return crossings;
    const QStringList allowed = m_allowed.value(layer);
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch m = includeLine.match(lines.at(i));
        if (!m.hasMatch())
            continue;
        const QString include = m.captured(1);
        if (include.contains(QStringLiteral(".."))) {
            crossings.append({i + 1, include, QStringLiteral("climbs out of its folder")});
            continue;
        }
        const QString folder = folderOfInclude(include);
        // Anything else is the folder's own (a header beside the file) or a library's.
        if (folder.isEmpty() || allowed.contains(folder))
            continue;
        crossings.append(
            {i + 1, include, QStringLiteral("layer %1 may include only %2").arg(layer, allowed.join(u' '))});
    }
    return crossings;
}
