// Prints, as C++ tables, the advance width of every Windows-1251 character in the two fonts
// the game screen uses for questions and answers, in 1/64 pixel.
//
//   measure-fonts [QUESTION_FONT_FILE ANSWER_FONT_FILE]

#include "questions/codepage.h"

#include <QGuiApplication>
#include <QRawFont>
#include <QTextStream>

#include <array>
#include <cmath>
#include <cstdio>

namespace {

struct Face {
    QString file;
    int pixelSize;
    const char *tableName;
};

bool printable(int code)
{
    return code >= 0x20 && code != 0x7F && kvizar::cp1251ToChar(code) != QChar(0xFFFD);
}

// Hinting may round advances either way: the widest of the three renderings is kept, so a
// text measured by the table is never narrower than the game draws it.
double widestAdvance(const QString &file, int pixelSize, QChar c)
{
    double widest = 0;
    for (auto hinting : {QFont::PreferNoHinting, QFont::PreferVerticalHinting, QFont::PreferFullHinting}) {
        const QRawFont font(file, pixelSize, hinting);
        const QList<quint32> glyphs = font.glyphIndexesForString(QString(c));
        if (glyphs.size() != 1)
            continue;
        const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
        widest = std::max(widest, advances.value(0).x());
    }
    return widest;
}

bool printTable(QTextStream &out, const Face &face)
{
    const QRawFont font(face.file, face.pixelSize);
    if (!font.isValid()) {
        std::fprintf(stderr, "measure-fonts: cannot load %s\n", qPrintable(face.file));
        return false;
    }
    out << "// " << font.familyName() << ' ' << font.styleName() << ", " << face.pixelSize
        << " px: ascent " << font.ascent() << ", descent " << font.descent() << ", leading "
        << font.leading() << "\n";
    out << "constexpr std::array<std::uint16_t, 256> " << face.tableName << " = {\n";
    for (int code = 0; code < 256; ++code) {
        int units = 0;
        if (printable(code)) {
            const QChar c = kvizar::cp1251ToChar(code);
            if (!font.supportsCharacter(c))
                std::fprintf(stderr, "measure-fonts: %s has no glyph for code %d\n", qPrintable(face.file), code);
            units = int(std::ceil(widestAdvance(face.file, face.pixelSize, c) * 64 - 1e-6));
        }
        out << (code % 16 == 0 ? "    " : " ") << units << ',' << (code % 16 == 15 ? "\n" : "");
    }
    out << "};\n\n";
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 1 && args.size() != 3) {
        std::fprintf(stderr, "usage: measure-fonts [QUESTION_FONT_FILE ANSWER_FONT_FILE]\n");
        return 2;
    }
    const Face question{args.size() == 3 ? args[1] : QStringLiteral("/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf"),
                            16, "kQuestionAdvance"};
    const Face answer{args.size() == 3 ? args[2] : QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf"),
                          13, "kAnswerAdvance"};
    QTextStream out(stdout);
    return printTable(out, question) && printTable(out, answer) ? 0 : 1;
}
