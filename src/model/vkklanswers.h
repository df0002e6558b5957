#pragma once

// How the answers of the requests that read and change draft lines become
// lines, result codes and messages.

#include "model/vkklcodec.h"

struct VkklAnswer {
    // 0 success; otherwise the failure code of the answer or of the line.
    int code = 0;
    QString message;
    TVerkaufskladdeArray lines;
    // Fields per line of a full-form answer.
    int fieldCount = 0;
    // Key of a new line (165, 172).
    QString vkklId;
    // Leading line of a masked-update answer.
    QString extra;
    // The import insert came back short: read the new line with mode "4".
    bool reread = false;
};

namespace VkklAnswers {

// Reading over TCP below server level 17 (169): count line, then the full form.
VkklAnswer readGet169Tcp(const QStringList& answer, const VkklEnvironment& env);
// Reading over TCP from level 17 on (160): the short form.
VkklAnswer readGet160Tcp(const QStringList& answer, const VkklEnvironment& env);
// Reading over SOAP (169): "NUMKLADDEN", N and the full form, or lines of 125.
VkklAnswer readGetKladdenSoap(const QStringList& answer, const VkklEnvironment& env);

// Update (163): at least 64 lines in the short form; the line's own
// FEHLERNUMMER and normalised FEHLERTEXT are the result.
VkklAnswer readUpdate163(const QStringList& answer, const VkklEnvironment& env);
// Insert (165): more than 62 lines with line 0 "1"; gives the new VKKL_ID.
VkklAnswer readInsert165(const QStringList& answer, const VkklEnvironment& env);
// Import insert (172): line 1 is the new key; 128 lines or more hold the line.
VkklAnswer readInsert172(const QStringList& answer, const VkklEnvironment& env);
// Masked update (174).
VkklAnswer readUpdate174(const QStringList& answer, bool soap, const VkklEnvironment& env);
// Field update (168): the whole line, optionally behind its count line.
VkklAnswer readUpdate168(const QStringList& answer, const VkklEnvironment& env);
// Mass update: the lines and the collected messages; failed is the SOAP error
// code (the number of failed quadruples).
VkklAnswer readMassUpdate(const QStringList& answer, int failed);

// "<n> Fehler" and the collected message lines, as the caller reports them.
QString massUpdateReport(int failed, const QStringList& messages);
// Text and title of the question after an import insert failed "von NULL".
QString insert2Question(const QString& message);
inline const QString Insert2QuestionTitle = QStringLiteral("Fehler bei MyVKKLInsert2");

} // namespace VkklAnswers
