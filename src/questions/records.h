#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace kvizar {

// Cuts a decoded base into its question records: entry k (1 to 15) is record k followed by
// its closing "@"; entry 0 is unused. A base with too few "@" leaves later entries empty.
QStringList cutRecords(const QString &base);

struct RecordParts {
    bool complete = false;  // all five separators present, in order
    QString question;
    std::array<QString, 4> answers;  // the first is the right one
};

// Finds the first "|", "||", "|||", "||||" and "|||||" of a record and takes the texts
// between them exactly as stored, spaces included.
RecordParts splitRecord(const QString &record);

// For a record that is not complete: the first answer (1 to 4) whose emptiness merged the
// separators around it into one run ("Вопрос|А|||||В||||Г|||||": answer 2); 0 when the
// separators are wanting for another reason.
int emptyAnswerOf(const QString &record);

}  // namespace kvizar
