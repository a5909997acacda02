#pragma once

#include "ArtCanvas.h"

#include <string>
#include <vector>

// One named picture or animation set of the game, as drawn.
struct ArtEntry {
    std::string name; // the GvArtImage / GvArtSet enumerator
    std::vector<ArtPicture> frames;
    bool tiles = false; // repeats seamlessly; previewed tiled 2 x 2
    bool exact = false; // flat colours that must come back byte for byte
};

// Every picture, in the order of GvArtImage, and every set, in the order of
// GvArtSet.
struct ArtBook {
    std::vector<ArtEntry> images;
    std::vector<ArtEntry> sets;
};

ArtBook drawArtBook();

// The drawings, one function per picture or set.
ArtPicture drawLogo();
ArtPicture drawDivider();
ArtPicture drawPanelEdge();
ArtPicture drawRamp();
ArtPicture drawScroller();
ArtPicture drawSparkle();
ArtPicture drawSquareEdge();
ArtPicture drawVoodooDoll();
// The program's icon, `size` pixels square; the game embeds the 64-pixel one.
ArtPicture drawWindowIcon(int size = 64);

std::vector<ArtPicture> drawAmoeba();
std::vector<ArtPicture> drawBomb();
std::vector<ArtPicture> drawBoulder();
std::vector<ArtPicture> drawBrickWall();
std::vector<ArtPicture> drawButterfly();
std::vector<ArtPicture> drawButton();
std::vector<ArtPicture> drawDiamond();
std::vector<ArtPicture> drawDirt();
std::vector<ArtPicture> drawExplosion();
std::vector<ArtPicture> drawFirefly();
std::vector<ArtPicture> drawPlayer();
std::vector<ArtPicture> drawSlime();
std::vector<ArtPicture> drawSteelWall();
