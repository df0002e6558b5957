// Feeds arbitrary bytes to the SOAP envelope reader, and what it accepts
// back through the writer and reader.
#include "link/soapenvelope.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    SoapMessage message;
    QString error;
    if (SoapEnvelope::read(bytes, &message, &error) && !message.operation.isEmpty()) {
        SoapMessage again;
        SoapEnvelope::read(SoapEnvelope::write(message), &again, &error);
    }
    return 0;
}
