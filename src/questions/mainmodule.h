#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kvizar {

// The key of the question base: five 3-digit pieces used in turn, one per 4-digit group.
inline constexpr char kBaseKey[] = "730184295617402";
inline constexpr int kMaxBaseLength = 32764;  // 8191 groups: the 16-bit position limit
inline constexpr int kQuestionsPerGame = 15;

// Takes the key off `encoded` in two stages: appends the 4-digit codes to `adcoder`, then
// the characters they stand for to `forcoder`.
void DecodeBase(const QString &encoded, QString &adcoder, QString &forcoder);

// The inverse of DecodeBase: a text of the code page to digit groups. nullopt when a
// character has no code in the code page.
std::optional<QByteArray> EncodeBase(const QString &decoded);

// What DecodeBase leaves in holders that were empty: the stage-1 digits and the decoded text.
struct DecodedBase {
    QString adcoder, forcoder;
};

// Checks the bytes of a base file before anything is decoded or shown. Returns the Russian
// message for the player, naming the file (`path`) and where the fault lies; nullopt if the
// file holds fifteen complete question records, with `decoded`, when given, filled as
// DecodeBase fills empty holders.
std::optional<QString> checkBaseFile(const QByteArray &bytes, const QString &path, DecodedBase *decoded = nullptr);

// Checks a decoded text against the layout of a base: a leading character, "@", fifteen
// records each closed by "@", each with five separators and four non-empty answers.
std::optional<QString> checkDecodedBase(const QString &decoded, const QString &path);

}  // namespace kvizar
