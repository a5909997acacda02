#include "ArtBook.h"

#include "ArtFont.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

// One drawing job: the entry it fills and the function that draws it.
struct ArtJob {
    ArtEntry* entry;
    std::function<std::vector<ArtPicture>()> draw;
};

static std::function<std::vector<ArtPicture>()> one(ArtPicture (*draw)()) {
    return [draw] { return std::vector<ArtPicture>{draw()}; };
}

ArtBook drawArtBook() {
    ArtBook book;
    const char* imageNames[] = {"Logo",    "Divider",    "PanelEdge",  "Ramp", "Scroller",
                                "Sparkle", "SquareEdge", "VoodooDoll", "Font", "WindowIcon"};
    const char* setNames[] = {"Amoeba", "Bomb",    "Boulder",  "BrickWall", "Butterfly",
                              "Button", "Diamond", "Dirt",     "Explosion", "Firefly",
                              "Player", "Slime",   "SteelWall"};
    book.images.resize(std::size(imageNames));
    book.sets.resize(std::size(setNames));
    for (std::size_t i = 0; i < book.images.size(); ++i) {
        book.images[i].name = imageNames[i];
    }
    for (std::size_t i = 0; i < book.sets.size(); ++i) {
        book.sets[i].name = setNames[i];
    }
    for (const char* tiled : {"Amoeba", "BrickWall", "Dirt", "Slime", "SteelWall"}) {
        for (ArtEntry& e : book.sets) {
            e.tiles = e.tiles || e.name == tiled;
        }
    }
    // Flat interface colours and the small icon gain little from a tolerance.
    for (const char* exact : {"Divider", "WindowIcon"}) {
        for (ArtEntry& e : book.images) {
            e.exact = e.exact || e.name == exact;
        }
    }
    // The slowest drawings come first so that the workers finish together.
    std::vector<ArtJob> jobs = {
        {&book.sets[10], drawPlayer},
        {&book.sets[0], drawAmoeba},
        {&book.sets[11], drawSlime},
        {&book.sets[8], drawExplosion},
        {&book.sets[2], drawBoulder},
        {&book.sets[1], drawBomb},
        {&book.images[0], one(drawLogo)},
        {&book.images[8], one(ArtFont::sheet)},
        {&book.sets[9], drawFirefly},
        {&book.sets[4], drawButterfly},
        {&book.sets[7], drawDirt},
        {&book.sets[12], drawSteelWall},
        {&book.sets[3], drawBrickWall},
        {&book.sets[6], drawDiamond},
        {&book.sets[5], drawButton},
        {&book.images[1], one(drawDivider)},
        {&book.images[2], one(drawPanelEdge)},
        {&book.images[3], one(drawRamp)},
        {&book.images[4], one(drawScroller)},
        {&book.images[5], one(drawSparkle)},
        {&book.images[6], one(drawSquareEdge)},
        {&book.images[7], one(drawVoodooDoll)},
        {&book.images[9], [] { return std::vector<ArtPicture>{drawWindowIcon()}; }},
    };
    // Each job writes only its own entry, and every drawing is a pure function
    // of its inputs, so the result does not depend on the thread count.
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            jobs[i].entry->frames = jobs[i].draw();
        }
    };
    const unsigned count = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < count; ++t) {
        threads.emplace_back(worker);
    }
    worker();
    for (std::thread& t : threads) {
        t.join();
    }
    return book;
}
