#pragma once

// What the login calls after the customer's data is in: the draft order,
// the price-file information and a pending catalogue import.
class DraftOrderService {
public:
    virtual ~DraftOrderService() = default;

    // Reads the customer's draft order into the grid.
    virtual void loadDraftOrder() = 0;
    // Open draft orders after the load ("KLADDENZAHL").
    virtual int kladdenZahl() const = 0;
};

class PriceFileService {
public:
    virtual ~PriceFileService() = default;

    // The price-file information after the login.
    virtual void readPriceFileInfo() = 0;
};

class ImportService {
public:
    virtual ~ImportService() = default;

    // A catalogue import handed over on the command line, after the login.
    virtual void startPendingImport() = 0;
    // True while an import runs: no hourglass, no hints.
    virtual bool importRunning() const = 0;
};
