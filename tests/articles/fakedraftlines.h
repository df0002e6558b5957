#pragma once

#include "grid/stringgrid.h"
#include "services/draftinterfaces.h"

#include <QList>

// The draft order as far as article entry sees it: the two grids with the
// columns it uses, and a refresh that writes a server line into its row.
class FakeDraftLines final : public DraftLineAccess {
public:
    FakeDraftLines();

    StringGrid& visibleGrid() override { return grid; }
    StringGrid& shadowGrid() override { return shadow; }
    int UpdateVKKL(const QString& changedColumn, const TVerkaufskladdeArray& lines, int row,
                   const QString& vkklId, const QString& mode) override;
    bool lineReady(int, bool) override { return true; }
    bool set_Bestellen(int, bool, bool, bool, const QString&, const QString&, const QString&) override {
        return true;
    }
    void Neue_Zeile() override { grid.appendRow(); }
    void reopenEditor(const QString&, int) override {}
    QString set_Filiale(int, const QString&, bool) override { return {}; }
    QString set_Menge(int, const QString&) override { return {}; }
    QString IsRueckstand(int) const override { return QStringLiteral("0"); }

    // A row of the given line key, confirmed into the shadow grid.
    void setLine(int row, const QString& vkklId, const QString& artikel = QString(),
                 const QString& menge = QString());

    struct Update {
        QString column;
        int row = 0;
        QString vkklId;
        QString mode;
        int lines = 0;
    };
    QList<Update> updates;
    StringGrid grid{QStringLiteral("sgVKKL")};
    StringGrid shadow{QStringLiteral("sgVKKLState")};
};
