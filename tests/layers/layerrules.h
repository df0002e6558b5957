#pragma once

// The layering rule: which folder may include which. The matrix comes from
// the build (one line per layer, "src/order: order services session ...").

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class LayerRules {
public:
    // False when a line of the matrix cannot be read; the text says which.
    bool read(const QString& matrixText, QString* error);

    // The layer a file belongs to, by its path from the project root; empty
    // for a file outside every layer.
    QString layerOf(const QString& path) const;

    struct Crossing {
        int line = 0;
        QString include;
        QString reason;
    };
    // Every include of one file's text that crosses the matrix.
    QList<Crossing> check(const QString& path, const QString& text) const;

    // The layer folders as they appear at the front of an include path.
    QStringList includeFolders() const { return m_folders; }

private:
    QString folderOfInclude(const QString& include) const;

    QHash<QString, QStringList> m_allowed; // layer path -> folders it may include
    QStringList m_paths;                   // layer paths, longest first
    QStringList m_folders;                 // include folders, longest first
};
