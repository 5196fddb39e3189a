#include "tools/simgame/frame_model.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "tools/simgame/random_stream.h"
#include "tools/simgame/text.h"

namespace tarvik::simgame {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kReferencePixels = 1024.0 * 768.0;

// What a map costs at the reference (1024x768, every detail switched off, flyby), in ms of
// graphics and of game logic, with its typical polygon and actor counts.
struct MapCost {
    const char* name;
    double graphicsMs;
    double logicMs;
    int polygons;
    int actors;
};

constexpr MapCost kMapCosts[] = {
    {"dm-antalus", 6.3, 4.4, 118000, 420},   {"dm-asbestos", 4.6, 3.6, 74000, 310},
    {"ctf-face3", 7.0, 4.9, 131000, 520},    {"ctf-citadel", 5.6, 4.1, 96000, 380},
    {"dm-inferno", 5.1, 4.3, 88000, 350},    {"dom-suntemple", 5.9, 4.0, 102000, 360},
    {"dm-phobos2", 5.3, 3.9, 91000, 300},    {"br-icefields", 6.6, 4.6, 124000, 470},
    {"dom-outrigger", 5.7, 4.2, 99000, 390}, {"br-anubis", 6.0, 4.3, 108000, 430},
    {"ctf-chimera", 5.4, 4.0, 93000, 340},   {"ctf-maul", 6.1, 4.4, 112000, 440},
    {"dm-compressed", 4.4, 3.7, 70000, 290}, {"dm-tokaraforest", 6.8, 4.5, 127000, 410},
    {"dm-plunge", 4.8, 3.8, 79000, 300},     {"dom-core", 5.2, 4.0, 90000, 330},
};

std::string MapKey(const std::string& mapName) {
    std::string key = Lowered(mapName);
    if (key.size() >= 4 && key.compare(key.size() - 4, 4, ".ut2") == 0) {
        key.resize(key.size() - 4);
    }
    return key;
}

// Maps the game has never heard of still get a cost of their own, from their name.
MapCost CostOf(const std::string& mapName) {
    const std::string key = MapKey(mapName);
    for (const MapCost& cost : kMapCosts) {
        if (key == cost.name) {
            return cost;
        }
    }
    RandomStream random(HashText(key));
    return MapCost{"", random.Between(4.4, 7.0), random.Between(3.6, 4.9),
                   static_cast<int>(random.Between(70000, 130000)),
                   static_cast<int>(random.Between(280, 520))};
}

double Factor(bool on, double whenOn) {
    return on ? whenOn : 1.0;
}

double GraphicsMs(const RunSetup& setup, const MapCost& cost) {
    const DetailSettings& d = setup.detail;
    const double pixels =
        static_cast<double>(setup.resolution.width) * static_cast<double>(setup.resolution.height);
    // A quarter of the work does not grow with the pixels (geometry, state changes).
    const double pixelFactor = 0.25 + 0.75 * pixels / kReferencePixels;
    const double textures = 0.80 + 0.05 * std::clamp(d.textureDetail, 0.0, 4.0);
    const double mipBias = 1.0 - 0.05 * std::clamp(d.mipBias, -1.0, 1.0);
    const bool botmatch = setup.mode == GameMode::Botmatch;
    return cost.graphicsMs * pixelFactor * textures * mipBias * Factor(d.use16bit, 0.85) *
           Factor(d.use16bitTextures, 0.93) * Factor(d.tripleBuffering, 1.02) *
           Factor(d.detailTextures, 1.06) * Factor(d.highDetailActors, 1.03) *
           Factor(d.superHighDetailActors, 1.03) * Factor(d.compressedLightmaps, 0.95) *
           Factor(d.decals, 1.03) * Factor(d.dynamicLights, 1.05) * Factor(d.coronas, 1.02) *
           Factor(d.projectors, 1.04) * Factor(d.decoLayers, 1.05) * Factor(!d.lighting, 0.8) *
           Factor(botmatch, 1.1) * Factor(botmatch && d.playerShadows, 1.04);
}

double LogicMs(const RunSetup& setup, const MapCost& cost) {
    const DetailSettings& d = setup.detail;
    static const double kPhysics[] = {0.92, 1.0, 1.1};
    const double bots = setup.mode == GameMode::Botmatch ? 1.45 + 0.05 * setup.botCount : 1.0;
    return cost.logicMs * bots * kPhysics[std::clamp(d.physicsDetail, 0, 2)] *
           Factor(!d.hardwareTL, 1.6) * Factor(!d.hardwareVS, 1.1) *
           Factor(d.highDetailActors, 1.08) * Factor(d.superHighDetailActors, 1.06);
}

}  // namespace

std::uint64_t RunSeed(const std::string& argumentText, const std::string& systemIniText,
                      const std::string& userIniText) {
    std::uint64_t hash = HashText(argumentText);
    hash = HashText(std::string_view("\0", 1), hash);
    hash = HashText(systemIniText, hash);
    hash = HashText(std::string_view("\0", 1), hash);
    return HashText(userIniText, hash);
}

int SubframeCount(int seconds, const std::string& argumentText) {
    const int extra = 1 + static_cast<int>(HashText(argumentText) % kSubframesPerSecond);
    return seconds * kSubframesPerSecond + extra;
}

double SteadyFrameMs(const RunSetup& setup) {
    const MapCost cost = CostOf(setup.mapName);
    const double graphics = GraphicsMs(setup, cost);
    const double logic = LogicMs(setup, cost);
    // The processor and the card overlap their work, but not completely.
    return std::max(graphics, logic) + 0.3 * std::min(graphics, logic);
}

std::vector<Subframe> SimulateRun(const RunSetup& setup, const std::string& argumentText,
                                  std::uint64_t seed) {
    const MapCost cost = CostOf(setup.mapName);
    const double steady = SteadyFrameMs(setup);
    const bool botmatch = setup.mode == GameMode::Botmatch;
    RandomStream random(seed);
    const double phase1 = random.Between(0.0, 2.0 * kPi);
    const double phase2 = random.Between(0.0, 2.0 * kPi);
    const double phase3 = random.Between(0.0, 2.0 * kPi);
    const double phase4 = random.Between(0.0, 2.0 * kPi);
    const double slowestMs =
        setup.detail.minDesiredFrameRate > 1.0 ? 1000.0 / setup.detail.minDesiredFrameRate : 0.0;

    const int count = SubframeCount(setup.seconds, argumentText);
    std::vector<Subframe> frames;
    frames.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSubframesPerSecond;
        double scene = 1.0 + 0.16 * std::sin(2.0 * kPi * t / 23.0 + phase1) +
                       0.07 * std::sin(2.0 * kPi * t / 6.5 + phase2) +
                       0.03 * std::sin(2.0 * kPi * t / 1.7 + phase3);
        if (botmatch) {
            const double fight = std::sin(2.0 * kPi * t / 11.0 + phase4);
            scene += 0.12 * fight * fight;
        }
        const double jitter = (random.Unit() + random.Unit() + random.Unit()) / 3.0 - 0.5;
        double frameMs = steady * scene * (1.0 + 0.08 * jitter);
        if (random.Unit() < 0.004) {
            frameMs *= random.Between(2.5, 5.0);  // a texture upload or a garbage collection
        }
        if (i < 8) {
            frameMs *= 4.0 - 0.4 * i;  // the level is still settling in
        }
        // Below the wished-for frame rate the engine drops detail to catch up.
        if (slowestMs > 0.0 && frameMs > slowestMs) {
            frameMs = slowestMs + 0.7 * (frameMs - slowestMs);
        }
        Subframe frame;
        frame.frameMs = std::clamp(frameMs, 1.0, 2000.0);
        frame.polygons = static_cast<int>(cost.polygons * scene * random.Between(0.97, 1.03));
        frame.actors = cost.actors + (botmatch ? 40 * setup.botCount : 0) +
                       static_cast<int>(random.Between(-15.0, 15.0));
        frames.push_back(frame);
    }
    return frames;
}

}  // namespace tarvik::simgame
