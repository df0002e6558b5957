// The three answer forms of draft lines and the answer rules built on them.

#include "model/vkklanswers.h"
#include "platform/clock.h"
#include "platform/ending.h"
#include "platform/logger.h"

#include <cstddef>
#include <cstdint>

namespace {

// An ending that only notes that the program would end.
class NoEnding final : public Ending {
public:
    void myterminate(const QString&, const QString&) override {}
    void SetTerminateTimeout_halt(const QString&, bool, bool) override {}
    int destroyStatus() const override { return Running; }
    void setDestroyStatus(int) override {}
    bool closing() const override { return false; }
    void setClosing(bool) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    static SystemClock clock;
    static Logger logger(clock);
    static NoEnding ending;
    static const ModelContext context;
    const VkklEnvironment env{logger, ending, context};
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)).split(u'\n');

    TVerkaufskladdeArray out;
    QString message;
    int fieldCount = 0;
    switch (data[0] % 10) {
    case 0:
        VkklCodec::String2VKKL(lines.value(0), lines.mid(1), out, fieldCount, env);
        break;
    case 1:
        VkklCodec::Outliste2VKKL(lines, out, message, logger);
        break;
    case 2: {
        QStringList messages;
        VkklCodec::decodeMassUpdateForm(lines, out, messages, message);
        break;
    }
    case 3:
        VkklAnswers::readUpdate163(lines, env);
        break;
    case 4:
        VkklAnswers::readInsert165(lines, env);
        break;
    case 5:
        VkklAnswers::readInsert172(lines, env);
        break;
    case 6:
        VkklAnswers::readUpdate174(lines, data[0] & 0x10, env);
        break;
    case 7:
        VkklAnswers::readUpdate168(lines, env);
        break;
    case 8:
        VkklAnswers::readGetKladdenSoap(lines, env);
        break;
    default:
        VkklAnswers::readMassUpdate(lines, data[0] >> 4);
        break;
    }
    return 0;
}
