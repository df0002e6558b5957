#include "order/draftchangeguard.h"

#include "link/serverlink.h"
#include "platform/logger.h"

using namespace Qt::StringLiterals;

DraftChangeGuard::DraftChangeGuard(DraftGridActions& inner, ArticleResolver& check, const ServerLink& link,
                                   Logger& log, const QString& page)
    : m_inner(inner)
    , m_check(check)
    , m_link(link)
    , m_log(log)
    , m_page(page) {}

void DraftChangeGuard::check(const QString& action) {
    m_changedInThisCall = m_check.mehrfach_gefunden(action, m_page, true, false);
    if (m_changedInThisCall)
        m_log.Log(
            1,
            u"Der Warenkorb hat sich geändert.\r\nBenutzer \"%1\" ist vermutlich mehrfach angemeldet!"_s.arg(
                m_link.login().User),
            1);
}

void DraftChangeGuard::newLineWithCopy(int row) {
    check(u"Neu mit kopieren"_s);
    m_inner.newLineWithCopy(row);
}

void DraftChangeGuard::newLine() {
    check(u"Neu"_s);
    m_inner.newLine();
}

// The deletes go through unchecked.
void DraftChangeGuard::deleteLine(int row) {
    m_inner.deleteLine(row);
}

void DraftChangeGuard::deleteAllLines() {
    m_inner.deleteAllLines();
}

void DraftChangeGuard::toggleMark(int row) {
    check(u"Eine Markierung ändern"_s);
    m_inner.toggleMark(row);
}

void DraftChangeGuard::markAll() {
    check(u"Alle zum Bestellen markieren"_s);
    m_inner.markAll();
}

void DraftChangeGuard::clearAllMarks() {
    check(u"Markierungen alle aufheben"_s);
    m_inner.clearAllMarks();
}

void DraftChangeGuard::fillQuantities() {
    check(u"Alle Zeilen auf Menge=TE setzen"_s);
    m_inner.fillQuantities();
}

void DraftChangeGuard::setReferenceForAll() {
    check(u"Referenz setzen"_s);
    m_inner.setReferenceForAll();
}

void DraftChangeGuard::applyJaNein(int row, bool ja) {
    check(u"sgVKKL Bestellen"_s);
    m_inner.applyJaNein(row, ja);
}

void DraftChangeGuard::enterOnRow(int column, int row) {
    check(u"sgVKKL Enter"_s);
    m_inner.enterOnRow(column, row);
}

void DraftChangeGuard::copyFromRowAbove(int column, int row) {
    check(u"sgVKKL F8"_s);
    m_inner.copyFromRowAbove(column, row);
}

void DraftChangeGuard::commitCell(int column, int row, const QString& text) {
    check(u"sgVKKL SetEditText"_s);
    m_inner.commitCell(column, row, text);
}

void DraftChangeGuard::restoreCell(int column, int row) {
    m_inner.restoreCell(column, row);
}

bool DraftChangeGuard::isEnterable(int column) const {
    return m_inner.isEnterable(column);
}

bool DraftChangeGuard::opensEditor(int column, int row) const {
    return m_inner.opensEditor(column, row);
}

QString DraftChangeGuard::selectionStatus(int column, int row) const {
    return m_inner.selectionStatus(column, row);
}

QString DraftChangeGuard::hintFor(int column, int row) {
    return m_inner.hintFor(column, row);
}

void DraftChangeGuard::logoClicked(int row) {
    m_inner.logoClicked(row);
}

bool DraftChangeGuard::coSaleQuestionOpen() const {
    return m_inner.coSaleQuestionOpen();
}

QString DraftChangeGuard::hintFamily(int column, int row) const {
    return m_inner.hintFamily(column, row);
}
