// make-sounds OUTDIR: synthesises the Kvizar sound effects (begin, pressed, change, true
// and false .wav; PCM 16-bit, mono, 22050 Hz) with a tiny deterministic additive synthesiser.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Buffer = std::vector<double>;

size_t toSamples(double seconds) { return static_cast<size_t>(seconds * kRate); }
double toSeconds(size_t sample) { return static_cast<double>(sample) / kRate; }
Buffer silence(double seconds) { return Buffer(toSamples(seconds), 0.0); }

// Frequency of a note name such as "A4", "F#3" or "Bb1".
double pitch(const std::string& name)
{
    static constexpr int kSteps[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int semitone = kSteps[name[0] - 'A'];
    size_t pos = 1;
    if (name[pos] == '#') { ++semitone; ++pos; }
    else if (name[pos] == 'b') { --semitone; ++pos; }
    const int midi = 12 * (name[pos] - '0' + 1) + semitone;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Deterministic white noise (xorshift32 with a fixed seed).
struct Noise {
    uint32_t state = 0x9E3779B9u;
    double next()
    {
        state ^= state << 13; state ^= state >> 17; state ^= state << 5;
        return state / 2147483648.0 - 1.0;
    }
};

struct Adsr {
    double attack = 0.01, decay = 0.1, sustain = 0.8, release = 0.2;

    // Envelope level at time t for a note whose key is held for `gate` seconds.
    double at(double t, double gate) const
    {
        auto held = [&](double u) {
            if (u < attack) return u / attack;
            if (u < attack + decay) return 1.0 - (1.0 - sustain) * (u - attack) / decay;
            return sustain;
        };
        if (t < gate) return held(t);
        const double r = std::min((t - gate) / release, 1.0);
        return held(gate) * (1.0 - r) * (1.0 - r);
    }
};

enum class Wave { Sine, Saw, Square, Bell };

struct Note {
    double start = 0.0, gate = 0.2; // seconds
    double freq = 440.0;            // Hz
    double glideTo = 0.0;           // if > 0, pitch bends to this Hz over the gate
    double amp = 0.2;
    Wave wave = Wave::Sine;
    Adsr env;
    double vibrato = 0.0;           // depth in semitones (fades in over 0.3 s)
    double cutoff = 0.0;            // one-pole low-pass cutoff in Hz, 0 = off
    double cutoffEnv = 0.0;         // added to the cutoff at full envelope level
};

// One sample of a band-limited waveform (all partials kept below Nyquist).
double oscillate(Wave wave, double phase, double freq, double t)
{
    const double limit = 0.45 * kRate;
    double sum = 0.0;
    switch (wave) {
    case Wave::Sine:
        return std::sin(phase);
    case Wave::Saw:
    case Wave::Square: { // a square wave has only the odd harmonics
        const int step = wave == Wave::Square ? 2 : 1;
        for (int k = 1; k * freq < limit && k <= 40; k += step) sum += std::sin(k * phase) / k;
        return (wave == Wave::Square ? 0.8 : 0.6) * sum;
    }
    case Wave::Bell: {
        // Slightly inharmonic partials, higher ones dying away faster.
        struct Partial { double ratio, amp, decay; };
        static constexpr Partial kPartials[] = {
            {1.0, 1.0, 2.2}, {2.0, 0.5, 3.5}, {3.01, 0.28, 5.0}, {4.16, 0.16, 8.0}, {5.43, 0.1, 12.0}};
        for (const auto& p : kPartials)
            if (p.ratio * freq < limit) sum += p.amp * std::exp(-p.decay * t) * std::sin(p.ratio * phase);
        return 0.6 * sum;
    }
    }
    return 0.0;
}

// Renders a note and mixes it into `out`.
void play(Buffer& out, const Note& n)
{
    const size_t first = toSamples(n.start);
    const size_t count = toSamples(n.gate + n.env.release);
    double phase = 0.0, lowpass = 0.0;
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = toSeconds(i);
        const double env = n.env.at(t, n.gate);
        double f = n.freq;
        if (n.glideTo > 0.0) f *= std::pow(n.glideTo / n.freq, std::min(t / n.gate, 1.0));
        f *= std::pow(2.0, n.vibrato * std::min(t / 0.3, 1.0) * std::sin(kTwoPi * 5.5 * t) / 12.0);
        phase += kTwoPi * f / kRate;
        double x = oscillate(n.wave, phase, f, t);
        if (n.cutoff > 0.0) {
            const double fc = std::min(n.cutoff + n.cutoffEnv * env, 0.45 * kRate);
            lowpass += (1.0 - std::exp(-kTwoPi * fc / kRate)) * (x - lowpass);
            x = lowpass;
        }
        out[first + i] += n.amp * env * x;
    }
}

// A synth-brass voice: two slightly detuned filtered saws that brighten on the attack.
void brass(Buffer& out, double start, double gate, const std::string& name, double amp)
{
    for (double f : {pitch(name) * 0.9977, pitch(name) * 1.0023})
        play(out, {.start = start, .gate = gate, .freq = f, .amp = amp, .wave = Wave::Saw,
                   .env = {0.025, 0.2, 0.7, 0.3}, .vibrato = 0.1, .cutoff = 2.0 * f, .cutoffEnv = 2200.0});
}

void bell(Buffer& out, double start, const std::string& name, double amp, double ring = 1.0)
{
    play(out, {.start = start, .gate = ring, .freq = pitch(name), .amp = amp, .wave = Wave::Bell,
               .env = {0.002, 0.0, 1.0, 0.25}});
}

// A timpani-like hit: a low sine with a short pitch drop, a few drum modes and a noisy thump.
void timpani(Buffer& out, double start, const std::string& name, double amp)
{
    const size_t first = toSamples(start);
    const double f = pitch(name);
    Noise noise;
    double phase = 0.0, thump = 0.0;
    for (size_t i = 0; i < toSamples(1.2) && first + i < out.size(); ++i) {
        const double t = toSeconds(i);
        phase += kTwoPi * f * (1.0 + 0.2 * std::exp(-t * 25.0)) / kRate;
        thump += 0.08 * (noise.next() - thump);
        const double tone = std::sin(phase) + 0.5 * std::exp(-t * 5.0) * std::sin(1.5 * phase)
                          + 0.3 * std::exp(-t * 7.0) * std::sin(1.98 * phase);
        const double env = (1.0 - std::exp(-t * 500.0)) * std::exp(-t * 3.5);
        out[first + i] += amp * (env * tone + 2.0 * std::exp(-t * 35.0) * thump);
    }
}

// Band-passed noise whose centre frequency sweeps from f0 to f1, swelling then fading.
void whoosh(Buffer& out, double start, double dur, double f0, double f1, double amp)
{
    const size_t first = toSamples(start);
    Noise noise;
    double low = 0.0, band = 0.0;
    for (size_t i = 0; i < toSamples(dur) && first + i < out.size(); ++i) {
        const double u = toSeconds(i) / dur;
        const double fc = f0 * std::pow(f1 / f0, u);
        const double k = 2.0 * std::sin(std::numbers::pi * fc / kRate);
        low += k * band;
        band += k * (noise.next() - low - 0.5 * band); // state-variable filter
        const double env = u < 0.7 ? std::pow(u / 0.7, 1.5) : std::pow((1.0 - u) / 0.3, 2.0);
        out[first + i] += amp * env * band;
    }
}

// A small Schroeder reverb: four damped feedback combs and two all-passes.
void reverb(Buffer& buf, double wet, double feedback)
{
    Buffer tail(buf.size(), 0.0);
    for (double ms : {29.7, 37.1, 41.1, 43.7}) {
        const size_t d = toSamples(ms / 1000.0);
        Buffer comb(buf.size(), 0.0);
        double damp = 0.0;
        for (size_t i = 0; i < buf.size(); ++i) {
            if (i >= d) damp += 0.4 * (comb[i - d] - damp);
            comb[i] = buf[i] + feedback * damp;
            tail[i] += 0.25 * comb[i];
        }
    }
    for (double ms : {5.0, 1.7}) {
        const size_t d = toSamples(ms / 1000.0);
        Buffer in = tail;
        for (size_t i = d; i < tail.size(); ++i) tail[i] = -0.7 * in[i] + in[i - d] + 0.7 * tail[i - d];
    }
    for (size_t i = 0; i < buf.size(); ++i) buf[i] += wet * tail[i];
}

// Removes DC, adds short fades at both ends and normalises the peak to -3 dBFS.
void finish(Buffer& buf)
{
    double previous = 0.0, highpass = 0.0;
    for (double& v : buf) {
        highpass = v - previous + 0.995 * highpass;
        previous = std::exchange(v, highpass);
    }
    auto fade = [](size_t pos, size_t len) {
        return pos >= len ? 1.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * toSeconds(pos) / toSeconds(len));
    };
    const size_t fadeIn = toSamples(0.003), fadeOut = std::min(buf.size() / 4, toSamples(0.03));
    double peak = 1e-9;
    for (size_t i = 0; i < buf.size(); ++i) {
        buf[i] *= fade(i, fadeIn) * fade(buf.size() - 1 - i, fadeOut);
        peak = std::max(peak, std::abs(buf[i]));
    }
    for (double& v : buf) v *= std::pow(10.0, -3.0 / 20.0) / peak;
}

Buffer makeBegin()
{
    Buffer b = silence(3.4);
    play(b, {.start = 0.0, .gate = 2.9, .freq = pitch("D2"), .amp = 0.25, .wave = Wave::Saw,
             .env = {0.5, 0.5, 0.8, 0.45}, .cutoff = 220.0, .cutoffEnv = 250.0});
    const char* pickup[] = {"A3", "D4", "F#4"};
    for (int i = 0; i < 3; ++i) brass(b, 0.16 * i, 0.11, pickup[i], 0.16);
    timpani(b, 0.0, "A1", 0.25);

    struct Chord { double start, gate; std::vector<std::string> notes; std::string drum; };
    const Chord chords[] = {
        {0.48, 0.38, {"D3", "A3", "D4", "F#4", "A4"}, "D2"},
        {0.95, 0.18, {"Bb2", "F3", "Bb3", "D4", "D5"}, "Bb1"},
        {1.20, 0.18, {"C3", "G3", "C4", "E4", "E5"}, "C2"},
        {1.45, 1.45, {"D3", "A3", "D4", "F#4", "A4", "F#5"}, "D2"},
    };
    for (const Chord& c : chords) {
        for (const std::string& n : c.notes) brass(b, c.start, c.gate, n, 0.1);
        timpani(b, c.start, c.drum, 0.45);
    }
    const char* sparkle[] = {"D6", "F#6", "A6", "D7"};
    for (int i = 0; i < 4; ++i) bell(b, 1.45 + 0.06 * i, sparkle[i], 0.05, 1.5);
    reverb(b, 0.3, 0.72);
    return b;
}

Buffer makePressed()
{
    Buffer b = silence(0.12);
    play(b, {.gate = 0.005, .freq = 2000.0, .glideTo = 1400.0, .amp = 0.35,
             .env = {0.001, 0.03, 0.0, 0.03}});
    play(b, {.gate = 0.01, .freq = 720.0, .glideTo = 520.0, .amp = 0.6,
             .env = {0.002, 0.06, 0.0, 0.05}});
    return b;
}

Buffer makeChange()
{
    Buffer b = silence(1.1);
    whoosh(b, 0.0, 0.7, 250.0, 3400.0, 0.35);
    play(b, {.start = 0.05, .gate = 0.5, .freq = 220.0, .glideTo = 880.0, .amp = 0.1,
             .env = {0.3, 0.1, 1.0, 0.15}, .vibrato = 0.1});
    for (const char* n : {"A3", "E4", "A4", "C#5"})
        play(b, {.start = 0.5, .gate = 0.25, .freq = pitch(n), .amp = 0.12, .wave = Wave::Saw,
                 .env = {0.05, 0.25, 0.6, 0.3}, .vibrato = 0.08, .cutoff = 500.0, .cutoffEnv = 700.0});
    bell(b, 0.52, "E6", 0.1, 0.5);
    reverb(b, 0.3, 0.7);
    return b;
}

Buffer makeTrue()
{
    Buffer b = silence(1.35);
    const char* arpeggio[] = {"C5", "E5", "G5", "C6"};
    for (int i = 0; i < 4; ++i) bell(b, 0.08 * i, arpeggio[i], 0.22, 1.0 - 0.08 * i);
    bell(b, 0.32, "E6", 0.08, 0.7);
    for (const char* n : {"C4", "E4", "G4"})
        play(b, {.start = 0.05, .gate = 0.7, .freq = pitch(n), .amp = 0.06,
                 .env = {0.1, 0.3, 0.6, 0.4}, .vibrato = 0.08});
    reverb(b, 0.3, 0.72);
    return b;
}

Buffer makeFalse()
{
    Buffer b = silence(1.2);
    const Adsr env{0.02, 0.25, 0.8, 0.25};
    for (auto [detune, wave] : {std::pair{1.0, Wave::Square}, {1.014, Wave::Saw}, {0.991, Wave::Saw}})
        play(b, {.gate = 0.9, .freq = pitch("A2") * detune, .glideTo = pitch("G2") * detune,
                 .amp = 0.2, .wave = wave, .env = env, .cutoff = 500.0, .cutoffEnv = 600.0});
    play(b, {.gate = 0.9, .freq = pitch("A1"), .glideTo = pitch("G1"), .amp = 0.15,
             .wave = Wave::Square, .env = env, .cutoff = 300.0, .cutoffEnv = 200.0});
    reverb(b, 0.15, 0.6);
    return b;
}

// Writes `samples` as a 16-bit mono WAV file, atomically (temporary file then rename).
bool writeWav(const fs::path& path, const Buffer& samples)
{
    std::string bytes;
    auto put = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i) bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
    bytes += "RIFF"; put(36 + dataSize, 4); bytes += "WAVE";
    bytes += "fmt "; put(16, 4); put(1, 2); put(1, 2); put(kRate, 4); put(kRate * 2, 4); put(2, 2); put(16, 2);
    bytes += "data"; put(dataSize, 4);
    for (double v : samples)
        put(static_cast<uint16_t>(static_cast<int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0))), 2);

    fs::path temp = path;
    temp += ".tmp";
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    std::error_code ec;
    if (file) fs::rename(temp, path, ec);
    if (!file || ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make-sounds OUTDIR\n";
        return 2;
    }
    const fs::path dir = argv[1];
    std::error_code ec;
    fs::create_directories(dir, ec);

    const std::pair<const char*, Buffer (*)()> sounds[] = {
        {"begin.wav", makeBegin}, {"pressed.wav", makePressed}, {"change.wav", makeChange},
        {"true.wav", makeTrue},   {"false.wav", makeFalse},
    };
    for (const auto& [name, make] : sounds) {
        Buffer samples = make();
        finish(samples);
        if (!writeWav(dir / name, samples)) {
            std::cerr << "make-sounds: cannot write " << (dir / name).string() << '\n';
            return 1;
        }
    }
    return 0;
}
