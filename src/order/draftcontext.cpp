#include "order/draftcontext.h"

#include "link/serverlink.h"
#include "model/codetables.h"
#include "platform/dialogs.h"
#include "platform/logger.h"
#include "services/clientservices.h"
#include "services/priceservice.h"
#include "services/statisticsservice.h"
#include "services/vkklcolumns.h"
#include "session/customerdata.h"

using namespace Qt::StringLiterals;

DraftContext::DraftContext(ServerLink& l, const ClientServices& svc, DraftSeams seams)
    : link(l)
    , services(svc)
    , s(seams)
    , grid(u"sgVKKL"_s)
    , shadow(u"sgVKKLState"_s) {}

void DraftContext::log(const QString& text) const {
    s.log.Log(1, text, 1);
}

void DraftContext::report(const QString& text, bool force) const {
    log(text);
    if (force || settings.messagesEnabled())
        s.dialogs.message(QString(), text);
}

QString DraftContext::deliveryText(const QString& code, const QString& filiale) const {
    if (!customer)
        return code;
    return CodeTables::lieferText(code, filiale, customer->deliveryCodes, link.vkklEnvironment().context);
}

VkklRow::Context DraftContext::rowContext() const {
    VkklRow::Context c;
    if (customer) {
        c.deliveryText = [this](const QString& code, const QString& filiale) {
            return deliveryText(code, filiale);
        };
    }
    PriceService* prices = services.prices;
    c.priceText = [prices](const QString& price, const TVerkaufskladde& line) {
        return prices->priceText(price, line);
    };
    // Graduated prices are asked only while their column shows.
    if (!grid.isColumnHidden(VkklColumns::iStaffelpreis))
        c.staffelpreis = [prices](const TVerkaufskladde& line) { return prices->staffelpreis(line); };
    return c;
}

void DraftContext::record(int aktion, const QString& name, int row, const QString& info,
                          const QString& info2) const {
    TStatistik s;
    s._Aktion = aktion;
    s._Artikel = grid.cell(VkklColumns::iArtikelnummer, row);
    s._VKKL_ID = grid.cell(VkklColumns::iVkklId, row);
    s._Bestellmenge = grid.cell(VkklColumns::iMenge, row);
    s._AusFiliale = grid.cell(VkklColumns::iFiliale, row);
    s._Info = info.isEmpty() ? QStringLiteral("ROW=%1 TOTAL=%2").arg(row).arg(grid.rowCount() - 1) : info;
    s._dummy2 = info2;
    services.statistics->recordDraft(StatistikEvent{name, s});
}

void DraftContext::setExterneFiliale(int row, const QString& text) {
    grid.setCell(VkklColumns::iExterneFiliale, row, text);
    shadow.setCell(VkklColumns::iExterneFiliale, row, text);
}
