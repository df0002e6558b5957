#pragma once

// Booking the draft order.
class BookingService {
public:
    virtual ~BookingService() = default;

    // "&Bestellen F10".
    virtual void bookOrder() = 0;
    // "Lagerauftrag als Express".
    virtual void warehouseToExpress() = 0;
    // The reference cell ("Bestell-Info") of a row is to be filled before the quantity.
    virtual bool wantsReference(int row) = 0;
};
