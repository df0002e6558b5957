// Feeds arbitrary server bytes to the answer reader of each TCP framing.
#include "link/tcpframings.h"
#include "link/tcpstream.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const int reader = data[0] % 6;
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TcpStream stream(&buffer);
    stream.setReadTimeout(10);
    stream.setStatusTimeout(10);
    const QString prefix = QStringLiteral("F: ");
    CommandRequest command;
    command.code = QStringLiteral("130");
    command.failCode = 61;
    TcpResult r;
    switch (reader) {
    case 0:
        r = TcpFraming::readStreamAnswer(stream, prefix);
        break;
    case 1:
        r = TcpFraming::readStatusAnswer(stream, prefix);
        break;
    case 2:
        r = TcpFraming::readAckAnswer(stream, prefix);
        break;
    case 3:
        r = TcpFraming::readParameterLineAnswer(stream, prefix);
        break;
    case 4:
        r = TcpFraming::readCommandAnswer(stream, command);
        break;
    default:
        r = TcpFraming::readServerTimeAnswer(stream, prefix);
        break;
    }
    // A failure never carries answer lines.
    if (r.result != 0 && !r.lines.isEmpty() && reader != 1)
        __builtin_trap();
    return 0;
}
