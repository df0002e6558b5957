// Feeds arbitrary client bytes to the server front's request parser.
#include "link/tcprequestparser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray buffer(reinterpret_cast<const char*>(data), qsizetype(size));
    // Cut requests one after another, as the front does with its buffer.
    for (int i = 0; i < 64 && !buffer.isEmpty(); ++i) {
        const TcpParsedRequest r = TcpRequestParser::parse(buffer);
        if (r.state != TcpParsedRequest::State::Complete)
            break;
        if (r.consumed <= 0 || r.consumed > buffer.size())
            __builtin_trap();
        buffer.remove(0, r.consumed);
    }
    return 0;
}
