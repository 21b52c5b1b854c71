// Prints, as C++ tables for src/questions/textfit.cpp, the advance width of every Windows-1251
// character in the faces the game screen draws its questions and answers in (as the design's
// looks ask for them), in 1/64 pixel.
//
//   measure-fonts

#include "questions/codepage.h"
#include "screens/designs.h"
#include "screens/fonts.h"

#include "../offscreenargs.h"

#include <QGuiApplication>
#include <QRawFont>
#include <QTextStream>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Measured {
    kvizar::Face face;
    const char *tableName;
    const char *faceName;
};

QFont qfont(const kvizar::Face &face, QFont::HintingPreference hinting = QFont::PreferDefaultHinting)
{
    QFont font(face.family);
    font.setPixelSize(face.pixelSize);
    font.setBold(face.bold);
    font.setItalic(face.italic);
    font.setHintingPreference(hinting);
    return font;
}

const kvizar::Look &designedLook(const char *name, int index)
{
    for (const kvizar::ControlDesign &d : kvizar::gameDesign().controls)
        if (d.index == index && d.name == QLatin1String(name))
            return d.look;
    std::abort();
}

bool printable(int code)
{
    return code >= 0x20 && code != 0x7F && kvizar::cp1251ToChar(code) != QChar(0xFFFD);
}

// Hinting may round advances either way: the widest of the three renderings is kept, so a
// text measured by the table is never narrower than the game draws it.
double widestAdvance(const kvizar::Face &face, QChar c)
{
    double widest = 0;
    for (auto hinting : {QFont::PreferNoHinting, QFont::PreferVerticalHinting, QFont::PreferFullHinting}) {
        const QRawFont font = QRawFont::fromFont(qfont(face, hinting));
        const QList<quint32> glyphs = font.glyphIndexesForString(QString(c));
        if (glyphs.size() != 1)
            continue;
        const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
        widest = std::max(widest, advances.value(0).x());
    }
    return widest;
}

bool printTable(QTextStream &out, const Measured &m)
{
    const QRawFont font = QRawFont::fromFont(qfont(m.face));
    if (!font.isValid() || font.familyName() != m.face.family) {
        std::fprintf(stderr, "measure-fonts: the face %s is not installed\n", qPrintable(m.face.family));
        return false;
    }
    out << "// " << font.familyName() << ' ' << font.styleName() << ", " << m.face.pixelSize
        << " px: ascent " << font.ascent() << ", descent " << font.descent() << ", leading "
        << font.leading() << "\n";
    out << "const Face " << m.faceName << " = {QStringLiteral(\"" << m.face.family << "\"), " << m.face.pixelSize << ", "
        << (m.face.bold ? "true" : "false") << ", " << (m.face.italic ? "true" : "false") << "};\n";
    out << "constexpr std::array<std::uint16_t, 256> " << m.tableName << " = {\n";
    for (int code = 0; code < 256; ++code) {
        int units = 0;
        if (printable(code)) {
            const QChar c = kvizar::cp1251ToChar(code);
            if (!font.supportsCharacter(c))
                std::fprintf(stderr, "measure-fonts: %s has no glyph for code %d\n", qPrintable(m.face.family), code);
            units = int(std::ceil(widestAdvance(m.face, c) * 64 - 1e-6));
        }
        out << (code % 16 == 0 ? "    " : " ") << units << ',' << (code % 16 == 15 ? "\n" : "");
    }
    out << "};\n\n";
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    OffscreenArgs args(argc, argv);  // no window is ever shown: measure without a display
    QGuiApplication app(args.count, args.argv());
    if (app.arguments().size() != 1) {
        std::fprintf(stderr, "usage: measure-fonts\n");
        return 2;
    }
    const Measured question{kvizar::faceOf(designedLook("display", -1)), "kQuestionAdvance", "kQuestionFace"};
    const Measured answer{kvizar::faceOf(designedLook("answer", 1)), "kAnswerAdvance", "kAnswerFace"};
    QTextStream out(stdout);
    return printTable(out, question) && printTable(out, answer) ? 0 : 1;
}
