#pragma once

// The three answer forms in which draft lines arrive: the full line form
// (String2VKKL), the short line form (Outliste2VKKL) and the mass-update form,
// each with the encoder the server answers with.

#include "model/clientrecords.h"
#include "model/modelcontext.h"

class Ending;
class Logger;

// What decoding needs besides the lines: the log, the ending routines for an
// unreadable draft order, and the tenant's hotline text.
struct VkklEnvironment {
    Logger& logger;
    Ending& ending;
    const ModelContext& context;
};

namespace VkklCodec {

constexpr int maxFields = 129;
constexpr int minFields = 125;
constexpr int shortFields = 62;
constexpr int massBlockLength = 126;

// Result codes of the short line form.
enum ShortFormCode { Ok = 0, TooFewLines = 255, BadCount = 254, UnevenBlocks = 253, ShortBlock = 252 };

// The 62 fields of the short line form, in their order.
FieldTable<TVerkaufskladde> shortFormFields();

// Full line form: N records of F = lines / N lines each, F from 125 to 129.
// fieldCount receives F (0 when N is below 1). An F outside 125 to 129 is
// logged and ends the program through SetTerminateTimeout_halt; the result is
// then false and the array empty.
bool String2VKKL(const QString& countText, const QStringList& lines, TVerkaufskladdeArray& out,
                 int& fieldCount, const VkklEnvironment& env);
// The same for an answer that is handed over; its lines move into the records.
bool String2VKKL(const QString& countText, QStringList&& lines, TVerkaufskladdeArray& out, int& fieldCount,
                 const VkklEnvironment& env);
QStringList encodeFullForm(const TVerkaufskladdeArray& records, int fieldCount = maxFields);

// Short line form after a count line; returns a ShortFormCode, message filled
// and logged on failure.
int Outliste2VKKL(const QStringList& lines, TVerkaufskladdeArray& out, QString& message, Logger& logger);
// Count line, then blocks of blockLength lines (at least 62; extra lines empty).
QStringList encodeShortForm(const TVerkaufskladdeArray& records, int blockLength = shortFields);

// Mass-update form: count line, then per line a message line and 125 fields.
// Returns false with an error text when the count or the length is wrong.
bool decodeMassUpdateForm(const QStringList& lines, TVerkaufskladdeArray& out, QStringList& messages,
                          QString& error);
QStringList encodeMassUpdateForm(const TVerkaufskladdeArray& records, const QStringList& messages);

} // namespace VkklCodec
