// The companion's bank reader and checker on arbitrary text.
#include "core/random.h"
#include "questions/bank.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

using namespace kvizar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString path = QDir::tempPath() + QStringLiteral("/kvizar-bank-fuzz-%1.txt").arg(getpid());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    QStringList problems;
    const std::optional<Bank> bank = loadBank(path, &problems);
    checkBank(path);
    if (!bank)
        return 0;
    Generator random(size);
    const QByteArray base = encodeGame(*bank, random);
    if (!base.isEmpty() && checkBaseFile(base, path).has_value())
        std::abort();  // a loaded bank must make a valid base file
    return 0;
}
