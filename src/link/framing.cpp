#include "link/framing.h"

#include <QHash>

namespace FramingTable {

namespace {

FramingInfo s() {
    return {Framing::Stream, 0, false, AnswerKind::Standard};
}
FramingInfo st() {
    return {Framing::Status, 0, false, AnswerKind::Standard};
}
FramingInfo pl(int n, bool list = false) {
    return {Framing::ParameterLines, n, list, AnswerKind::Standard};
}
FramingInfo cmd(int n) {
    return {Framing::Command, n, false, AnswerKind::Standard};
}

const QHash<int, FramingInfo>& table() {
    static const QHash<int, FramingInfo> t{
        {104, pl(4)},
        {105, pl(4)},
        {106, pl(6, true)},
        {108, pl(4)},
        {110, cmd(4)},
        {112, st()},
        {121, st()},
        {130, cmd(5)},
        {131, cmd(1)},
        {134, cmd(2)},
        {135, cmd(2)},
        {136, pl(11, true)},
        {137, pl(10, true)},
        {139, pl(11)},
        {141, s()},
        {142, s()},
        {152, cmd(1)},
        {153, st()},
        {154, st()},
        {160, st()},
        {161, cmd(1)},
        {163, st()},
        {164, cmd(2)},
        {165, st()},
        {167, cmd(3)},
        {168, pl(18)},
        {169, pl(4)},
        {170, cmd(0)},
        {172, s()},
        {174, st()},
        {175, st()},
        {180, cmd(4)},
        {181, pl(8)},
        {183, s()},
        {184, st()},
        {185, st()},
        {191, pl(8)},
        {193, s()},
        {200, pl(8)},
        {203, s()},
        {204, st()},
        {210, pl(8)},
        {213, s()},
        {215, st()},
        {221, s()},
        {252, s()},
        {253, s()},
        {260, s()},
        {300, cmd(1)},
        {302, cmd(1)},
        {303, cmd(1)},
        {304, cmd(1)},
        {401, cmd(1)},
        {411, s()},
        {412, s()},
        {420, s()},
        {421, st()},
        {422, st()},
        {423, st()},
        {425, st()},
        {426, st()},
        {501, st()},
        {999, cmd(0)},
        {301, {Framing::Command, 1, false, AnswerKind::FileDownload}},
        {305, {Framing::Acknowledge, 0, false, AnswerKind::Standard}},
        {400, {Framing::ParameterLines, 4, true, AnswerKind::Mail}},
        {990, {Framing::Greeting, 0, false, AnswerKind::Standard}},
        {994, {Framing::ServerTime, 0, false, AnswerKind::Standard}},
    };
    return t;
}

} // namespace

std::optional<FramingInfo> forCode(int code) {
    const auto it = table().constFind(code);
    if (it == table().cend())
        return std::nullopt;
    return *it;
}

std::optional<FramingInfo> forCode(const QString& code) {
    bool ok = false;
    const int n = code.trimmed().toInt(&ok);
    return ok ? forCode(n) : std::nullopt;
}

} // namespace FramingTable
