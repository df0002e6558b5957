// A document answer as the "Belege" tab takes it: decoded for one kind under
// a set of options, filled into a grid with measured widths, then the hover
// preview of the first head and the CSV text of the grid.
//
// Byte 0 picks the kind, byte 1 the options, the rest split at '\n' is the
// answer. Besides crashes, the target stops on a table whose rows do not all
// have its column count, on a visible column outside the table, and on a
// grid that does not hold the table's rows.

#include "documents/belegcsv.h"
#include "documents/belegformular.h"
#include "documents/documentkinds.h"
#include "documents/documentloader.h"
#include "documents/documenttable.h"
#include "grid/stringgrid.h"
#include "model/modelcontext.h"

#include <QFont>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {

constexpr int kinds[] = {
    DocumentKind::Orders,        DocumentKind::OrderLines,      DocumentKind::DeliveryNotes,
    DocumentKind::DeliveryLines, DocumentKind::Invoices,        DocumentKind::InvoiceLines,
    DocumentKind::CreditNotes,   DocumentKind::CreditLines,     DocumentKind::Offers,
    DocumentKind::OfferLines,    DocumentKind::InvoiceBookings, DocumentKind::CreditBookings,
    DocumentKind::Backorders};

// Option bits of byte 1.
enum : uint8_t {
    OrderPrices = 1 << 0,
    DeliveryPrices = 1 << 1,
    OfferSerialIds = 1 << 2,
    OutputType2 = 1 << 3,
    AddressFilter = 1 << 4,
    BookingHidden = 1 << 5,
    TightWidths = 1 << 6,
    NewInterface = 1 << 7,
};

void fail(const char* what) {
    std::fprintf(stderr, "fuzz_documents_loader: %s\n", what);
    std::abort();
}

void checkTable(const DocumentTable& t) {
    if (t.rows.isEmpty())
        return;
    for (const QStringList& row : t.rows) {
        if (row.size() != t.columns)
            fail("a row without the table's column count");
    }
    for (int c : t.visible) {
        if (c < 0 || c >= t.columns)
            fail("a visible column outside the table");
    }
}

} // namespace

// fontconfig keeps its configuration in blocks that the leak checker cannot
// follow; they are the system's, not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    // Widths are measured with QFontMetrics, which needs a GUI application.
    // It lives until the process ends: torn down at exit, after Qt's own
    // statics, it would leave the font caches behind as leaks.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int appArgc = 1;
    static char* appArgv[] = {(*argv)[0], nullptr};
    static QGuiApplication* app = new QGuiApplication(appArgc, appArgv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const int kind = kinds[data[0] % std::size(kinds)];
    const uint8_t bits = data[1];
    const QStringList answer =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2)).split(u'\n');

    DocumentOptions options;
    options.orderPrices = bits & OrderPrices;
    options.deliveryPrices = bits & DeliveryPrices;
    options.offerSerialIds = bits & OfferSerialIds;
    options.outputType = (bits & OutputType2) ? QStringLiteral("2") : QStringLiteral("3");
    options.interfaceVersion = (bits & NewInterface) ? 13 : 0;
    if (bits & AddressFilter)
        options.addressFilter = {QStringLiteral("0"), QStringLiteral("2")};
    if (bits & BookingHidden)
        options.bookingHidden = {0, 4, 13, 34, 40};

    DocumentArrays arrays;
    const DocumentTable table = DocumentDecoder::decode(kind, answer, options, arrays);
    checkTable(table);

    StringGrid grid;
    DocumentLoader::fill(grid, table, QFont(), bits & TightWidths);
    if (!table.rows.isEmpty() && grid.rowCount() != table.rows.size())
        fail("the grid does not hold the table's rows");

    if (DocumentKind::isHead(kind)) {
        const TLieferungArray lieferungen;
        const ModelContext context;
        QString hint;
        MakeBelegFormular(kind, grid.value(QStringLiteral("NUMMER"), 1), arrays, lieferungen, context, grid,
                          1, hint);
    }
    const QString csv = BelegCsv::text(grid);
    (void)csv;
    return 0;
}
