#include "textfit.h"

#include "codepage.h"

#include "screens/designs.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

namespace kvizar {

namespace {

// Advance widths of the Windows-1251 characters, indexed by code, in 1/64 pixel: for each
// character the widest of its unhinted and hinted renderings. Made by tools/measure-fonts
// from Comfortaa-Bold.ttf (fonts-comfortaa) and LiberationSerif-Regular.ttf
// (fonts-liberation2); control characters and the one unassigned code are 0.

// Comfortaa Bold, 16 px: ascent 14.0938, descent 3.75, leading 0
const Face kQuestionFace = {QStringLiteral("Comfortaa"), 16, true, false};
constexpr std::array<std::uint16_t, 256> kQuestionAdvance = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    320, 320, 279, 734, 651, 896, 768, 192, 279, 279, 390, 576, 256, 400, 256, 512,
    591, 402, 602, 640, 668, 644, 594, 576, 594, 594, 199, 199, 576, 520, 576, 576,
    1152, 719, 768, 795, 832, 716, 640, 795, 896, 320, 641, 704, 657, 1024, 849, 960,
    640, 960, 647, 704, 704, 896, 768, 960, 733, 704, 768, 328, 512, 328, 512, 512,
    279, 704, 719, 640, 719, 640, 384, 704, 704, 320, 320, 582, 320, 960, 704, 704,
    719, 719, 512, 576, 410, 704, 576, 768, 576, 576, 576, 400, 400, 400, 512, 0,
    832, 641, 256, 538, 326, 719, 576, 576, 848, 1344, 1051, 279, 1233, 768, 916, 856,
    768, 192, 192, 320, 320, 400, 400, 960, 0, 832, 838, 279, 1024, 599, 718, 576,
    320, 718, 576, 641, 576, 646, 256, 512, 716, 896, 795, 512, 576, 400, 896, 320,
    512, 576, 320, 320, 535, 704, 607, 199, 640, 1280, 640, 512, 320, 704, 576, 320,
    719, 768, 768, 641, 896, 716, 1102, 704, 897, 897, 768, 728, 1024, 896, 960, 856,
    640, 795, 704, 718, 902, 733, 896, 798, 1152, 1178, 896, 970, 724, 795, 1219, 768,
    704, 704, 640, 538, 704, 640, 796, 541, 704, 704, 599, 601, 832, 705, 704, 704,
    719, 640, 960, 576, 792, 576, 717, 640, 960, 979, 704, 842, 644, 640, 960, 590,
};

// Liberation Serif Regular, 13 px: ascent 11.5781, descent 2.8125, leading 0.546875
const Face kAnswerFace = {QStringLiteral("Liberation Serif"), 13, false, false};
constexpr std::array<std::uint16_t, 256> kAnswerAdvance = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    208, 277, 339, 448, 448, 704, 647, 149, 277, 277, 448, 469, 208, 277, 208, 256,
    448, 448, 448, 448, 448, 448, 448, 448, 448, 448, 256, 256, 469, 469, 469, 384,
    768, 600, 576, 576, 600, 512, 462, 600, 600, 277, 323, 600, 512, 768, 600, 600,
    462, 600, 576, 462, 512, 600, 600, 785, 600, 600, 512, 277, 256, 277, 390, 448,
    277, 384, 448, 384, 448, 384, 277, 448, 448, 256, 256, 448, 256, 647, 448, 448,
    448, 448, 277, 323, 256, 448, 448, 600, 448, 448, 384, 399, 192, 399, 450, 0,
    640, 512, 277, 341, 384, 832, 448, 448, 448, 832, 725, 277, 725, 576, 640, 600,
    401, 277, 277, 384, 384, 320, 448, 832, 0, 832, 604, 277, 601, 404, 448, 448,
    208, 589, 448, 323, 448, 384, 192, 448, 512, 640, 576, 448, 469, 277, 640, 277,
    332, 456, 277, 256, 320, 479, 384, 277, 384, 793, 384, 448, 256, 462, 323, 256,
    600, 477, 576, 512, 576, 512, 768, 448, 600, 600, 576, 576, 768, 600, 600, 600,
    462, 576, 512, 589, 657, 600, 600, 540, 839, 839, 587, 725, 477, 576, 855, 576,
    384, 448, 392, 341, 448, 384, 576, 328, 448, 448, 404, 415, 526, 448, 448, 448,
    448, 384, 384, 448, 539, 448, 448, 448, 640, 640, 448, 576, 384, 384, 640, 384,
};

constexpr int kUnit = 64;

int units(const std::array<std::uint16_t, 256> &table, const QString &text)
{
    const int widest = *std::max_element(table.begin(), table.end());
    int sum = 0;
    for (QChar c : text) {
        const std::optional<int> code = charToCp1251(c);
        sum += code ? table[std::size_t(*code)] : widest;
    }
    return sum;
}

int pixels(int units)
{
    return (units + kUnit - 1) / kUnit;
}

const ControlDesign &designOf(const char *name, int index)
{
    for (const ControlDesign &d : gameDesign().controls)
        if (d.index == index && d.name == QLatin1String(name))
            return d;
    throw std::logic_error("the game screen's design has lost a text box");
}

int lineUnits()
{
    return (questionBoxWidth() - kFitMargin) * kUnit;
}

}  // namespace

const Face kQuestionTableFace = kQuestionFace;
const Face kAnswerTableFace = kAnswerFace;

int questionBoxWidth()
{
    static const int width = designOf("display", -1).width / kTwipsPerPixel;
    return width;
}

int questionMaxLines()
{
    static const int lines = designOf("display", -1).height / kTwipsPerPixel / kQuestionLineSpacing;
    return lines;
}

int answerBoxWidth()
{
    static const int width = designOf("answer", 1).width / kTwipsPerPixel;
    return width;
}

int answerWidth(const QString &text)
{
    return pixels(units(kAnswerAdvance, text));
}

int questionWidth(const QString &text)
{
    return pixels(units(kQuestionAdvance, text));
}

int questionLines(const QString &text)
{
    const int space = units(kQuestionAdvance, QStringLiteral(" "));
    int lines = 1;
    int line = -1;  // width of the current line; -1 while it is empty
    for (const QString &word : text.split(QLatin1Char(' '))) {
        const int w = units(kQuestionAdvance, word);
        if (line < 0) {
            line = w;
        } else if (line + space + w <= lineUnits()) {
            line += space + w;
        } else {
            ++lines;
            line = w;
        }
    }
    return lines;
}

bool answerFits(const QString &text)
{
    return answerWidth(text) + kFitMargin <= answerBoxWidth();
}

bool questionFits(const QString &text)
{
    if (questionLines(text) > questionMaxLines())
        return false;
    const QStringList words = text.split(QLatin1Char(' '));
    return std::all_of(words.begin(), words.end(),
                       [](const QString &word) { return units(kQuestionAdvance, word) <= lineUnits(); });
}

}  // namespace kvizar
