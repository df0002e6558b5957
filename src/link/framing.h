#pragma once

#include <QString>

#include <optional>

// Which TCP framing each request code uses. Client wrappers and the server's
// TCP front read the same table, so both sides agree on the layout.
enum class Framing {
    Stream,         // code, byte count, payload -> error line, byte count, payload
    Status,         // code, byte count, payload -> status, message, byte count, payload
    Acknowledge,    // code, byte count, payload -> one line, "OK" on success
    ParameterLines, // code, N lines [, byte count, payload] -> status, byte count, payload, trailer
    Command,        // "code " + NUL-terminated parameters -> three-digit reply, dot-terminated data
    ServerTime,     // the single line "994" -> status, date-time, trailer
    Greeting,       // 990: no request on TCP, the greeting arrives on connect
};

// Answers that do not follow the framing's usual layout.
enum class AnswerKind {
    Standard,
    FileDownload, // 301: reply, status line, file name, byte count, file bytes
    Mail,         // 400: error line, mail id line, trailer
};

struct FramingInfo {
    Framing framing = Framing::Stream;
    int parameters = 0;    // parameter lines (ParameterLines) or NUL-terminated parameters (Command)
    bool withList = false; // ParameterLines: a byte count and a payload follow the lines
    AnswerKind answer = AnswerKind::Standard;
};

namespace FramingTable {

std::optional<FramingInfo> forCode(int code);
std::optional<FramingInfo> forCode(const QString& code);

} // namespace FramingTable
